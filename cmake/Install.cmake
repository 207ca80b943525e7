# Installation: the program, its desktop entry, AppStream metainfo and the
# hicolor icons; and the Debian package that CPack builds from them.
set(BIORHYTHM_APP_ID "example.tavio.BiorhythmChart")

add_executable(export_icons tools/export_icons.cpp)
target_link_libraries(export_icons PRIVATE bio_options bio_ui_look)

set(BIORHYTHM_ICON_SIZES 16 32 48 64 128 256)
set(_icon_dir ${CMAKE_BINARY_DIR}/icons)
set(_icon_files)
foreach(size IN LISTS BIORHYTHM_ICON_SIZES)
  list(APPEND _icon_files ${_icon_dir}/${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${_icon_files}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:export_icons> ${_icon_dir} ${BIORHYTHM_ICON_SIZES}
  DEPENDS export_icons
  COMMENT "Drawing the application icon for the desktop")
add_custom_target(desktop_icons ALL DEPENDS ${_icon_files})

configure_file(data/${BIORHYTHM_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml @ONLY)

install(FILES data/${BIORHYTHM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${BIORHYTHM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS BIORHYTHM_ICON_SIZES)
  install(FILES ${_icon_dir}/${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${BIORHYTHM_APP_ID}.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavio-biorhythm-chart)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavio <support@${BIORHYTHM_SITE_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm chart for a birthday and a report day")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
