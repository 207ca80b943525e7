# What an install holds beyond the programs, which each folder installs with
# its own targets.
# - On the freedesktop desktops: the desktop entry, AppStream metainfo and
#   hicolor icons, and the licence where Debian keeps it.
# - On Windows: the Qt plugins the programs load, and every DLL that the
#   programs and plugins load that is not Windows' own (Qt's, the mingw
#   runtime), gathered from their import tables at install time
#   (cmake/InstallWindowsRuntime.cmake).
if(WIN32)
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
  # CMake 3.25 looks for an imported DLL under its name in lower case, which
  # a Linux file system does not find as Qt6Core.dll: a cross build searches
  # a folder of links named in lower case, and installs the files they lead
  # to, under their own names.
  if(CMAKE_HOST_WIN32)
    set(_search_dirs ${_runtime_dirs})
  else()
    set(_search_dirs ${CMAKE_BINARY_DIR}/runtime-dlls)
    file(REMOVE_RECURSE ${_search_dirs})
    file(MAKE_DIRECTORY ${_search_dirs})
    foreach(dir IN LISTS _runtime_dirs)
      file(GLOB _dlls ${dir}/*.dll)
      foreach(dll IN LISTS _dlls)
        get_filename_component(_name ${dll} NAME)
        string(TOLOWER ${_name} _name)
        file(CREATE_LINK ${dll} ${_search_dirs}/${_name} SYMBOLIC)
      endforeach()
    endforeach()
  endif()
  # The plugins the window program loads (platform and style) and the one
  # the renderer loads (offscreen).
  set(_plugins)
  foreach(plugin platforms/Qt6::QWindowsIntegrationPlugin platforms/Qt6::QOffscreenIntegrationPlugin
                 styles/Qt6::QWindowsVistaStylePlugin)
    string(REGEX REPLACE "/.*" "" _folder ${plugin})
    string(REGEX REPLACE "^[^/]*/" "" _target ${plugin})
    get_target_property(_file ${_target} IMPORTED_LOCATION_RELEASE)
    list(APPEND _plugins ${_folder}=${_file})
  endforeach()
  install(CODE "
    set(BIO_RUNTIME_EXECUTABLES \"$<TARGET_FILE:TavioFreeBiorhythmChartSoftware>;$<TARGET_FILE:biorhythm-render>\")
    set(BIO_RUNTIME_LIBRARIES \"$<TARGET_FILE:tavio-biorhythm-print>\")
    set(BIO_RUNTIME_PLUGINS \"${_plugins}\")
    set(BIO_RUNTIME_SEARCH_DIRS \"${_search_dirs}\")
    set(BIO_STRIP \"${CMAKE_STRIP}\")")
  install(SCRIPT cmake/InstallWindowsRuntime.cmake)
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
