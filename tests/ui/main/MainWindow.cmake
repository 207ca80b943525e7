bio_add_gtest(test_date_entry
  ${CMAKE_CURRENT_LIST_DIR}/test_WholeNumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_DateEntry.cpp
  LIBS bio_date_entry)
set_target_properties(test_date_entry PROPERTIES AUTOMOC OFF)

bio_add_qtest(tst_ClickableLabel ${CMAKE_CURRENT_LIST_DIR}/tst_ClickableLabel.cpp LIBS bio_ui_link)

foreach(name tst_MainWindowLoad tst_MainWindowDateEntry tst_MainWindowChartRequest tst_MainWindowCommands
    tst_ExplanationPanel)
  bio_add_qtest(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowHarness.h
    LIBS bio_ui_main)
  target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
endforeach()

# The chart area's context menu: copy, save, export.
bio_add_qtest(tst_ChartActions ${CMAKE_CURRENT_LIST_DIR}/tst_ChartActions.cpp ${CMAKE_CURRENT_LIST_DIR}/MainWindowHarness.h
  LIBS bio_ui_main bio_chart_picture)
target_include_directories(tst_ChartActions PRIVATE ${CMAKE_CURRENT_LIST_DIR})
# The saved picture again on a high-density screen.
add_test(NAME tst_ChartActions_ratio2 COMMAND tst_ChartActions savedAndCopiedPictureIsTheChartAreaAsShown)
set_tests_properties(tst_ChartActions_ratio2 PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_SCALE_FACTOR=2")
