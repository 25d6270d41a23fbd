// Paths of the build machine as the programs under Wine see them.
#pragma once

#include <algorithm>
#include <string>

namespace driver {

// A Unix path of the build (as CMake passes it in) on Wine's drive Z:.
inline std::string WindowsPath(std::string unixPath)
{
    std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
    return "Z:" + unixPath;
}

} // namespace driver
