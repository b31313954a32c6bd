#include "core/style_format.h"

#include "core/error.h"
#include "core/text.h"

#include <zlib.h>

#include <climits>
#include <string>

// What the zlib stream inflates to, little-endian throughout:
//   u8 name length (code units), the name in UTF-16
//   u16 entry count, then each entry:
//     u8 key length, the key in ASCII, u8 kind (StyleKind), then by kind
//       colour:   u8 red, green, blue
//       metric:   u16 value
//       gradient: colour start, colour end, u8 direction (GradientDirection)
//       font:     u8 face length (code units), the face in UTF-16, u16 height, u16 weight
// and nothing after the last entry.

namespace core {
namespace {

constexpr std::size_t kMaxVersionLength = 15;

std::u16string Number(std::size_t value)
{
    return FromAscii(std::to_string(value));
}

Error Damaged(std::u16string_view what)
{
    return Error(Format(u"Damaged style data: %s", {what}));
}

class Writer {
public:
    void Byte(unsigned value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void Word(unsigned value)
    {
        Byte(value & 0xFFu);
        Byte(value >> 8);
    }
    void ShortText(std::u16string_view text)
    {
        Byte(static_cast<unsigned>(text.size()));
        for (char16_t c : text) Word(c);
    }
    void Rgb(Colour colour)
    {
        Byte(colour.red);
        Byte(colour.green);
        Byte(colour.blue);
    }
    void Value(const StyleValue& value)
    {
        Byte(static_cast<unsigned>(value.index()));
        if (const auto* colour = std::get_if<Colour>(&value)) Rgb(*colour);
        if (const auto* metric = std::get_if<int>(&value)) Word(static_cast<unsigned>(*metric));
        if (const auto* gradient = std::get_if<Gradient>(&value)) {
            Rgb(gradient->start);
            Rgb(gradient->end);
            Byte(static_cast<unsigned>(gradient->direction));
        }
        if (const auto* font = std::get_if<StyleFont>(&value)) {
            ShortText(font->face);
            Word(static_cast<unsigned>(font->height));
            Word(static_cast<unsigned>(font->weight));
        }
    }
    const std::vector<std::uint8_t>& Bytes() const noexcept { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads the inflated data; every read names the part it is in when the data ends early.
class Reader {
public:
    explicit Reader(const std::vector<std::uint8_t>& bytes) : next_(bytes.data()), left_(bytes.size()) {}

    void Enter(std::u16string part) { part_ = std::move(part); }
    std::size_t Left() const noexcept { return left_; }

    unsigned Byte() { return *Take(1); }
    unsigned Word()
    {
        const std::uint8_t* p = Take(2);
        return p[0] | (p[1] << 8);
    }
    std::u16string ShortText()
    {
        const unsigned length = Byte();
        std::u16string text;
        for (unsigned i = 0; i < length; ++i) text.push_back(static_cast<char16_t>(Word()));
        return text;
    }
    Colour Rgb()
    {
        const std::uint8_t* p = Take(3);
        return {p[0], p[1], p[2]};
    }
    // Keys are what StyleKeys() spells them with: lower-case letters, digits, '.' and '-'.
    std::string Key()
    {
        const unsigned length = Byte();
        if (length == 0 || length > kMaxStyleKeyLength) throw Damaged(part_ + u" has no valid key");
        const std::uint8_t* p = Take(length);
        std::string key(p, p + length);
        for (char c : key) {
            if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '-'))
                throw Damaged(part_ + u" has no valid key");
        }
        return key;
    }
    StyleValue Value()
    {
        const unsigned kind = Byte();
        switch (static_cast<StyleKind>(kind)) {
        case StyleKind::Colour: return Rgb();
        case StyleKind::Metric: return static_cast<int>(Word());
        case StyleKind::Gradient: {
            Gradient gradient{Rgb(), Rgb()};
            const unsigned direction = Byte();
            if (direction > static_cast<unsigned>(GradientDirection::Horizontal))
                throw Damaged(Format(u"%s has the unknown gradient direction %s", {part_, Number(direction)}));
            gradient.direction = static_cast<GradientDirection>(direction);
            return gradient;
        }
        case StyleKind::Font: {
            StyleFont font;
            font.face = ShortText();
            font.height = static_cast<int>(Word());
            font.weight = static_cast<int>(Word());
            return font;
        }
        }
        throw Damaged(Format(u"%s has the unknown kind %s", {part_, Number(kind)}));
    }

private:
    const std::uint8_t* Take(std::size_t count)
    {
        if (count > left_) throw Damaged(u"it ends inside " + part_);
        const std::uint8_t* p = next_;
        next_ += count;
        left_ -= count;
        return p;
    }

    const std::uint8_t* next_;
    std::size_t left_;
    std::u16string part_;
};

// Where the zlib stream starts.
std::size_t ReadHeader(std::string_view data)
{
    if (data.substr(0, kStyleMagic.size()) != kStyleMagic)
        throw Error(u"Not a Lumaric style: the data does not begin with \"LUMARIC-STYLE \"");
    const std::string_view rest = data.substr(kStyleMagic.size());
    const std::size_t end = rest.substr(0, kMaxVersionLength + 1).find('\n');
    if (end == std::string_view::npos)
        throw Error(u"Damaged style header: the first line does not end after the version");
    const std::string_view version = rest.substr(0, end);
    if (version.empty() || version.find_first_not_of("0123456789.") != std::string_view::npos)
        throw Error(u"Damaged style header: the version is not written like 2.0");
    if (version != kStyleVersion)
        throw Error(Format(u"Style format version %s is not supported; this program reads version %s",
                           {FromAscii(version), FromAscii(kStyleVersion)}));
    return kStyleMagic.size() + end + 1;
}

class Inflater {
public:
    Inflater()
    {
        if (inflateInit(&stream_) != Z_OK) throw Error(u"zlib cannot start inflating the style data");
    }
    ~Inflater() { inflateEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // The whole stream, which must end exactly where the data does.
    std::vector<std::uint8_t> InflateAll(const std::uint8_t* data, std::size_t size)
    {
        if (size > UINT_MAX) throw Damaged(u"the zlib stream is too long");
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        std::vector<std::uint8_t> out;
        std::uint8_t chunk[4096];
        for (;;) {
            stream_.next_out = chunk;
            stream_.avail_out = sizeof chunk;
            const int result = inflate(&stream_, Z_NO_FLUSH);
            const std::size_t produced = sizeof chunk - stream_.avail_out;
            if (out.size() + produced > kMaxInflatedStyleSize)
                throw Damaged(Format(u"it inflates to more than %s bytes", {Number(kMaxInflatedStyleSize)}));
            out.insert(out.end(), chunk, chunk + produced);
            if (result == Z_STREAM_END) break;
            if (result == Z_MEM_ERROR) throw Error(u"Not enough memory to inflate the style data");
            // With room left for output, a stall means the input has run out.
            if (result == Z_BUF_ERROR || (result == Z_OK && stream_.avail_in == 0 && stream_.avail_out != 0))
                throw Damaged(u"the zlib stream is truncated");
            if (result != Z_OK)
                throw Damaged(stream_.msg ? u"the zlib stream is corrupt (" + FromAscii(stream_.msg) + u")"
                                          : u"the zlib stream is corrupt");
        }
        if (stream_.avail_in != 0) throw Damaged(Format(u"%s bytes follow the zlib stream", {Number(stream_.avail_in)}));
        return out;
    }

private:
    z_stream stream_{};
};

StyleData ReadInner(const std::vector<std::uint8_t>& bytes)
{
    Reader reader(bytes);
    reader.Enter(u"the name");
    std::u16string name = reader.ShortText();
    reader.Enter(u"the entry count");
    const unsigned count = reader.Word();
    StyleEntries entries;
    for (unsigned i = 1; i <= count; ++i) {
        reader.Enter(u"entry " + Number(i));
        std::string key = reader.Key();
        StyleValue value = reader.Value();
        if (!entries.emplace(key, std::move(value)).second)
            throw Damaged(Format(u"the entry '%s' appears twice", {FromAscii(key)}));
    }
    if (reader.Left() != 0) throw Damaged(Format(u"%s bytes follow the last entry", {Number(reader.Left())}));
    return StyleData(std::move(name), std::move(entries));
}

}  // namespace

std::vector<std::uint8_t> WriteStyle(const StyleData& style)
{
    Writer inner;
    inner.ShortText(style.Name());
    inner.Word(static_cast<unsigned>(style.Entries().size()));
    for (const auto& [key, value] : style.Entries()) {
        inner.Byte(static_cast<unsigned>(key.size()));
        for (char c : key) inner.Byte(static_cast<unsigned char>(c));
        inner.Value(value);
    }

    const std::vector<std::uint8_t>& plain = inner.Bytes();
    uLongf packedSize = compressBound(static_cast<uLong>(plain.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress2(packed.data(), &packedSize, plain.data(), static_cast<uLong>(plain.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw Error(u"zlib cannot compress the style data");

    std::vector<std::uint8_t> file(kStyleMagic.begin(), kStyleMagic.end());
    file.insert(file.end(), kStyleVersion.begin(), kStyleVersion.end());
    file.push_back('\n');
    file.insert(file.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
    return file;
}

StyleData ReadStyle(const std::uint8_t* data, std::size_t size)
{
    const std::size_t start = ReadHeader(std::string_view(reinterpret_cast<const char*>(data), size));
    return ReadInner(Inflater().InflateAll(data + start, size - start));
}

}  // namespace core
