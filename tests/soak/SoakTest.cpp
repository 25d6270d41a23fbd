// Long runs of the program against services that start and stop over and over: every figure
// that can show a leak under Wine must be the same at the end as after the warm-up.
#include "ProcessFigures.h"
#include "ProgramTest.h"
#include "SoakProtocol.h"
#include "resource.h"
#include <cstdio>
#include <vector>

namespace {

constexpr int kWarmUpCycles = 1000;
constexpr int kSoakCycles = VELMORA_SOAK_REFRESHES;
constexpr int kLeakCycles = 10000;
// Long enough for a start or a stop of the stand-ins to complete within the batch.
constexpr int kCyclesPerBatch = 250;
constexpr UINT kBatchTimeoutMs = 600000;
constexpr const char* kQuickStandin = "--start-delay=100 --stop-delay=100";

struct Figure {
    const char* name;
    long value;
    // How far the figure may grow without showing a leak; a figure that fell shows none.
    long slack;
};

class SoakTest : public ProgramTest {
protected:
    long Ask(soak::Request request, LPARAM cycles = 0)
    {
        const UINT message = RegisterWindowMessageA(soak::kMessageName);
        return static_cast<long>(driver::Send(m_window, message, request, cycles, kBatchTimeoutMs));
    }

    // Each batch begins with a press of the start or the stop button, so the services go through
    // every state and the program opens and closes every kind of handle; the last batch's stop
    // leaves both at rest.
    void RunCycles(int cycles)
    {
        for (int done = 0; done < cycles; done += kCyclesPerBatch) {
            const int button = (done / kCyclesPerBatch) % 2 == 0 ? IDC_START : IDC_STOP;
            driver::Send(m_window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(m_window, button)), kBatchTimeoutMs);
            ASSERT_EQ(kCyclesPerBatch, Ask(soak::REFRESH, kCyclesPerBatch));
        }
        EXPECT_TRUE(driver::WaitForServiceState(m_database, SERVICE_STOPPED, kWaitMs));
        EXPECT_TRUE(driver::WaitForServiceState(m_listener, SERVICE_STOPPED, kWaitMs));
    }

    // Taken after RunCycles, with the program's last refresh having seen both services at rest.
    std::vector<Figure> Sample()
    {
        Ask(soak::REFRESH, 1);
        return {
            // Wine's own calls for the program may hold a handle for a moment at either sample.
            { "kernel handles", driver::KernelHandleCount(m_process.dwProcessId), 2 },
            { "working set (KB)", static_cast<long>(driver::WorkingSetBytes(m_process.hProcess) / 1024), 1024 },
            { "owned service handles", Ask(soak::LIVE_SERVICE_HANDLES), 0 },
            { "owned registry keys", Ask(soak::LIVE_REGISTRY_KEYS), 0 },
            { "owned icons", Ask(soak::LIVE_ICONS), 0 },
            { "owned bitmaps", Ask(soak::LIVE_BITMAPS), 0 },
        };
    }

    // Runs the soak and names every figure that did not stay flat.
    std::string Soak(const char* executable, int cycles)
    {
        AddServices(kQuickStandin, kQuickStandin);
        EXPECT_TRUE(Launch(executable));
        RunCycles(kWarmUpCycles);
        const std::vector<Figure> start = Sample();
        RunCycles(cycles);
        const std::vector<Figure> end = Sample();
        EXPECT_NE(-1, start.front().value) << "the system handle list could not be read";
        std::printf("%d refreshes after %d of warm-up:\n", cycles, kWarmUpCycles);
        std::string moved;
        for (size_t i = 0; i < start.size(); ++i) {
            std::printf("  %s %ld -> %ld\n", start[i].name, start[i].value, end[i].value);
            if (end[i].value - start[i].value > start[i].slack)
                moved += std::string(start[i].name) + ";";
        }
        std::fflush(stdout);
        return moved;
    }
};

TEST_F(SoakTest, ALongRunOfRefreshesLeavesEveryFigureFlat)
{
    EXPECT_EQ("", Soak(VELMORA_SOAK_EXE, kSoakCycles));
}

// The same soak catches one lost handle per refresh of either kind.
TEST_F(SoakTest, ARegistryKeyLostAtEveryRefreshShowsInTheKernelHandles)
{
    const std::string moved = Soak(VELMORA_SOAK_LEAKING_KEY_EXE, kLeakCycles);
    EXPECT_NE(std::string::npos, moved.find("kernel handles;")) << "moved: " << moved;
}

TEST_F(SoakTest, AServiceHandleLostAtEveryRefreshShowsInTheOwnedCount)
{
    const std::string moved = Soak(VELMORA_SOAK_LEAKING_SERVICE_EXE, kLeakCycles);
    EXPECT_NE(std::string::npos, moved.find("owned service handles;")) << "moved: " << moved;
}

} // namespace
