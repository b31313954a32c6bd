// The writer of the compiled style, for the style compiler and the tests;
// the executable only reads styles, and so carries no deflate code.
#include "core/style_format.h"

#include "core/error.h"

#include <algorithm>
#include <zlib.h>

namespace core {
namespace {

// The inflated layout is described in style_format.cpp.
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

    // Sized once and filled in place: GCC 12 misreads growth by insert as an overflow.
    std::vector<std::uint8_t> file(kStyleMagic.size() + kStyleVersion.size() + 1 + packedSize);
    auto out = std::copy(kStyleMagic.begin(), kStyleMagic.end(), file.begin());
    out = std::copy(kStyleVersion.begin(), kStyleVersion.end(), out);
    *out++ = '\n';
    std::copy(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize), out);
    return file;
}

}  // namespace core
