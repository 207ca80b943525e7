# 64-bit Windows from Linux with Debian's mingw-w64 (the compilers of
# mingw-w64-x86_64-plain.cmake beside this file) and Qt for Windows.
#
# Qt for Windows is BIORHYTHM_WINDOWS_QT, its install prefix (a cache or
# environment variable; by default the one scripts/build-windows keeps in the
# user's cache). The project finds that Qt with Debian's own moc, rcc and uic
# as its host tools, and runs what the build makes (the icon tool, the test
# discovery, the tests) under Wine through wine-run beside this file.
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64-plain.cmake")

# try_compile projects read this file again, with only the variables listed
# here passed on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BIORHYTHM_WINDOWS_QT)
if(NOT DEFINED BIORHYTHM_WINDOWS_QT OR BIORHYTHM_WINDOWS_QT STREQUAL "")
  if(NOT "$ENV{BIORHYTHM_WINDOWS_QT}" STREQUAL "")
    set(BIORHYTHM_WINDOWS_QT "$ENV{BIORHYTHM_WINDOWS_QT}")
  elseif(NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(BIORHYTHM_WINDOWS_QT "$ENV{XDG_CACHE_HOME}/tavio-biorhythm/qt-windows")
  else()
    set(BIORHYTHM_WINDOWS_QT "$ENV{HOME}/.cache/tavio-biorhythm/qt-windows")
  endif()
endif()
if(NOT EXISTS "${BIORHYTHM_WINDOWS_QT}/lib/cmake/Qt6/Qt6Config.cmake")
  message(FATAL_ERROR "No Qt for Windows in '${BIORHYTHM_WINDOWS_QT}': run scripts/build-windows once, "
                      "which builds it, or set BIORHYTHM_WINDOWS_QT to a Qt for mingw-w64 x86_64")
endif()
get_filename_component(BIORHYTHM_WINDOWS_QT "${BIORHYTHM_WINDOWS_QT}" REALPATH)
set(BIORHYTHM_WINDOWS_QT "${BIORHYTHM_WINDOWS_QT}" CACHE PATH "Install prefix of Qt for Windows")

# The prefix is the root that Qt's packages are found under, and its
# lib/cmake the prefix path (as Qt's own toolchain file does it, since CMake
# would join the two if both named the prefix).
list(PREPEND CMAKE_FIND_ROOT_PATH "${BIORHYTHM_WINDOWS_QT}")
# Packages of the target only: the host's GoogleTest would link Linux
# libraries into Windows programs.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
list(PREPEND CMAKE_PREFIX_PATH "${BIORHYTHM_WINDOWS_QT}/lib/cmake")
set(QT_HOST_PATH /usr)
file(GLOB _qt_host_info /usr/lib/*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake)
list(GET _qt_host_info 0 _qt_host_info)
get_filename_component(QT_HOST_PATH_CMAKE_DIR "${_qt_host_info}/../.." ABSOLUTE)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run;${BIORHYTHM_WINDOWS_QT}")
endif()
