#include "core/style_source.h"

#include "core/style_format.h"
#include "style_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

using style_samples::ErrorOf;

namespace {

// A complete source: every key with a plain value of its kind, unless given.
std::string CompleteSource(const std::map<std::string, std::string>& given = {}, std::string_view leftOut = "")
{
    std::string text = "name = \"Sample\"\n";
    for (const core::StyleKey& key : core::kStyleKeys) {
        const std::string name(key.name);
        if (name == leftOut) continue;
        const auto value = given.find(name);
        std::string plain;
        switch (key.kind) {
        case core::StyleKind::Colour: plain = "#102030"; break;
        case core::StyleKind::Metric: plain = "5"; break;
        case core::StyleKind::Gradient: plain = "#102030 #405060 vertical"; break;
        case core::StyleKind::Font: plain = "\"Tahoma\" 12 700"; break;
        }
        text += name + " = " + (value == given.end() ? plain : value->second) + "\n";
    }
    return text;
}

// The first line of the source, then a complete source without that key.
std::u16string FirstLineError(const std::string& line, std::string_view key = "")
{
    return ErrorOf([&] { core::ParseStyleSource(line + "\n" + CompleteSource({}, key)); });
}

double Luminance(core::Colour c)
{
    const auto channel = [](std::uint8_t value) {
        const double v = value / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red) + 0.7152 * channel(c.green) + 0.0722 * channel(c.blue);
}

// The contrast ratio of the Web Content Accessibility Guidelines.
double Contrast(core::Colour a, core::Colour b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(StyleSource, ReadsEveryKindOfValue)
{
    const core::StyleData style = core::ParseStyleSource(CompleteSource({
        {"window.text", "#FfEe00"},
        {"tab.height", "20"},
        {"tab.normal.background", "#A1b2C3 #000001 horizontal"},
        {"title.font", "\"宋体 Light\" 13 400"},
    }));
    EXPECT_EQ(style.Name(), u"Sample");
    EXPECT_EQ(style.ColourOf(core::ColourKey("window.text")), (core::Colour{0xFF, 0xEE, 0x00}));
    EXPECT_EQ(style.MetricOf(core::MetricKey("tab.height")), 20);
    EXPECT_EQ(style.GradientOf(core::GradientKey("tab.normal.background")),
              (core::Gradient{{0xA1, 0xB2, 0xC3}, {0, 0, 1}, core::GradientDirection::Horizontal}));
    EXPECT_EQ(style.GradientOf(core::GradientKey("tab.hot.background")).direction, core::GradientDirection::Vertical);
    EXPECT_EQ(style.FontOf(core::FontKey("title.font")), (core::StyleFont{u"宋体 Light", 13, 400}));
    const core::StyleData emoji =
        core::ParseStyleSource(CompleteSource({{"title.font", "\"\xF0\x9F\x98\x80\" 12 400"}}));
    EXPECT_EQ(emoji.FontOf(core::FontKey("title.font")).face, u"\U0001F600");
}

TEST(StyleSource, IgnoresCommentsBlanksLineEndsAndAByteOrderMark)
{
    std::string text = "\xEF\xBB\xBF# comment\r\n\r\n  \t# indented comment\n\tname=\"Sample\"  \r\n";
    const std::string rest = CompleteSource();
    text += rest.substr(rest.find('\n') + 1);
    text.pop_back();  // no line break after the last entry
    EXPECT_EQ(core::ParseStyleSource(text).Name(), u"Sample");
}

TEST(StyleSource, NamesTheLineOfASyntaxError)
{
    EXPECT_EQ(FirstLineError("tab.height 20", "tab.height"), u"Line 1: '=' is missing: entries are written key = value");
    EXPECT_EQ(FirstLineError("Tab.Height = 20"), u"Line 1: 'Tab.Height' is not a key: keys are lower-case letters, digits, '.' and '-'");
    EXPECT_EQ(FirstLineError(" = 20"), u"Line 1: '' is not a key: keys are lower-case letters, digits, '.' and '-'");
    EXPECT_EQ(FirstLineError("tab.height =", "tab.height"), u"Line 1: the value is missing after '='");
    EXPECT_EQ(FirstLineError("tab.height = 30px", "tab.height"), u"Line 1: '30px' is not a whole number");
    EXPECT_EQ(FirstLineError("tab.height = 99999999999", "tab.height"), u"Line 1: '99999999999' is too large");
    EXPECT_EQ(FirstLineError("tab.height = 2 0", "tab.height"), u"Line 1: a metric is one whole number");
    EXPECT_EQ(FirstLineError("window.text = #12345", "window.text"),
              u"Line 1: '#12345' is not a colour: colours are written #RRGGBB");
    EXPECT_EQ(FirstLineError("window.text = #GG0000", "window.text"),
              u"Line 1: '#GG0000' is not a colour: colours are written #RRGGBB");
    EXPECT_EQ(FirstLineError("tab.hot.background = #000000 #FFFFFF", "tab.hot.background"),
              u"Line 1: a gradient is written #RRGGBB #RRGGBB vertical|horizontal");
    EXPECT_EQ(FirstLineError("tab.hot.background = #000000 #FFFFFF diagonal", "tab.hot.background"),
              u"Line 1: 'diagonal' is not a direction: a gradient runs vertical or horizontal");
    EXPECT_EQ(FirstLineError("title.font = \"Tahoma\" 12", "title.font"), u"Line 1: a font is written \"face\" height weight");
    EXPECT_EQ(FirstLineError("title.font = \"Tahoma 12 400", "title.font"), u"Line 1: the text in quotes is not closed");
    EXPECT_EQ(FirstLineError("title.font = \"\xC0\xAF\" 12 400", "title.font"), u"Line 1: the text in quotes is not valid UTF-8");
    EXPECT_EQ(FirstLineError("title.font = \"\xED\xA0\x80\" 12 400", "title.font"), u"Line 1: the text in quotes is not valid UTF-8");
    EXPECT_EQ(FirstLineError("title.font = \"\xE5\xAE\" 12 400", "title.font"), u"Line 1: the text in quotes is not valid UTF-8");
    EXPECT_EQ(FirstLineError("# comment\n\ntab.height = x", "tab.height"), u"Line 3: 'x' is not a whole number");
}

TEST(StyleSource, NamesTheLineOfAnEntryTheStyleRefuses)
{
    EXPECT_EQ(FirstLineError("tab.heigth = 20"), u"Line 1: 'tab.heigth' is not an entry of a style");
    EXPECT_EQ(FirstLineError("tab.height = #000000", "tab.height"), u"Line 1: 'tab.height' must be a metric, not a colour");
    EXPECT_EQ(FirstLineError("tab.height = 1001", "tab.height"),
              u"Line 1: 'tab.height': the metric 1001 is out of range (0 to 1000)");
    EXPECT_EQ(FirstLineError("title.font = \"\" 12 400", "title.font"), u"Line 1: The font face of 'title.font' is empty");
    EXPECT_EQ(FirstLineError("tab.height = 20\ntab.height = 21", "tab.height"),
              u"Line 2: 'tab.height' is given already on line 1");
}

TEST(StyleSource, NeedsOneNameAndEveryEntry)
{
    const std::string complete = CompleteSource();
    const std::string nameless = complete.substr(complete.find('\n') + 1);
    EXPECT_EQ(ErrorOf([&] { core::ParseStyleSource(nameless); }), u"The style source has no name = \"...\" line");
    EXPECT_EQ(ErrorOf([&] { core::ParseStyleSource("name = Sample\n" + nameless); }), u"Line 1: 'Sample' is not a text in quotes");
    EXPECT_EQ(ErrorOf([&] { core::ParseStyleSource("name = \"A\" \"B\"\n" + nameless); }), u"Line 1: the name is one text in quotes");
    EXPECT_EQ(ErrorOf([&] { core::ParseStyleSource("name = \"\"\n" + nameless); }), u"Line 1: The style's name is empty");
    EXPECT_EQ(ErrorOf([&] { core::ParseStyleSource("name = \"Other\"\n" + complete); }),
              u"Line 2: 'name' is given already on line 1");
    EXPECT_EQ(ErrorOf([] { core::ParseStyleSource(CompleteSource({}, "menu.hot.text")); }),
              u"The style lacks the entry 'menu.hot.text'");
    EXPECT_EQ(ErrorOf([] { core::ParseStyleSource(""); }), u"The style source has no name = \"...\" line");
}

TEST(ShippedStyle, CompilesUnderItsOwnName)
{
    const core::StyleData style = core::ParseStyleSource(style_samples::ShippedStyleSource());
    EXPECT_EQ(style.Name(), u"Smokey Quartz Kamri");
    EXPECT_EQ(style.Entries().size(), std::size(core::kStyleKeys));
    const std::vector<std::uint8_t> compiled = core::WriteStyle(style);
    EXPECT_EQ(core::ReadStyle(compiled.data(), compiled.size()).Entries(), style.Entries());
}

TEST(ShippedStyle, FrameKeepsTheLaidOutOuterSize)
{
    const core::StyleData style = core::ParseStyleSource(style_samples::ShippedStyleSource());
    const int border = style.MetricOf(core::MetricKey("frame.border-width"));
    const int width = 347 + 2 * border;
    const int height = 250 + 2 * border + style.MetricOf(core::MetricKey("title.height"));
    EXPECT_TRUE(width >= 353 && width <= 355) << width;
    EXPECT_TRUE(height >= 277 && height <= 279) << height;
    EXPECT_LE(style.MetricOf(core::MetricKey("closebox.height")), style.MetricOf(core::MetricKey("title.height")));
    EXPECT_LE(style.MetricOf(core::MetricKey("sysmenu.icon-size")), style.MetricOf(core::MetricKey("title.height")));
}

TEST(ShippedStyle, TextHasAtLeastAaContrastOnItsBackground)
{
    const core::StyleData style = core::ParseStyleSource(style_samples::ShippedStyleSource());
    const auto backgroundColours = [&style](const std::string& key) {
        if (core::IsKnownStyleKey(key, core::StyleKind::Gradient)) {
            const core::Gradient& gradient = style.GradientOf(core::GradientKey(key));
            return std::vector<core::Colour>{gradient.start, gradient.end};
        }
        return std::vector<core::Colour>{style.ColourOf(core::ColourKey(key))};
    };
    const std::pair<const char*, const char*> pairs[] = {
        {"window.text", "window.background"},
        {"label.normal.text", "group.background"},
        {"label.link.text", "group.background"},
        {"label.link-hot.text", "group.background"},
        {"title.active.text", "title.active.background"},
        {"title.inactive.text", "title.inactive.background"},
        {"tab.normal.text", "tab.normal.background"},
        {"tab.hot.text", "tab.hot.background"},
        {"tab.selected.text", "tab.selected.background"},
        {"button.normal.text", "button.normal.background"},
        {"button.hot.text", "button.hot.background"},
        {"button.pressed.text", "button.pressed.background"},
        {"button.focused.text", "button.focused.background"},
        {"button.default.text", "button.default.background"},
        {"combo.edit.text", "combo.edit.background"},
        {"combo.edit.selection-text", "combo.edit.selection"},
        {"combo.list.text", "combo.list.background"},
        {"combo.list.selection-text", "combo.list.selection"},
        {"edit.text", "edit.background"},
        {"edit.selection-text", "edit.selection"},
        {"statusbar.text", "statusbar.background"},
        {"menu.text", "menu.background"},
        {"menu.hot.text", "menu.hot.background"},
        {"msgbox.text", "msgbox.background"},
    };
    for (const auto& [text, background] : pairs) {
        for (core::Colour behind : backgroundColours(background))
            EXPECT_GE(Contrast(style.ColourOf(core::ColourKey(text)), behind), 4.5) << text << " on " << background;
    }
}
