# The chart area picBiorhythm and the image that keeps its curves.
add_library(bio_chart_view STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RetainedSurface.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartArea.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartDescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayReadout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DayReadoutBox.cpp)
target_include_directories(bio_chart_view PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_chart_view PUBLIC bio_options bio_chart bio_ui_look Qt6::Widgets)
