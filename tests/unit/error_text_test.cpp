#include "core/error_text.h"

#include <gtest/gtest.h>

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt)
{
    EXPECT_EQ(core::ErrorBoxText(u"'abc' is not a valid integer value"), u"'abc' is not a valid integer value.");
    EXPECT_EQ(core::ErrorBoxText(u"Stream write error"), u"Stream write error.");
    EXPECT_EQ(core::ErrorBoxText(u""), u"");
    EXPECT_EQ(core::ErrorBoxText(u"done."), u"done.");
    EXPECT_EQ(core::ErrorBoxText(u"why?"), u"why?.");           // '?' sorts above '.'
    EXPECT_EQ(core::ErrorBoxText(u"a-"), u"a-");                // '-' sorts below '.'
    EXPECT_EQ(core::ErrorBoxText(u"'' is not"), u"'' is not.");
    EXPECT_EQ(core::ErrorBoxText(u"网络"), u"网络.");
}

TEST(TrimSystemMessage, DropsTrailingBlanksControlsAndFullStops)
{
    EXPECT_EQ(core::TrimSystemMessage(u"Access is denied.\r\n"), u"Access is denied");
    EXPECT_EQ(core::TrimSystemMessage(u"The system cannot find the path specified. \r\n"),
              u"The system cannot find the path specified");
    EXPECT_EQ(core::TrimSystemMessage(u"a.b.\t..\n"), u"a.b");
    EXPECT_EQ(core::TrimSystemMessage(u"拒绝访问。\r\n"), u"拒绝访问。");
    EXPECT_EQ(core::TrimSystemMessage(u" .\r\n"), u"");
    EXPECT_EQ(core::TrimSystemMessage(u""), u"");
}
