#include "core/taskbar_button.h"

#include <gtest/gtest.h>

TEST(TaskbarButton, ShownWithTheMainWindowAndHiddenAtShutdown)
{
    core::TaskbarButtonRule rule;
    EXPECT_TRUE(rule.ShowWithMainWindow(false));
    EXPECT_TRUE(rule.HideWithMainWindow(true));
}

TEST(TaskbarButton, NeverComesBackOnceHiddenDirectly)
{
    core::TaskbarButtonRule rule;
    ASSERT_TRUE(rule.ShowWithMainWindow(false));
    // The window went to the notification area: the button was hidden
    // behind the rule's back, so shutdown leaves it alone.
    EXPECT_FALSE(rule.HideWithMainWindow(false));
    EXPECT_FALSE(rule.ShowWithMainWindow(false));
}

TEST(TaskbarButton, NotShownIfSomethingElseShowedItFirst)
{
    core::TaskbarButtonRule rule;
    EXPECT_FALSE(rule.ShowWithMainWindow(true));
    EXPECT_FALSE(rule.HideWithMainWindow(true));
}
