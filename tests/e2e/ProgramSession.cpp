#include "ProgramSession.h"
#include "HostPath.h"
#include "Polling.h"
#include "WindowDriver.h"

namespace {

constexpr const char* kBranch = "Software\\Orvik Velmora";
constexpr const char* kSection = "Software\\Orvik Velmora\\Velmora\\Config";

void WriteValue(const char* entry, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kSection, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, entry, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

} // namespace

ProgramSession::ProgramSession()
{
    ClearSettings();
}

ProgramSession::~ProgramSession()
{
    if (process.hProcess) {
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process.hProcess, 1);
            WaitForSingleObject(process.hProcess, 10000);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    ClearSettings();
}

void ProgramSession::ClearSettings()
{
    RegDeleteTreeA(HKEY_CURRENT_USER, kBranch);
}

void ProgramSession::WriteText(const char* entry, const std::string& value)
{
    WriteValue(entry, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void ProgramSession::WriteNumber(const char* entry, DWORD value)
{
    WriteValue(entry, REG_DWORD, &value, sizeof(value));
}

std::string ProgramSession::ReadText(const char* entry)
{
    char text[1024] = "";
    DWORD size = sizeof(text);
    if (RegGetValueA(HKEY_CURRENT_USER, kSection, entry, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
        return "<none>";
    return text;
}

bool ProgramSession::SectionExists()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSection, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string ProgramSession::ExecutablePath()
{
    return driver::WindowsPath(VELMORA_EXE);
}

bool ProgramSession::Start(const std::string& executable)
{
    std::string commandLine = "\"" + executable + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    window = driver::FindMainWindow("Velmora", 20000, process.dwProcessId);
    // The window exists before its controls do; it is shown (or minimised) once they are all there.
    return window && driver::PollUntil([&] { return IsWindowVisible(window) || IsIconic(window); }, 20000);
}

bool ProgramSession::WaitForExit(DWORD timeoutMs)
{
    return WaitForSingleObject(process.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ProgramSession::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
}
