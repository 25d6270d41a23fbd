#include "HandleOwner.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> g_closed;

struct FakeTraits {
    using Handle = int;
    static Handle invalid() { return 0; }
    static void close(Handle handle) { g_closed.push_back(handle); }
};
using Owner = HandleOwner<FakeTraits>;

// The long-run test relies on this count: it must follow every path a handle takes.
TEST(HandleOwnerTest, CountsEveryHandleTakenUntilItIsClosedOnce)
{
    g_closed.clear();
    {
        Owner first(1);
        Owner second(2);
        EXPECT_EQ(Owner::LiveCount(), 2);
        second = std::move(first);
        EXPECT_EQ(g_closed, std::vector<int>{ 2 });
        Owner third(std::move(second));
        third.reset(3);
        EXPECT_EQ(g_closed, (std::vector<int>{ 2, 1 }));
        EXPECT_EQ(Owner::LiveCount(), 1);
        third = std::move(third);
        Owner(4).release();
        EXPECT_EQ(Owner::LiveCount(), 2) << "a released handle is still open";
        Owner invalid(0);
        invalid.reset();
    }
    EXPECT_EQ(g_closed, (std::vector<int>{ 2, 1, 3 }));
    EXPECT_EQ(Owner::LiveCount(), 1);
}

} // namespace
