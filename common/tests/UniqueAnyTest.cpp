#include "common/UniqueAny.h"

#include <gtest/gtest.h>

#include <map>

namespace pvn {
namespace {

// Every close is counted per value; a value closed twice shows up as 2.
std::map<int, int> g_closed;

struct CountingTraits {
    using type = int;
    static int invalid() { return -1; }
    static void close(int v) { ++g_closed[v]; }
};
using Counted = UniqueAny<CountingTraits>;

class UniqueAnyTest : public ::testing::Test {
protected:
    void SetUp() override { g_closed.clear(); }
};

TEST_F(UniqueAnyTest, ScopeMoveAndAssignCloseEachValueOnce) {
    {
        Counted a(1);
        Counted b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(b.get(), 1);
        Counted c(2);
        c = std::move(b); // closes 2, takes 1
        EXPECT_EQ((std::map<int, int>{{2, 1}}), g_closed);
        c = std::move(c); // self-move keeps the value
        EXPECT_EQ(c.get(), 1);
    }
    EXPECT_EQ((std::map<int, int>{{1, 1}, {2, 1}}), g_closed);
}

TEST_F(UniqueAnyTest, ResetReleaseAndPut) {
    Counted a(3);
    a.reset(4);
    EXPECT_EQ(g_closed[3], 1);
    EXPECT_EQ(a.release(), 4);
    EXPECT_FALSE(a);
    a.reset(); // empty: nothing to close
    EXPECT_EQ(g_closed.count(4), 0u);

    a.reset(5);
    int* slot = a.put();
    EXPECT_EQ(g_closed[5], 1) << "put frees the old value before handing out the slot";
    EXPECT_EQ(*slot, -1);
    *slot = 6;
    EXPECT_EQ(a.get(), 6);
    a.reset();
    EXPECT_EQ(g_closed[6], 1);
    EXPECT_EQ(g_closed.size(), 3u);
}

// A close that reaches the owner again (a destroy message, an unhook from a callback) finds it empty.
struct ReenteringTraits;
UniqueAny<ReenteringTraits>* g_reentered = nullptr;
struct ReenteringTraits {
    using type = int;
    static int invalid() { return 0; }
    static void close(int v) {
        ++g_closed[v];
        if (g_reentered)
            g_reentered->reset();
    }
};

TEST_F(UniqueAnyTest, CloseThatReentersDoesNotCloseTwice) {
    UniqueAny<ReenteringTraits> owner(7);
    g_reentered = &owner;
    owner.reset();
    g_reentered = nullptr;
    EXPECT_FALSE(owner);
    EXPECT_EQ((std::map<int, int>{{7, 1}}), g_closed);
}

void closeNull(int* p) {
    delete p;
}

TEST_F(UniqueAnyTest, NullOwnerFreesItsPointer) {
    // ASan reports a leak or a double delete here.
    UniqueNull<int*, closeNull> p(new int(9));
    UniqueNull<int*, closeNull> q(std::move(p));
    EXPECT_EQ(*q.get(), 9);
    EXPECT_EQ(p.get(), nullptr);
    *q.put() = new int(10);
    EXPECT_EQ(*q.get(), 10);
}

} // namespace
} // namespace pvn
