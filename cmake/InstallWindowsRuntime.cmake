# Install script of a Windows build: the Qt plugins into their folders, and
# every DLL that the programs and plugins import, found in
# BIO_RUNTIME_SEARCH_DIRS, beside the programs. An import found in none of
# those folders is Windows' own (kernel32, user32, the api-ms-win-* sets) and
# stays out. With --strip (or CPack's CPACK_STRIP_FILES) each is stripped,
# as the programs are. Set by cmake/Install.cmake: BIO_RUNTIME_EXECUTABLES,
# BIO_RUNTIME_LIBRARIES, BIO_RUNTIME_PLUGINS (folder=file), BIO_RUNTIME_SEARCH_DIRS
# and BIO_STRIP.
set(_prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# bio_install_runtime_file(FILE FOLDER): FILE (a link is followed to the file
# it names, whose name it takes) into FOLDER of the install.
function(bio_install_runtime_file file folder)
  get_filename_component(file "${file}" REALPATH)
  get_filename_component(name "${file}" NAME)
  file(INSTALL DESTINATION "${_prefix}/${folder}" TYPE SHARED_LIBRARY FILES "${file}")
  if(CMAKE_INSTALL_DO_STRIP AND BIO_STRIP)
    execute_process(COMMAND "${BIO_STRIP}" --strip-unneeded "${_prefix}/${folder}/${name}"
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "could not strip ${_prefix}/${folder}/${name}")
    endif()
  endif()
endfunction()

set(_modules)
foreach(plugin IN LISTS BIO_RUNTIME_PLUGINS)
  string(REGEX REPLACE "=.*" "" folder "${plugin}")
  string(REGEX REPLACE "^[^=]*=" "" file "${plugin}")
  bio_install_runtime_file("${file}" "${folder}")
  list(APPEND _modules "${file}")
endforeach()

# Only Qt's and mingw's DLLs (lib...) are looked for; names are matched in
# lower case.
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${BIO_RUNTIME_EXECUTABLES}
  LIBRARIES ${BIO_RUNTIME_LIBRARIES}
  MODULES ${_modules}
  DIRECTORIES ${BIO_RUNTIME_SEARCH_DIRS}
  PRE_INCLUDE_REGEXES "^qt6" "^lib"
  PRE_EXCLUDE_REGEXES ".*"
  RESOLVED_DEPENDENCIES_VAR _resolved
  UNRESOLVED_DEPENDENCIES_VAR _unresolved)
if(_unresolved)
  message(FATAL_ERROR "DLLs the programs need but no folder holds: ${_unresolved}")
endif()
foreach(file IN LISTS _resolved)
  bio_install_runtime_file("${file}" ".")
endforeach()
