#include "core/style_format.h"

#include "core/error.h"
#include "core/style_number.h"
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
    return DecimalText(static_cast<long long>(value));
}

Error Damaged(std::u16string_view what)
{
    return Error(Format(u"Damaged style data: %s", {what}));
}

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
    // Keys are what kStyleKeys spells them with: lower-case letters, digits, '.' and '-'.
    // The key stays valid as long as the inflated data.
    std::string_view Key()
    {
        const unsigned length = Byte();
        if (length == 0 || length > kMaxStyleKeyLength) throw Damaged(part_ + u" has no valid key");
        const std::string_view key(reinterpret_cast<const char*>(Take(length)), length);
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

// The zlib wrapper (RFC 1950) is read here and only the deflate data in it
// by zlib's inflateBack, which takes a little over half the code of
// inflate and none of its gzip support.
class Inflater {
public:
    Inflater() : window_(32768)
    {
        if (inflateBackInit(&stream_, 15, window_.data()) != Z_OK)
            throw Error(u"zlib cannot start inflating the style data");
    }
    ~Inflater() { inflateBackEnd(&stream_); }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    // The whole stream, which must end exactly where the data does.
    std::vector<std::uint8_t> InflateAll(const std::uint8_t* data, std::size_t size)
    {
        if (size > UINT_MAX) throw Damaged(u"the zlib stream is too long");
        CheckHeader(data, size);
        Input input{data + kHeaderSize, static_cast<unsigned>(size - kHeaderSize)};
        Output output;
        stream_.next_in = nullptr;
        stream_.avail_in = 0;
        const int result = inflateBack(&stream_, &Input::Give, &input, &Output::Take, &output);
        if (output.tooLong)
            throw Damaged(Format(u"it inflates to more than %s bytes", {Number(kMaxInflatedStyleSize)}));
        if (result == Z_MEM_ERROR) throw Error(u"Not enough memory to inflate the style data");
        if (result == Z_BUF_ERROR) throw Damaged(u"the zlib stream is truncated");
        if (result != Z_STREAM_END) throw Corrupt(stream_.msg);
        // What inflateBack left unread, then the Adler-32 of the data, most significant byte first.
        const std::uint8_t* rest = stream_.next_in ? stream_.next_in : input.next;
        std::size_t left = stream_.next_in ? stream_.avail_in : input.left;
        if (left < 4) throw Damaged(u"the zlib stream is truncated");
        const uLong check = (uLong{rest[0]} << 24) | (uLong{rest[1]} << 16) | (uLong{rest[2]} << 8) | rest[3];
        if (check != adler32(adler32(0, Z_NULL, 0), output.bytes.data(), static_cast<uInt>(output.bytes.size())))
            throw Corrupt("incorrect data check");
        left -= 4;
        if (left != 0) throw Damaged(Format(u"%s bytes follow the zlib stream", {Number(left)}));
        return std::move(output.bytes);
    }

private:
    static constexpr std::size_t kHeaderSize = 2;

    struct Input {
        const std::uint8_t* next;
        unsigned left;
        // All that is left, at once; nothing once it is given.
        static unsigned Give(void* self, z_const unsigned char** buffer)
        {
            auto& input = *static_cast<Input*>(self);
            *buffer = const_cast<unsigned char*>(input.next);
            const unsigned given = input.left;
            input.next += given;
            input.left = 0;
            return given;
        }
    };

    struct Output {
        std::vector<std::uint8_t> bytes;
        bool tooLong = false;
        static int Take(void* self, unsigned char* buffer, unsigned length)
        {
            auto& output = *static_cast<Output*>(self);
            if (output.bytes.size() + length > kMaxInflatedStyleSize) {
                output.tooLong = true;
                return 1;
            }
            output.bytes.insert(output.bytes.end(), buffer, buffer + length);
            return 0;
        }
    };

    static Error Corrupt(const char* reason)
    {
        return Damaged(reason ? u"the zlib stream is corrupt (" + FromAscii(reason) + u")"
                              : u"the zlib stream is corrupt");
    }

    // Deflate with a window of at most 32 KB, no preset dictionary, and the
    // check that makes the two bytes a multiple of 31.
    static void CheckHeader(const std::uint8_t* data, std::size_t size)
    {
        if (size < kHeaderSize) throw Damaged(u"the zlib stream is truncated");
        if ((data[0] * 256u + data[1]) % 31 != 0) throw Corrupt("incorrect header check");
        if ((data[0] & 0x0F) != Z_DEFLATED) throw Corrupt("unknown compression method");
        if ((data[0] >> 4) > 7) throw Corrupt("invalid window size");
        if (data[1] & 0x20) throw Corrupt("a preset dictionary is needed");
    }

    z_stream stream_{};
    std::vector<unsigned char> window_;
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
        const std::string_view key = reader.Key();
        StyleValue value = reader.Value();
        if (!entries.emplace(key, std::move(value)).second)
            throw Damaged(Format(u"the entry '%s' appears twice", {FromAscii(key)}));
    }
    if (reader.Left() != 0) throw Damaged(Format(u"%s bytes follow the last entry", {Number(reader.Left())}));
    return StyleData(std::move(name), std::move(entries));
}

}  // namespace

StyleData ReadStyle(const std::uint8_t* data, std::size_t size)
{
    const std::size_t start = ReadHeader(std::string_view(reinterpret_cast<const char*>(data), size));
    return ReadInner(Inflater().InflateAll(data + start, size - start));
}

}  // namespace core
