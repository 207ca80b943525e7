# The application icon, drawn at build time by the same code as the windows'
# icon: PNGs for the freedesktop icon theme, the window icon compiled into the
# program (so that start-up need not draw it), and on Windows one .ico for the
# executable's resources.
add_executable(export_icons ${PROJECT_SOURCE_DIR}/tools/export_icons.cpp)
target_link_libraries(export_icons PRIVATE bio_options bio_ui_look)

set(_icon_files)
foreach(size IN LISTS BIORHYTHM_ICON_SIZES)
  list(APPEND _icon_files ${BIORHYTHM_ICON_DIR}/${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${_icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:export_icons> ${BIORHYTHM_ICON_DIR} ${BIORHYTHM_ICON_SIZES}
  DEPENDS export_icons
  COMMENT "Drawing the application icon")
add_custom_target(desktop_icons ALL DEPENDS ${_icon_files})

if(NOT TARGET TavioFreeBiorhythmChartSoftware)
  return()
endif()

# The window icon needs no more than 64 pixels; the larger sizes are for the
# desktop's launchers, which read the installed theme icons. It goes in as
# bare pixels: decoding a PNG would first make Qt look through its image
# format plugins, which costs more at start-up than the whole icon.
set(_window_icon_sizes 16 32 48 64)
set(_window_icon_dir ${CMAKE_CURRENT_BINARY_DIR}/window_icon)
set(_window_icon_files)
foreach(size IN LISTS _window_icon_sizes)
  list(APPEND _window_icon_files ${_window_icon_dir}/${size}.rgba)
endforeach()
add_custom_command(
  OUTPUT ${_window_icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:export_icons> --rgba ${_window_icon_dir} ${_window_icon_sizes}
  DEPENDS export_icons
  COMMENT "Drawing the window icon")
qt_add_resources(TavioFreeBiorhythmChartSoftware window_icon
  PREFIX /icons
  BASE ${_window_icon_dir}
  OPTIONS -no-compress
  FILES ${_window_icon_files})

if(WIN32)
  set(_ico_file ${BIORHYTHM_ICON_DIR}/${BIORHYTHM_APP_ID}.ico)
  add_custom_command(
    OUTPUT ${_ico_file}
    COMMAND $<TARGET_FILE:export_icons> --ico ${_ico_file} ${BIORHYTHM_ICON_SIZES}
    DEPENDS export_icons
    COMMENT "Drawing the application icon for Windows")
  set(BIORHYTHM_ICO_FILE ${_ico_file})
  set(_rc_file ${CMAKE_CURRENT_BINARY_DIR}/TavioFreeBiorhythmChartSoftware.rc)
  configure_file(${PROJECT_SOURCE_DIR}/src/TavioFreeBiorhythmChartSoftware.rc.in ${_rc_file} @ONLY)
  set_source_files_properties(${_rc_file} PROPERTIES OBJECT_DEPENDS ${_ico_file})
  target_sources(TavioFreeBiorhythmChartSoftware PRIVATE ${_rc_file} ${_ico_file})
endif()
