#include "core/text.h"

#include <gtest/gtest.h>

TEST(Format, ReplacesPlaceholdersInTurnAndKeepsOtherPercents)
{
    EXPECT_EQ(core::Format(u"Cannot create file \"%s\". %s", {u"C:\\a b\\R.bat", u"Access is denied"}),
              u"Cannot create file \"C:\\a b\\R.bat\". Access is denied");
    EXPECT_EQ(core::Format(u"100% of %s", {u"x"}), u"100% of x");
    EXPECT_EQ(core::Format(u"%s and %s", {u"one"}), u"one and %s");
    EXPECT_EQ(core::Format(u"'%s'", {u"%s"}), u"'%s'");
}
