# Installation and the icon in every form the desktops want: on Windows an .ico
# and the version resource inside the executable; elsewhere the freedesktop
# desktop entry, AppStream metainfo and hicolor icons, and the Debian package
# that CPack builds from them.
set(BIORHYTHM_APP_ID "example.tavio.BiorhythmChart")
set(BIORHYTHM_ICON_SIZES 16 32 48 64 128 256)
set(_icon_dir ${CMAKE_BINARY_DIR}/icons)

# Draws the icon with the same code as the windows' icon, at build time.
add_executable(export_icons tools/export_icons.cpp)
target_link_libraries(export_icons PRIVATE bio_options bio_ui_look)

if(WIN32)
  if(TARGET TavioFreeBiorhythmChartSoftware)
    set(BIORHYTHM_ICO_FILE ${_icon_dir}/${BIORHYTHM_APP_ID}.ico)
    add_custom_command(
      OUTPUT ${BIORHYTHM_ICO_FILE}
      COMMAND $<TARGET_FILE:export_icons> --ico ${BIORHYTHM_ICO_FILE} ${BIORHYTHM_ICON_SIZES}
      DEPENDS export_icons
      COMMENT "Drawing the application icon for Windows")
    set(_rc_file ${CMAKE_BINARY_DIR}/TavioFreeBiorhythmChartSoftware.rc)
    configure_file(src/TavioFreeBiorhythmChartSoftware.rc.in ${_rc_file} @ONLY)
    set_source_files_properties(${_rc_file} PROPERTIES OBJECT_DEPENDS ${BIORHYTHM_ICO_FILE})
    target_sources(TavioFreeBiorhythmChartSoftware PRIVATE ${_rc_file} ${BIORHYTHM_ICO_FILE})
  endif()
  return()
endif()

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
# Debian keeps a package's licence under its own name in the doc folder.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME} RENAME copyright)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Tavio <support@${BIORHYTHM_SITE_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Biorhythm chart for a birthday and a report day")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pick a birthday and a report day, and it draws the physical, emotional and intellectual\n"
  "biorhythm cycles over the 28 days around the report day, with an explanation of each.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://${BIORHYTHM_SITE_HOST}/")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
