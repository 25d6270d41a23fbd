// Paths of the build machine as the programs under Wine see them.
#pragma once

#include <string>

namespace driver {

// A Unix path of the build (as CMake passes it in) on Wine's drive Z:.
inline std::string WindowsPath(std::string unixPath)
{
    for (char& c : unixPath)
        if (c == '/')
            c = '\\';
    return "Z:" + unixPath;
}

} // namespace driver
