#include "core/style_format.h"

#include "core/text.h"

#include "style_samples.h"

#include <gtest/gtest.h>
#include <zlib.h>

using style_samples::ErrorOf;
using style_samples::SampleEntries;

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::string kHeader = "LUMARIC-STYLE 2.0\n";

// The inflated layout written out by hand, apart from the program's writer.
class Inner {
public:
    Inner& Byte(unsigned value)
    {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        return *this;
    }
    Inner& Word(unsigned value) { return Byte(value & 0xFF).Byte(value >> 8); }
    Inner& Text(std::u16string_view text)
    {
        Byte(static_cast<unsigned>(text.size()));
        for (char16_t c : text) Word(c);
        return *this;
    }
    Inner& Key(std::string_view key)
    {
        Byte(static_cast<unsigned>(key.size()));
        for (char c : key) Byte(static_cast<unsigned char>(c));
        return *this;
    }
    Inner& Rgb(core::Colour c) { return Byte(c.red).Byte(c.green).Byte(c.blue); }
    Inner& Entry(std::string_view key, const core::StyleValue& value)
    {
        Key(key).Byte(static_cast<unsigned>(value.index()));
        if (auto* colour = std::get_if<core::Colour>(&value)) Rgb(*colour);
        if (auto* metric = std::get_if<int>(&value)) Word(static_cast<unsigned>(*metric));
        if (auto* g = std::get_if<core::Gradient>(&value)) Rgb(g->start).Rgb(g->end).Byte(static_cast<unsigned>(g->direction));
        if (auto* font = std::get_if<core::StyleFont>(&value))
            Text(font->face).Word(static_cast<unsigned>(font->height)).Word(static_cast<unsigned>(font->weight));
        return *this;
    }
    const Bytes& Get() const { return bytes_; }

private:
    Bytes bytes_;
};

// Every sample entry but the one left out, after the name.
Inner Complete(std::u16string_view name = u"Sample", std::string_view leftOut = "")
{
    const core::StyleEntries entries = SampleEntries();
    Inner inner;
    inner.Text(name).Word(static_cast<unsigned>(entries.size() - (leftOut.empty() ? 0 : 1)));
    for (const auto& [key, value] : entries) {
        if (key != leftOut) inner.Entry(key, value);
    }
    return inner;
}

Bytes Deflate(const Bytes& plain)
{
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    Bytes packed(size);
    EXPECT_EQ(compress(packed.data(), &size, plain.data(), static_cast<uLong>(plain.size())), Z_OK);
    packed.resize(size);
    return packed;
}

Bytes Pack(const Bytes& inner, const std::string& header = kHeader)
{
    Bytes file(header.begin(), header.end());
    const Bytes packed = Deflate(inner);
    file.insert(file.end(), packed.begin(), packed.end());
    return file;
}

Bytes FromText(std::string_view text)
{
    return Bytes(text.begin(), text.end());
}

core::StyleData Read(const Bytes& bytes)
{
    return core::ReadStyle(bytes.data(), bytes.size());
}

std::u16string ReadError(const Bytes& bytes)
{
    return ErrorOf([&] { Read(bytes); });
}

}  // namespace

TEST(StyleFormat, WritesTheHeaderThenOneZlibStream)
{
    const core::StyleData style(u"Smokey Quartz Kamri", SampleEntries());
    const Bytes file = core::WriteStyle(style);
    ASSERT_GT(file.size(), kHeader.size());
    EXPECT_EQ(std::string(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(kHeader.size())), kHeader);

    Bytes plain(core::kMaxInflatedStyleSize);
    uLongf plainSize = static_cast<uLongf>(plain.size());
    EXPECT_EQ(uncompress(plain.data(), &plainSize, file.data() + kHeader.size(),
                         static_cast<uLong>(file.size() - kHeader.size())),
              Z_OK);
    plain.resize(plainSize);
    EXPECT_EQ(Read(Pack(plain)).Name(), u"Smokey Quartz Kamri");
}

TEST(StyleFormat, ReadsBackWhatItWritesAndTheLayoutByHand)
{
    const core::StyleData style(u"Smokey Quartz Kamri", SampleEntries());
    for (const Bytes& file : {core::WriteStyle(style), Pack(Complete(u"Smokey Quartz Kamri").Get())}) {
        const core::StyleData read = Read(file);
        EXPECT_EQ(read.Name(), u"Smokey Quartz Kamri");
        EXPECT_EQ(read.Entries(), style.Entries());
    }
}

TEST(StyleFormat, RefusesAWrongHeaderOrVersion)
{
    const Bytes body = Deflate(Complete().Get());
    const auto withHeader = [&body](std::string_view header) {
        Bytes file = FromText(header);
        file.insert(file.end(), body.begin(), body.end());
        return file;
    };
    const std::u16string notAStyle = u"Not a Lumaric style: the data does not begin with \"LUMARIC-STYLE \"";
    EXPECT_EQ(ErrorOf([] { core::ReadStyle(nullptr, 0); }), notAStyle);
    EXPECT_EQ(ReadError(FromText("LUMARIC-STYL")), notAStyle);
    EXPECT_EQ(ReadError(withHeader("lumaric-style 2.0\n")), notAStyle);
    EXPECT_EQ(ReadError(body), notAStyle);

    const std::u16string unterminated = u"Damaged style header: the first line does not end after the version";
    EXPECT_EQ(ReadError(FromText("LUMARIC-STYLE 2.0")), unterminated);
    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE 2.0.0.0.0.0.0.0.0\n")), unterminated);
    const std::u16string badVersion = u"Damaged style header: the version is not written like 2.0";
    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE \n")), badVersion);
    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE 2.0\r\n")), badVersion);
    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE v2\n")), badVersion);

    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE 1.0\n")),
              u"Style format version 1.0 is not supported; this program reads version 2.0");
    EXPECT_EQ(ReadError(withHeader("LUMARIC-STYLE 2.01\n")),
              u"Style format version 2.01 is not supported; this program reads version 2.0");
    EXPECT_EQ(Read(withHeader(kHeader)).Name(), u"Sample");
}

TEST(StyleFormat, RefusesATruncatedDamagedOrOverlongZlibStream)
{
    const Bytes file = Pack(Complete().Get());
    const std::u16string truncated = u"Damaged style data: the zlib stream is truncated";
    for (std::size_t size = kHeader.size(); size < file.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_EQ(ReadError(Bytes(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(size))), truncated);
    }

    Bytes badCheck = file;
    badCheck[kHeader.size()] ^= 0x01;
    EXPECT_EQ(ReadError(badCheck), u"Damaged style data: the zlib stream is corrupt (incorrect header check)");
    Bytes badSum = file;
    badSum.back() ^= 0x01;
    EXPECT_EQ(ReadError(badSum), u"Damaged style data: the zlib stream is corrupt (incorrect data check)");
    // A flipped bit anywhere in the stream is refused, or (in the padding
    // after the last code, which inflate skips) changes nothing.
    const core::StyleEntries original = Read(file).Entries();
    for (std::size_t i = kHeader.size(); i < file.size(); ++i) {
        for (std::uint8_t bit = 1; bit != 0; bit = static_cast<std::uint8_t>(bit << 1)) {
            Bytes damaged = file;
            damaged[i] ^= bit;
            if (ReadError(damaged) == u"(no error)") {
                EXPECT_EQ(Read(damaged).Entries(), original) << "byte " << i;
            }
        }
    }

    Bytes trailing = file;
    trailing.insert(trailing.end(), {'x', 'y', 'z'});
    EXPECT_EQ(ReadError(trailing), u"Damaged style data: 3 bytes follow the zlib stream");
    Bytes twice = file;
    twice.insert(twice.end(), file.begin() + static_cast<std::ptrdiff_t>(kHeader.size()), file.end());
    EXPECT_EQ(ReadError(twice), u"Damaged style data: " + core::FromAscii(std::to_string(file.size() - kHeader.size())) +
                                    u" bytes follow the zlib stream");

    EXPECT_EQ(ReadError(Pack(Bytes(core::kMaxInflatedStyleSize + 1, 0))),
              u"Damaged style data: it inflates to more than 1048576 bytes");
}

TEST(StyleFormat, RefusesMalformedEntries)
{
    EXPECT_EQ(ReadError(Pack({})), u"Damaged style data: it ends inside the name");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Get())), u"Damaged style data: it ends inside the entry count");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(1).Get())), u"Damaged style data: it ends inside entry 1");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(1).Key("tab.height").Byte(1).Byte(20).Get())),
              u"Damaged style data: it ends inside entry 1");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(2).Key("tab.height").Byte(1).Word(20).Key("").Get())),
              u"Damaged style data: entry 2 has no valid key");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(1).Key("Tab.height").Byte(1).Word(20).Get())),
              u"Damaged style data: entry 1 has no valid key");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(1).Key("tab.height").Byte(9).Get())),
              u"Damaged style data: entry 1 has the unknown kind 9");
    EXPECT_EQ(ReadError(Pack(Inner().Text(u"Sample").Word(1).Key("tab.normal.background").Byte(2)
                                 .Rgb({}).Rgb({}).Byte(2).Get())),
              u"Damaged style data: entry 1 has the unknown gradient direction 2");

    Inner twice = Inner().Text(u"Sample").Word(2);
    twice.Entry("tab.height", 20).Entry("tab.height", 20);
    EXPECT_EQ(ReadError(Pack(twice.Get())), u"Damaged style data: the entry 'tab.height' appears twice");

    Inner extra = Complete();
    extra.Byte(0).Byte(0);
    EXPECT_EQ(ReadError(Pack(extra.Get())), u"Damaged style data: 2 bytes follow the last entry");
}

TEST(StyleFormat, AppliesTheChecksOfAStyle)
{
    EXPECT_EQ(ReadError(Pack(Complete(u"").Get())), u"The style's name is empty");
    EXPECT_EQ(ReadError(Pack(Complete(u"Sample", "focus.rectangle").Get())), u"The style lacks the entry 'focus.rectangle'");
    Inner wrongKind = Inner().Text(u"Sample").Word(1);
    wrongKind.Entry("tab.height", core::Colour{});
    EXPECT_EQ(ReadError(Pack(wrongKind.Get())), u"'tab.height' must be a metric, not a colour");
    Inner tooLarge = Inner().Text(u"Sample").Word(1);
    tooLarge.Entry("tab.height", 65535);
    EXPECT_EQ(ReadError(Pack(tooLarge.Get())), u"'tab.height': the metric 65535 is out of range (0 to 1000)");
    Inner unknown = Inner().Text(u"Sample").Word(1);
    unknown.Entry("tab.heigth", 20);
    EXPECT_EQ(ReadError(Pack(unknown.Get())), u"'tab.heigth' is not an entry of a style");
}
