# Cross-compiling for Windows with Debian's mingw-w64. The toolchain files
# set LAUNCHER_MINGW_TRIPLE and include this. The "-win32" compiler variants
# use Win32 threads, so nothing links against libwinpthread.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${LAUNCHER_MINGW_TRIPLE}-gcc-win32)
set(CMAKE_CXX_COMPILER ${LAUNCHER_MINGW_TRIPLE}-g++-win32)
set(CMAKE_RC_COMPILER ${LAUNCHER_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${LAUNCHER_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
