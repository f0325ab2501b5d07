#include "app/InstanceLock.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(InstanceLock, OnlyOneHolderAtATime)
{
    TempFolder temp;
    ScopedEnv runtime("XDG_RUNTIME_DIR", temp.path());
    ASSERT_EQ(InstanceLock::DefaultPath(), temp.path() + "/veltrane.lock");

    {
        InstanceLock first;
        EXPECT_EQ(first.state(), InstanceLock::State::Held);
        InstanceLock second;
        EXPECT_EQ(second.state(), InstanceLock::State::HeldElsewhere);
    }
    // The first copy ended: the next one holds the lock again.
    InstanceLock third;
    EXPECT_EQ(third.state(), InstanceLock::State::Held);
}

TEST(InstanceLock, WithoutARuntimeFolderTheProgramRunsAlone)
{
    for (const char* value : {"", "relative/dir"}) {
        ScopedEnv runtime("XDG_RUNTIME_DIR", value);
        EXPECT_EQ(InstanceLock::DefaultPath(), "");
        EXPECT_EQ(InstanceLock().state(), InstanceLock::State::Unavailable);
    }
    EXPECT_EQ(InstanceLock("/nonexistent/folder/veltrane.lock").state(), InstanceLock::State::Unavailable);
}

} // namespace
