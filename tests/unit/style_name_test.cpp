#include "core/style_name.h"

#include <gtest/gtest.h>

namespace {

char16_t Folded(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Stands in for the locale's comparison ignoring case.
bool SameIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
               return Folded(x) == Folded(y);
           });
}

bool Same(std::u16string_view a, std::u16string_view b)
{
    return a == b;
}

}  // namespace

TEST(StyleName, TheFirstMatchingNameWins)
{
    const std::vector<std::u16string_view> names = {u"Windows", u"smokey quartz kamri", u"Smokey Quartz Kamri"};
    EXPECT_EQ(core::FindStyleName(u"Smokey Quartz Kamri", names, SameIgnoringCase), 1u);
    EXPECT_EQ(core::FindStyleName(u"SMOKEY QUARTZ KAMRI", names, SameIgnoringCase), 1u);
    EXPECT_EQ(core::FindStyleName(u"Smokey Quartz Kamri", names, Same), 2u);
    EXPECT_EQ(core::FindStyleName(u"windows", names, SameIgnoringCase), 0u);
}

TEST(StyleName, NoMatchIsNothing)
{
    const std::vector<std::u16string_view> names = {u"Smokey Quartz Kamri"};
    EXPECT_EQ(core::FindStyleName(u"Smokey Quartz", names, SameIgnoringCase), std::nullopt);
    EXPECT_EQ(core::FindStyleName(u"Smokey Quartz Kamri", {}, SameIgnoringCase), std::nullopt);
    // The resource is called SMOKEYQUARTZKAMRI, but only the style's own name counts.
    EXPECT_EQ(core::FindStyleName(u"SMOKEYQUARTZKAMRI", names, SameIgnoringCase), std::nullopt);
}

TEST(StyleName, NotFoundTextCarriesTheRequestedName)
{
    EXPECT_EQ(core::StyleNotFoundText(u"Smokey Quartz Kamri"), u"Style 'Smokey Quartz Kamri' not found");
    EXPECT_EQ(core::StyleNotFoundText(u"%s"), u"Style '%s' not found");
}
