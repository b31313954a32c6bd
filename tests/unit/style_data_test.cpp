#include "core/style_data.h"

#include "style_samples.h"

#include <gtest/gtest.h>

#include <set>

using style_samples::ErrorOf;
using style_samples::SampleEntries;

namespace {

core::StyleData WithEntry(const std::string& key, core::StyleValue value)
{
    core::StyleEntries entries = SampleEntries();
    entries[key] = std::move(value);
    return core::StyleData(u"Sample", std::move(entries));
}

}  // namespace

TEST(StyleData, KeysAreUniqueAndWrittenAsTheReadersAcceptThem)
{
    std::set<std::string_view> seen;
    for (const core::StyleKey& key : core::kStyleKeys) {
        EXPECT_TRUE(seen.insert(key.name).second) << key.name;
        EXPECT_LE(key.name.size(), core::kMaxStyleKeyLength);
        EXPECT_EQ(key.name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789.-"), std::string_view::npos)
            << key.name;
    }
}

TEST(StyleData, LooksUpEachEntryByItsKind)
{
    const core::StyleEntries entries = SampleEntries();
    const core::StyleData style(u"Sample", entries);
    EXPECT_EQ(style.Name(), u"Sample");
    for (const core::StyleKey& key : core::kStyleKeys) {
        const core::StyleValue& expected = entries.at(std::string(key.name));
        switch (key.kind) {
        case core::StyleKind::Colour:
            EXPECT_EQ(core::StyleValue(style.ColourOf(core::ColourKey(key.name))), expected);
            break;
        case core::StyleKind::Metric:
            EXPECT_EQ(core::StyleValue(style.MetricOf(core::MetricKey(key.name))), expected);
            break;
        case core::StyleKind::Gradient:
            EXPECT_EQ(core::StyleValue(style.GradientOf(core::GradientKey(key.name))), expected);
            break;
        case core::StyleKind::Font:
            EXPECT_EQ(core::StyleValue(style.FontOf(core::FontKey(key.name))), expected);
            break;
        }
    }
}

TEST(StyleData, RefusesIncompleteOrUnknownEntries)
{
    core::StyleEntries entries = SampleEntries();
    entries.erase("focus.rectangle");
    EXPECT_EQ(ErrorOf([&] { core::StyleData(u"Sample", entries); }), u"The style lacks the entry 'focus.rectangle'");
    EXPECT_EQ(ErrorOf([] { WithEntry("tab.heigth", 20); }), u"'tab.heigth' is not an entry of a style");
    EXPECT_EQ(ErrorOf([] { WithEntry("tab.height", core::Colour{}); }), u"'tab.height' must be a metric, not a colour");
    EXPECT_EQ(ErrorOf([] { WithEntry("title.font", core::Gradient{}); }), u"'title.font' must be a font, not a gradient");
}

TEST(StyleData, RefusesValuesOutOfRange)
{
    EXPECT_EQ(ErrorOf([] { WithEntry("tab.height", -1); }), u"'tab.height': the metric -1 is out of range (0 to 1000)");
    EXPECT_EQ(ErrorOf([] { WithEntry("tab.height", 1001); }), u"'tab.height': the metric 1001 is out of range (0 to 1000)");
    EXPECT_EQ(ErrorOf([] { WithEntry("tab.height", 1000); }), u"(no error)");
    EXPECT_EQ(ErrorOf([] { WithEntry("title.font", core::StyleFont{u"Tahoma", 0, 400}); }),
              u"'title.font': the font height 0 is out of range (1 to 200)");
    EXPECT_EQ(ErrorOf([] { WithEntry("title.font", core::StyleFont{u"Tahoma", 12, 1001}); }),
              u"'title.font': the font weight 1001 is out of range (1 to 1000)");
    EXPECT_EQ(ErrorOf([] { WithEntry("title.font", core::StyleFont{u"", 12, 400}); }),
              u"The font face of 'title.font' is empty");
    EXPECT_EQ(ErrorOf([] { WithEntry("title.font", core::StyleFont{std::u16string(32, u'a'), 12, 400}); }),
              u"The font face of 'title.font' is longer than 31 characters");
}

TEST(StyleData, NeedsAPrintableName)
{
    EXPECT_EQ(ErrorOf([] { core::StyleData(u"", SampleEntries()); }), u"The style's name is empty");
    EXPECT_EQ(ErrorOf([] { core::StyleData(u"Tab\there", SampleEntries()); }), u"The style's name holds a control character");
    EXPECT_EQ(ErrorOf([] { core::StyleData(std::u16string(256, u'n'), SampleEntries()); }),
              u"The style's name is longer than 255 characters");
    EXPECT_EQ(core::StyleData(std::u16string(255, u'名'), SampleEntries()).Name().size(), 255u);
}
