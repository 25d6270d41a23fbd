// The release's version, in one place: the version resource, the setup (packaging/Velmora.nsi)
// and the names of the packages (scripts/package.sh) read it from here.
#pragma once
#define VELMORA_VERSION_MAJOR 1
#define VELMORA_VERSION_MINOR 5
#define VELMORA_VERSION_PATCH 5
#define VELMORA_VERSION "1.5.5"
