# What an install holds beyond the programs, which each folder installs with
# its own targets.
# - On the freedesktop desktops: the desktop entry, AppStream metainfo and
#   hicolor icons, and the licence where Debian keeps it.
# - On Windows: every DLL the programs load that is not Windows' own (Qt's,
#   the mingw runtime), gathered from their import tables at install time,
#   and the two Qt plugins the window program loads (platform and style) and
#   the one the renderer loads (offscreen), with what they import in turn.
if(WIN32)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin Qt6::QOffscreenIntegrationPlugin
          RUNTIME_DEPENDENCY_SET bio_runtime
          LIBRARY DESTINATION platforms RUNTIME DESTINATION platforms)
  install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
          RUNTIME_DEPENDENCY_SET bio_runtime
          LIBRARY DESTINATION styles RUNTIME DESTINATION styles)
  # Where the DLLs are: Qt's beside Qt6Core.dll, and with mingw its runtime
  # (libstdc++, libgcc_s, winpthread) where the compiler keeps it.
  get_target_property(_qt_core Qt6::Core IMPORTED_LOCATION_RELEASE)
  get_filename_component(_runtime_dirs ${_qt_core} DIRECTORY)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(dll libstdc++-6.dll libwinpthread-1.dll)
      execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                      OUTPUT_VARIABLE _dll OUTPUT_STRIP_TRAILING_WHITESPACE)
      get_filename_component(_dll ${_dll} REALPATH)
      get_filename_component(_dir ${_dll} DIRECTORY)
      list(APPEND _runtime_dirs ${_dir})
    endforeach()
  endif()
  list(REMOVE_DUPLICATES _runtime_dirs)
  # Only Qt's DLLs and mingw's (lib...) are looked for there; every other
  # import is Windows' own (kernel32, user32, the api-ms-win-* sets).
  install(RUNTIME_DEPENDENCY_SET bio_runtime
          DIRECTORIES ${_runtime_dirs}
          PRE_INCLUDE_REGEXES "^[Qq][Tt]6" "^[Ll][Ii][Bb]"
          PRE_EXCLUDE_REGEXES ".*"
          RUNTIME DESTINATION .)
  return()
endif()

configure_file(data/${BIORHYTHM_APP_ID}.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml @ONLY)

install(FILES data/${BIORHYTHM_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/${BIORHYTHM_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/${BIORHYTHM_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
bio_add_desktop_icons(desktop_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
# Debian keeps a package's licence under its own name in the doc folder.
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${BIORHYTHM_PACKAGE_NAME} RENAME copyright)
