# 64-bit Windows from Linux with Debian's mingw-w64, in its POSIX-threads
# flavour (std::thread and std::mutex need it): the compilers and nothing
# else. Qt's own cross build uses this file as it is, so that none of its
# configure checks (which read the toolchain file again in projects of their
# own, with none of the cache variables of the outer build) can go looking
# for the Qt that is being built. The project's builds use
# mingw-w64-x86_64.cmake beside it, which adds Qt for Windows and Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)

# The runtime libraries that an install gathers are read from the programs'
# import tables with mingw's objdump.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${_mingw}-objdump)
