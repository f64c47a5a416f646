# 32-bit Windows (PE32, i386): the deliverable.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(LAUNCHER_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
