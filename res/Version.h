// The release's version, in one place: the version resource, the about text, CMake's image
// version (app/CMakeLists.txt) and the scripts (scripts/version.sh) read these three numbers.
#pragma once
#define VELMORA_VERSION_MAJOR 1
#define VELMORA_VERSION_MINOR 6
#define VELMORA_VERSION_PATCH 0

// "MAJOR.MINOR.PATCH" as adjacent string literals, which the compilers join into one.
#define VELMORA_VERSION_TEXT_(n) #n
#define VELMORA_VERSION_TEXT(n) VELMORA_VERSION_TEXT_(n)
#define VELMORA_VERSION                                                                     \
    VELMORA_VERSION_TEXT(VELMORA_VERSION_MAJOR) "." VELMORA_VERSION_TEXT(VELMORA_VERSION_MINOR) \
    "." VELMORA_VERSION_TEXT(VELMORA_VERSION_PATCH)
