# Cross toolchain: 32-bit Windows (i686) with MinGW-w64 on Linux. Not released; its tests run
# only where Wine's 32-bit loader does.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
