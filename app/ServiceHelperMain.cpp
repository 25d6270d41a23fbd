// VelmoraDienste.exe: sends a start or a stop to one or two services and ends, without waiting for
// them. Velmora starts it with administrator rights when its own open was refused for lack of
// them, so it takes nothing but the verb and the names.
// Exit code: 0 every request was sent; 1 the first name's was not, 2 the second's, 3 neither;
// 4 a command line it does not take, and then it touches nothing.
#include "HelperCommand.h"
#include "ServiceManager.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int kUsage = 4;

// Each opened and sent as the main window does; false when the service could not be opened.
bool SendStart(SC_HANDLE manager, const char* name)
{
    const ServiceHandle service = ServiceManager::OpenForStart(manager, name);
    if (service)
        ServiceManager::RequestStart(service.get());
    return static_cast<bool>(service);
}

bool SendStop(SC_HANDLE manager, const char* name)
{
    const ServiceHandle service = ServiceManager::OpenForStop(manager, name);
    if (service)
        ServiceManager::RequestStop(service.get());
    return static_cast<bool>(service);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const int names = __argc - 2;
    if (names < 1 || names > 2)
        return kUsage;
    const auto send = std::strcmp(__argv[1], kHelperStart) == 0 ? &SendStart
        : std::strcmp(__argv[1], kHelperStop) == 0             ? &SendStop
                                                               : nullptr;
    if (!send || std::any_of(__argv + 2, __argv + __argc, [](const char* name) { return *name == '\0'; }))
        return kUsage;
    const ServiceHandle manager = ServiceManager::OpenWindowConnection();
    int failed = 0;
    // In order, each whether or not the other could be sent.
    for (int i = 0; i < names; ++i)
        if (!send(manager.get(), __argv[2 + i]))
            failed |= 1 << i;
    return failed;
}
