# The application icon, drawn at build time by the same code as the windows'
# icon: PNGs for the freedesktop icon theme (not on Windows), the window icon
# compiled into the program (so that start-up need not draw it), and on
# Windows one .ico for the executable's resources.
add_executable(export_icons ${PROJECT_SOURCE_DIR}/tools/export_icons.cpp)
target_link_libraries(export_icons PRIVATE bio_options bio_ui_look)
# Cross-compiled, the tool is a program of the target, run through the
# emulator (Wine for a Windows build on Linux).
set(_export_icons ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:export_icons>)

# bio_draw_icons(FILES_VAR FOLDER EXTENSION MODE SIZES COMMENT): one
# FOLDER/<size>.EXTENSION for each of SIZES, drawn by export_icons in MODE
# ("" for PNG); their paths go to FILES_VAR.
function(bio_draw_icons files_var folder extension mode sizes comment)
  set(files)
  foreach(size IN LISTS sizes)
    list(APPEND files ${folder}/${size}.${extension})
  endforeach()
  add_custom_command(
    OUTPUT ${files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            ${_export_icons} ${mode} ${folder} ${sizes}
    DEPENDS export_icons
    COMMENT "${comment}")
  set(${files_var} ${files} PARENT_SCOPE)
endfunction()

# Only the freedesktop install (cmake/Install.cmake) takes the PNGs.
if(NOT WIN32)
  bio_draw_icons(_icon_files ${BIORHYTHM_ICON_DIR} png "" "${BIORHYTHM_ICON_SIZES}" "Drawing the application icon")
  add_custom_target(desktop_icons ALL DEPENDS ${_icon_files})
endif()

# The window icon needs no more than 64 pixels; the larger sizes are for the
# desktop's launchers, which read the installed theme icons. It goes in as
# bare pixels: decoding a PNG would first make Qt look through its image
# format plugins, which costs more at start-up than the whole icon.
set(_window_icon_dir ${CMAKE_CURRENT_BINARY_DIR}/window_icon)
bio_draw_icons(_window_icon_files ${_window_icon_dir} rgba --rgba "16;32;48;64" "Drawing the window icon")
qt_add_resources(TavioFreeBiorhythmChartSoftware window_icon
  PREFIX /icons
  BASE ${_window_icon_dir}
  OPTIONS -no-compress
  FILES ${_window_icon_files})

if(WIN32)
  set(_ico_file ${BIORHYTHM_ICON_DIR}/${BIORHYTHM_APP_ID}.ico)
  add_custom_command(
    OUTPUT ${_ico_file}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${_export_icons} --ico ${_ico_file} ${BIORHYTHM_ICON_SIZES}
    DEPENDS export_icons
    COMMENT "Drawing the application icon for Windows")
  set(BIORHYTHM_ICO_FILE ${_ico_file})
  set(_rc_file ${CMAKE_CURRENT_BINARY_DIR}/TavioFreeBiorhythmChartSoftware.rc)
  configure_file(${PROJECT_SOURCE_DIR}/src/TavioFreeBiorhythmChartSoftware.rc.in ${_rc_file} @ONLY)
  set_source_files_properties(${_rc_file} PROPERTIES OBJECT_DEPENDS ${_ico_file})
  target_sources(TavioFreeBiorhythmChartSoftware PRIVATE ${_rc_file} ${_ico_file})
endif()
