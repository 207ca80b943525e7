# Settings store, update reminder and message boxes. The plain parts join the
# toolkit-free core; the rest forms bio_app.
target_sources(bio_app_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/RoundHalfEven.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Windows1252.cpp)

add_library(bio_app STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DateText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxPrompter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NativeSettingsBackend.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScrambleText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SettingsStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UpdateReminder.cpp)
target_link_libraries(bio_app PUBLIC bio_app_core bio_chart bio_web Qt6::Widgets)
