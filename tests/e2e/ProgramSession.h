#pragma once
// The real Velmora.exe run as a user would run it: its settings seeded in the real registry,
// its window found and driven from outside, the process ended at the end of the test.
#include <windows.h>
#include <string>

class ProgramSession {
public:
    ProgramSession();
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    static void ClearSettings();
    static void WriteText(const char* entry, const std::string& value);
    static void WriteNumber(const char* entry, DWORD value);
    // A stored text, or "<none>" when there is no such value.
    static std::string ReadText(const char* entry);
    static bool SectionExists();
    static std::string ExecutablePath();

    // Starts the program (or a test build of it) and waits for its window; false when it did not appear.
    bool Start(const std::string& executable = ExecutablePath());
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;

    HWND window = nullptr;
    PROCESS_INFORMATION process{};
};
