# Start-up, the single-instance lock and the one way out.
add_library(bio_app_start STATIC
  ${CMAKE_CURRENT_LIST_DIR}/SingleInstance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StartApplication.cpp
  ${CMAKE_CURRENT_LIST_DIR}/QuitApplication.cpp)
target_include_directories(bio_app_start PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(bio_app_start PUBLIC bio_options bio_app_core Qt6::Widgets)
