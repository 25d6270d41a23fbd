# Cross toolchain: 64-bit Windows (x86_64) with MinGW-w64 on Linux. Only for running the tests
# on a kernel that cannot start 32-bit programs (scripts/target.sh); releases are 32-bit.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
