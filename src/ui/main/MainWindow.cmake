# Reading typed days and years, and the date boxes' rules: no Qt.
add_library(bio_date_entry STATIC
  ${CMAKE_CURRENT_LIST_DIR}/WholeNumberText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateEntry.cpp)
target_include_directories(bio_date_entry PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_date_entry PUBLIC bio_options)
set_target_properties(bio_date_entry PROPERTIES AUTOMOC OFF)
