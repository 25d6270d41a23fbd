// Long runs of the program against services that start and stop over and over: every figure
// that can show a leak under Wine must be the same at the end as after the warm-up.
#include "HostPath.h"
#include "ProcessFigures.h"
#include "ProgramWithServices.h"
#include "SoakProtocol.h"
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kWarmUpCycles = 1000;
constexpr int kSoakCycles = 100000;
constexpr int kLeakCycles = 10000;
// Long enough for a start or a stop of the stand-ins to complete within the batch.
constexpr int kCyclesPerBatch = 250;
constexpr SIZE_T kWorkingSetSlack = 1024 * 1024;
constexpr UINT kBatchTimeoutMs = 600000;

const soak::Request kOwnedKinds[] = { soak::LIVE_SERVICE_HANDLES, soak::LIVE_REGISTRY_KEYS, soak::LIVE_MENUS,
                                      soak::LIVE_BITMAPS };
const char* const kOwnedNames[] = { "service handles", "registry keys", "menus", "bitmaps" };
constexpr size_t kOwnedCount = sizeof(kOwnedKinds) / sizeof(kOwnedKinds[0]);

struct Figures {
    long kernelHandles;
    SIZE_T workingSet;
    long owned[kOwnedCount];
};

class SoakTest : public ProgramWithServices {
protected:
    void StartProgram(const char* executable)
    {
        AddBoth("--start-delay=100 --stop-delay=100", "--start-delay=100 --stop-delay=100");
        for (const char* automation : { "ParamStart", "ParamStop", "ParamEnde", "ParamAsk", "ParamMin" })
            m_program.WriteNumber(automation, 0);
        ASSERT_TRUE(m_program.Start(driver::WindowsPath(executable)));
    }

    LRESULT Send(UINT message, WPARAM w, LPARAM l)
    {
        DWORD_PTR result = 0;
        EXPECT_TRUE(SendMessageTimeoutA(m_program.window, message, w, l, SMTO_NORMAL, kBatchTimeoutMs, &result));
        return static_cast<LRESULT>(result);
    }

    LRESULT Ask(soak::Request request, LPARAM cycles = 0) { return Send(m_soakMessage, request, cycles); }

    // Each batch begins with a press of the start or the stop button, so the services go
    // through every state and the program opens and closes every kind of handle.
    void RunCycles(int cycles)
    {
        for (int done = 0; done < cycles; done += kCyclesPerBatch) {
            const int button = (done / kCyclesPerBatch) % 2 == 0 ? 1005 : 1004;
            Send(WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(m_program.window, button)));
            ASSERT_EQ(Ask(soak::REFRESH, kCyclesPerBatch), kCyclesPerBatch);
        }
    }

    // Taken with both services at rest and the program's last refresh having seen them so.
    Figures Sample()
    {
        EXPECT_TRUE(driver::WaitForServiceState(m_database, SERVICE_STOPPED, kWaitMs));
        EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_STOPPED, kWaitMs));
        Ask(soak::REFRESH, 1);
        Figures figures{ driver::KernelHandleCount(m_program.process.dwProcessId),
                         driver::WorkingSetBytes(m_program.process.hProcess), {} };
        for (size_t kind = 0; kind < kOwnedCount; ++kind)
            figures.owned[kind] = static_cast<long>(Ask(kOwnedKinds[kind]));
        return figures;
    }

    // Runs the soak and names every figure that did not stay flat.
    std::string Soak(const char* executable, int cycles)
    {
        StartProgram(executable);
        RunCycles(kWarmUpCycles);
        const Figures start = Sample();
        RunCycles(cycles);
        const Figures end = Sample();
        EXPECT_NE(start.kernelHandles, -1) << "the system handle list could not be read";
        std::printf("%d refreshes after %d of warm-up:\n  kernel handles %ld -> %ld\n  working set %lu KB -> %lu KB\n",
                    cycles, kWarmUpCycles, start.kernelHandles, end.kernelHandles,
                    static_cast<unsigned long>(start.workingSet / 1024), static_cast<unsigned long>(end.workingSet / 1024));
        std::string failures;
        if (start.kernelHandles != end.kernelHandles)
            failures += "kernel handles;";
        if (end.workingSet > start.workingSet + kWorkingSetSlack || start.workingSet > end.workingSet + kWorkingSetSlack)
            failures += "working set;";
        for (size_t kind = 0; kind < kOwnedCount; ++kind) {
            std::printf("  owned %s %ld -> %ld\n", kOwnedNames[kind], start.owned[kind], end.owned[kind]);
            if (start.owned[kind] != end.owned[kind])
                failures += std::string("owned ") + kOwnedNames[kind] + ";";
        }
        std::fflush(stdout);
        return failures;
    }

    const UINT m_soakMessage = RegisterWindowMessageA(soak::kMessageName);
};

TEST_F(SoakTest, AHundredThousandRefreshesLeaveEveryFigureFlat)
{
    EXPECT_EQ(Soak(VELMORA_SOAK_EXE, kSoakCycles), "");
}

// The same soak catches one lost handle per refresh of either kind.
TEST_F(SoakTest, ARegistryKeyLostAtEveryRefreshShowsInTheKernelHandles)
{
    EXPECT_EQ(Soak(VELMORA_SOAK_LEAKING_KEY_EXE, kLeakCycles).find("kernel handles;"), 0u);
}

TEST_F(SoakTest, AServiceHandleLostAtEveryRefreshShowsInTheOwnedCount)
{
    EXPECT_NE(Soak(VELMORA_SOAK_LEAKING_SERVICE_EXE, kLeakCycles).find("owned service handles;"), std::string::npos);
}

} // namespace
