#include "core/web_links.h"

#include <gtest/gtest.h>

TEST(WebLinks, EachPageCarriesTheProductWordAndVersionInItsOneQuery)
{
    EXPECT_EQ(core::UpdatePageAddress(u"1.01.20180114"), u"http://www.lumaric.cn/?v=Lumaric1.01.20180114");
    EXPECT_EQ(core::HomePageAddress(u"1.01.20180114"), u"http://www.lumaric.com/?qq=Lumaric1.01.20180114");
}

TEST(WebLinks, TheLabelShowsTheUpdateHostWhichIsNotTheHomePagesSite)
{
    EXPECT_NE(core::kUpdateHost, core::kHomeHost);
    EXPECT_EQ(core::UpdatePageAddress(u"").find(core::kUpdateHost), 7u);
    EXPECT_EQ(core::HomePageAddress(u"").find(core::kUpdateHost), std::u16string::npos);
}

TEST(WebLinks, AddressFollowsTheVersionText)
{
    EXPECT_EQ(core::UpdatePageAddress(u"2.0"), u"http://www.lumaric.cn/?v=Lumaric2.0");
}
