# 64-bit Windows: the same program, for running under Wine on x86-64 hosts.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(LAUNCHER_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
