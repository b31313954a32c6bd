#include "core/typed_style_key.h"

#include "style_samples.h"

#include <gtest/gtest.h>

using style_samples::ErrorOf;

// What the build relies on: a key is known only with the kind of its value.
static_assert(core::IsKnownStyleKey("statusbar.text", core::StyleKind::Colour));
static_assert(core::IsKnownStyleKey("statusbar.background", core::StyleKind::Gradient));
static_assert(core::IsKnownStyleKey("focus.rectangle", core::StyleKind::Colour));  // the last of the list
static_assert(core::IsKnownStyleKey("frame.border-width", core::StyleKind::Metric));  // the first
static_assert(!core::IsKnownStyleKey("statusbar.txet", core::StyleKind::Colour));
static_assert(!core::IsKnownStyleKey("statusbar.background", core::StyleKind::Colour));
static_assert(!core::IsKnownStyleKey("title.font", core::StyleKind::Metric));
// Neither the start of keys nor a key with more after it.
static_assert(!core::IsKnownStyleKey("combo.button", core::StyleKind::Gradient));
static_assert(!core::IsKnownStyleKey("label.link", core::StyleKind::Colour));
static_assert(!core::IsKnownStyleKey("label.link.text.", core::StyleKind::Colour));
static_assert(!core::IsKnownStyleKey("", core::StyleKind::Colour));
static_assert(core::MetricKey("menu.padding").Name() == "menu.padding");

TEST(TypedStyleKey, MadeAtRunTimeAWrongKeyThrowsNamingIt)
{
    EXPECT_EQ(ErrorOf([] { core::ColourKey{std::string_view("tab.height")}; }),
              u"'tab.height' is not a colour of the style");
    EXPECT_EQ(ErrorOf([] { core::MetricKey{std::string_view("no.such-key")}; }),
              u"'no.such-key' is not a metric of the style");
    EXPECT_EQ(ErrorOf([] { core::GradientKey{std::string_view("title.font")}; }),
              u"'title.font' is not a gradient of the style");
    EXPECT_EQ(ErrorOf([] { core::FontKey{std::string_view("window.text")}; }),
              u"'window.text' is not a font of the style");
    EXPECT_EQ(ErrorOf([] { core::ColourKey{std::string_view("window.text")}; }), u"(no error)");
}

TEST(TypedStyleKey, EveryKeyOfTheListIsKnownAsItsOwnKindOnly)
{
    const core::StyleKind kinds[] = {core::StyleKind::Colour, core::StyleKind::Metric, core::StyleKind::Gradient,
                                     core::StyleKind::Font};
    for (const core::StyleKey& key : core::kStyleKeys) {
        for (const core::StyleKind kind : kinds)
            EXPECT_EQ(core::IsKnownStyleKey(key.name, kind), kind == key.kind) << key.name;
    }
}
