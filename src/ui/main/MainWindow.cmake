# Reading typed days and years, and the date boxes' rules: no Qt.
add_library(bio_date_entry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/WholeNumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateEntry.cpp)
target_include_directories(bio_date_entry PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_date_entry PUBLIC bio_options)
set_target_properties(bio_date_entry PROPERTIES AUTOMOC OFF)

# The link controls shared by every window, and what assistive technology is
# told about them and the date boxes.
add_library(bio_ui_link STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ClickableLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkCheckBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboBoxAccessible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Accessibility.cpp)
target_include_directories(bio_ui_link PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_ui_link PUBLIC bio_options bio_ui_look Qt6::Widgets)

# The main window frmBio, on the chart area and the application shell.
add_library(bio_ui_main STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MainWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Explanations.cpp)
target_include_directories(bio_ui_main PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_ui_main PUBLIC
  bio_options bio_date_entry bio_ui_link bio_ui_look bio_ui_about bio_chart_view bio_chart bio_app bio_app_core
  bio_web Qt6::Widgets)
