# Installation on the freedesktop desktops: the desktop entry, AppStream
# metainfo and hicolor icons next to the program, and the Debian package that
# CPack builds from them. (On Windows the icon and version live inside the
# executable, and windeployqt gathers the rest.)
if(WIN32)
  return()
endif()

configure_file(data/${BIORHYTHM_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml @ONLY)

install(FILES data/${BIORHYTHM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${BIORHYTHM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS BIORHYTHM_ICON_SIZES)
  install(FILES ${BIORHYTHM_ICON_DIR}/${size}.png
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
