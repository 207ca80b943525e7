# The chart as a picture without whatever lies over it, and what the chart
# area's context menu does with it: copy, save, export, print.
add_library(bio_chart_picture STATIC ${CMAKE_CURRENT_LIST_DIR}/ChartPicture.cpp)
target_include_directories(bio_chart_picture PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_chart_picture PUBLIC bio_options bio_chart_view Qt6::Widgets)

find_package(Qt6 6.4 REQUIRED COMPONENTS PrintSupport)
add_library(bio_chart_actions STATIC
  ${CMAKE_CURRENT_LIST_DIR}/ChartActions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChartPrinting.cpp)
target_include_directories(bio_chart_actions PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_chart_actions PUBLIC
  bio_options bio_chart bio_chart_picture bio_ui_report bio_app Qt6::Widgets Qt6::PrintSupport)
target_link_libraries(bio_ui_main PUBLIC bio_chart_actions)
