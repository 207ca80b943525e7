# The application icon, drawn at build time by tools/export_icons, the same
# code as the windows' icon. Each function adds what it draws to the target it
# is given:
#   bio_add_window_icon(TARGET)       the window icon, compiled in as bare
#                                     pixels (start-up need not draw it)
#   bio_add_windows_resources(TARGET RC_TEMPLATE)
#                                     one .ico and the version resource, for
#                                     Explorer and the taskbar
#   bio_add_desktop_icons(NAME DESTINATION)
#                                     a target NAME drawing the PNGs of the
#                                     freedesktop icon theme, installed under
#                                     DESTINATION/<size>x<size>/apps
# A cross-compiled tool is a program of the target, run through the emulator
# (Wine for a Windows build on Linux).

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
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:export_icons> ${mode} ${folder} ${sizes}
    DEPENDS export_icons
    COMMENT "${comment}")
  set(${files_var} ${files} PARENT_SCOPE)
endfunction()

# The window icon needs no more than 64 pixels; the larger sizes are for the
# desktop's launchers, which read the installed theme icons. It goes in as
# bare pixels: decoding a PNG would first make Qt look through its image
# format plugins, which costs more at start-up than the whole icon.
function(bio_add_window_icon target)
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/window_icon)
  bio_draw_icons(files ${folder} rgba --rgba "16;32;48;64" "Drawing the window icon")
  qt_add_resources(${target} window_icon
    PREFIX /icons
    BASE ${folder}
    OPTIONS -no-compress
    FILES ${files})
endfunction()

function(bio_add_windows_resources target rc_template)
  set(BIORHYTHM_ICO_FILE ${BIORHYTHM_ICON_DIR}/${BIORHYTHM_APP_ID}.ico)
  add_custom_command(
    OUTPUT ${BIORHYTHM_ICO_FILE}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:export_icons> --ico ${BIORHYTHM_ICO_FILE}
            ${BIORHYTHM_ICON_SIZES}
    DEPENDS export_icons
    COMMENT "Drawing the application icon for Windows")
  get_filename_component(rc_name ${rc_template} NAME_WLE)
  set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${rc_name})
  configure_file(${rc_template} ${rc_file} @ONLY)
  set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS ${BIORHYTHM_ICO_FILE})
  target_sources(${target} PRIVATE ${rc_file} ${BIORHYTHM_ICO_FILE})
endfunction()

function(bio_add_desktop_icons name destination)
  bio_draw_icons(files ${BIORHYTHM_ICON_DIR} png "" "${BIORHYTHM_ICON_SIZES}" "Drawing the application icon")
  add_custom_target(${name} ALL DEPENDS ${files})
  foreach(size IN LISTS BIORHYTHM_ICON_SIZES)
    install(FILES ${BIORHYTHM_ICON_DIR}/${size}.png
            DESTINATION ${destination}/${size}x${size}/apps
            RENAME ${BIORHYTHM_APP_ID}.png)
  endforeach()
endfunction()
