#include "core/style_registry.h"

#include "core/style_format.h"
#include "core/style_source.h"

#include "style_samples.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

char16_t Folded(char16_t c)
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Stands in for the locale's comparison ignoring case.
bool SameIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return Folded(x) == Folded(y); });
}

Bytes Compiled(std::u16string name)
{
    return core::WriteStyle(core::StyleData(std::move(name), style_samples::SampleEntries()));
}

core::StyleResource ResourceOf(const Bytes& bytes, std::u16string origin)
{
    return {std::move(origin), bytes.data(), bytes.size()};
}

struct Lookup {
    core::StyleRegistry registry;
    std::vector<core::StyleResource> resources;
    int discoveries = 0;
    std::vector<std::u16string> faults;

    const core::StyleData* Find(std::u16string_view name)
    {
        return registry.Find(
            name, SameIgnoringCase,
            [this] {
                ++discoveries;
                return resources;
            },
            [this](std::u16string_view message) { faults.emplace_back(message); });
    }
};

}  // namespace

TEST(StyleRegistry, FindsAStyleByItsOwnNameIgnoringCase)
{
    const Bytes kamri = Compiled(u"Smokey Quartz Kamri");
    Lookup lookup;
    lookup.resources = {ResourceOf(kamri, u"SMOKEYQUARTZKAMRI")};
    const core::StyleData* style = lookup.Find(u"smokey QUARTZ kamri");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Name(), u"Smokey Quartz Kamri");
    EXPECT_TRUE(lookup.faults.empty());
}

TEST(StyleRegistry, TheResourcesNameCountsForNothing)
{
    const Bytes other = Compiled(u"Amber Glass");
    Lookup lookup;
    lookup.resources = {ResourceOf(other, u"SMOKEYQUARTZKAMRI")};
    EXPECT_EQ(lookup.Find(u"SMOKEYQUARTZKAMRI"), nullptr);
    EXPECT_EQ(lookup.Find(u"Smokey Quartz Kamri"), nullptr);
    ASSERT_NE(lookup.Find(u"amber glass"), nullptr);
}

TEST(StyleRegistry, DiscoversOnceAtTheFirstRequest)
{
    const Bytes kamri = Compiled(u"Smokey Quartz Kamri");
    Lookup lookup;
    lookup.resources = {ResourceOf(kamri, u"SMOKEYQUARTZKAMRI")};
    EXPECT_EQ(lookup.discoveries, 0);
    EXPECT_EQ(lookup.Find(u"Nothing of that name"), nullptr);
    EXPECT_EQ(lookup.discoveries, 1);
    EXPECT_NE(lookup.Find(u"Smokey Quartz Kamri"), nullptr);
    EXPECT_NE(lookup.Find(u"Smokey Quartz Kamri"), nullptr);
    EXPECT_EQ(lookup.discoveries, 1);
}

TEST(StyleRegistry, ALoadedStyleIsFoundAgainAsTheSameObject)
{
    const Bytes kamri = Compiled(u"Smokey Quartz Kamri");
    Lookup lookup;
    lookup.resources = {ResourceOf(kamri, u"A")};
    const core::StyleData* first = lookup.Find(u"Smokey Quartz Kamri");
    EXPECT_EQ(lookup.registry.LoadedCount(), 1u);
    EXPECT_EQ(lookup.registry.RegisteredCount(), 0u);
    EXPECT_EQ(lookup.Find(u"SMOKEY QUARTZ KAMRI"), first);
}

TEST(StyleRegistry, TheFirstOfTwoMatchingStylesWins)
{
    const Bytes upper = Compiled(u"SMOKEY QUARTZ KAMRI");
    const Bytes lower = Compiled(u"smokey quartz kamri");
    Lookup lookup;
    lookup.resources = {ResourceOf(upper, u"FIRST"), ResourceOf(lower, u"SECOND")};
    const core::StyleData* style = lookup.Find(u"Smokey Quartz Kamri");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Name(), u"SMOKEY QUARTZ KAMRI");
}

TEST(StyleRegistry, DamagedDataIsReportedAndNotRegistered)
{
    const Bytes good = Compiled(u"Smokey Quartz Kamri");
    Bytes truncated = Compiled(u"Broken");
    truncated.resize(truncated.size() / 2);
    const Bytes notAStyle = {'M', 'Z', 0x90, 0};
    Lookup lookup;
    lookup.resources = {ResourceOf(truncated, u"BROKEN in Lumaric.exe"), ResourceOf(notAStyle, u"JUNK in x.dll"),
                        ResourceOf(good, u"SMOKEYQUARTZKAMRI in Lumaric.exe")};
    EXPECT_NE(lookup.Find(u"Smokey Quartz Kamri"), nullptr);
    EXPECT_EQ(lookup.Find(u"Broken"), nullptr);
    ASSERT_EQ(lookup.faults.size(), 2u);
    EXPECT_EQ(lookup.faults[0].rfind(u"The style resource BROKEN in Lumaric.exe cannot be read: ", 0), 0u);
    EXPECT_EQ(lookup.faults[1].rfind(u"The style resource JUNK in x.dll cannot be read: ", 0), 0u);
    // Each says what is wrong, not merely that something is.
    const std::u16string prefix = u"The style resource JUNK in x.dll cannot be read: ";
    EXPECT_GT(lookup.faults[1].size(), prefix.size());
    EXPECT_EQ(lookup.registry.LoadedCount() + lookup.registry.RegisteredCount(), 1u);
}

TEST(StyleRegistry, NoResourcesFindNothing)
{
    Lookup lookup;
    EXPECT_EQ(lookup.Find(u"Smokey Quartz Kamri"), nullptr);
    EXPECT_TRUE(lookup.faults.empty());
}

TEST(StyleRegistry, TheShippedStyleIsFoundByTheNameStartUpAsksFor)
{
    const Bytes shipped = core::WriteStyle(core::ParseStyleSource(style_samples::ShippedStyleSource()));
    Lookup lookup;
    lookup.resources = {ResourceOf(shipped, u"SMOKEYQUARTZKAMRI")};
    const core::StyleData* style = lookup.Find(u"Smokey Quartz Kamri");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->Name(), u"Smokey Quartz Kamri");
}
