// The program's Service Control Manager calls against Wine's real manager and a stand-in service.
#include "ServiceDriver.h"
#include "ServiceManager.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <vector>

namespace {

constexpr const char* kName = "VelmoraTestDb";
constexpr const char* kDisplay = "Velmora Test Datenbank";

// Polls the state through the program's own calls, recording each distinct state seen.
std::vector<DWORD> StatesUntil(SC_HANDLE manager, DWORD wanted, DWORD timeoutMs)
{
    std::vector<DWORD> seen;
    const DWORD deadline = GetTickCount() + timeoutMs;
    while (static_cast<LONG>(deadline - GetTickCount()) > 0) {
        const ServiceHandle service = ServiceManager::OpenForQuery(manager, kName);
        SERVICE_STATUS status{};
        if (service && ServiceManager::QueryStatus(service.get(), status)
            && (seen.empty() || seen.back() != status.dwCurrentState))
            seen.push_back(status.dwCurrentState);
        if (!seen.empty() && seen.back() == wanted)
            break;
        Sleep(20);
    }
    return seen;
}

class ServiceManagerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(driver::CreateStandinService(kName, kDisplay, "--start-delay=800 --stop-delay=800")); }
    void TearDown() override
    {
        driver::StopServiceByName(kName);
        driver::WaitForServiceState(kName, SERVICE_STOPPED, 10000);
        driver::RemoveService(kName);
    }
};

TEST_F(ServiceManagerTest, StartsThroughPendingToRunningAndStopsThroughPendingToStopped)
{
    const ServiceHandle manager = ServiceManager::OpenWindowConnection();
    ASSERT_TRUE(manager);

    ServiceHandle start = ServiceManager::OpenForStart(manager.get(), kName);
    ASSERT_TRUE(start) << GetLastError() << " state " << driver::QueryServiceState(kName);
    ServiceManager::RequestStart(start.get());
    SERVICE_STATUS status{};
    ASSERT_TRUE(ServiceManager::QueryStatus(start.get(), status));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_START_PENDING), status.dwCurrentState);
    const std::vector<DWORD> starting = StatesUntil(manager.get(), SERVICE_RUNNING, 10000);
    EXPECT_EQ((std::vector<DWORD>{ SERVICE_START_PENDING, SERVICE_RUNNING }), starting);

    ServiceHandle stop = ServiceManager::OpenForStop(manager.get(), kName);
    ASSERT_TRUE(stop);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOP_PENDING), ServiceManager::RequestStop(stop.get()).dwCurrentState);
    const std::vector<DWORD> stopping = StatesUntil(manager.get(), SERVICE_STOPPED, 10000);
    EXPECT_EQ((std::vector<DWORD>{ SERVICE_STOP_PENDING, SERVICE_STOPPED }), stopping);
}

TEST_F(ServiceManagerTest, AnUnknownNameCannotBeOpened)
{
    const ServiceHandle manager = ServiceManager::OpenWindowConnection();
    ASSERT_TRUE(manager);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(ServiceManager::OpenForQuery(manager.get(), "VelmoraNoSuchService"));
    EXPECT_EQ(static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST), GetLastError());
}

TEST_F(ServiceManagerTest, TheWindowConnectionCannotStartWithAQueryHandle)
{
    const ServiceHandle manager = ServiceManager::OpenWindowConnection();
    const ServiceHandle query = ServiceManager::OpenForQuery(manager.get(), kName);
    ASSERT_TRUE(query);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(StartServiceA(query.get(), 0, nullptr));
    EXPECT_EQ(static_cast<DWORD>(ERROR_ACCESS_DENIED), GetLastError());
}

// Records the probe's outcome so the test can see the 36-byte call fail with ERROR_MORE_DATA first.
struct EnumCall {
    DWORD bufferSize;
    BOOL result;
    DWORD error;
};
std::vector<EnumCall> g_enumCalls;
decltype(&::EnumServicesStatusA) g_realEnum = nullptr;

BOOL WINAPI RecordingEnum(SC_HANDLE manager, DWORD type, DWORD state, LPENUM_SERVICE_STATUSA buffer, DWORD size,
                          LPDWORD needed, LPDWORD returned, LPDWORD resume)
{
    const BOOL result = g_realEnum(manager, type, state, buffer, size, needed, returned, resume);
    const DWORD error = GetLastError();
    g_enumCalls.push_back({ size, result, error });
    SetLastError(error);
    return result;
}

TEST_F(ServiceManagerTest, EnumerationListsTheDisplayNameAfterAFailedProbe)
{
    g_enumCalls.clear();
    g_realEnum = ServiceControl().enumServices;
    ServiceControl().enumServices = &RecordingEnum;
    const std::vector<CString> names = ServiceManager::EnumerateDisplayNames();
    ServiceControl().enumServices = g_realEnum;

    ASSERT_EQ(2u, g_enumCalls.size());
    EXPECT_EQ(36u, g_enumCalls[0].bufferSize);
    EXPECT_FALSE(g_enumCalls[0].result);
    EXPECT_EQ(static_cast<DWORD>(ERROR_MORE_DATA), g_enumCalls[0].error);
    EXPECT_TRUE(g_enumCalls[1].result);
    EXPECT_NE(names.end(), std::find(names.begin(), names.end(), CString(kDisplay)));
}

} // namespace
