// Compiles a style's readable source into the compiled style the executable
// carries, with the checks the program applies when it reads it.
//
//   style_compiler SOURCE.style.txt OUTPUT.style

#include "core/error.h"
#include "core/style_format.h"
#include "core/style_source.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

namespace {

// Messages are UTF-16 inside; the terminal takes UTF-8.
std::string Utf8(const std::u16string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: style_compiler SOURCE.style.txt OUTPUT.style\n";
        return 2;
    }
    const std::string sourcePath = argv[1];
    const std::string outputPath = argv[2];

    std::ifstream source(sourcePath, std::ios::binary);
    if (!source) {
        std::cerr << sourcePath << ": cannot be read\n";
        return 1;
    }
    const std::string text{std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>()};

    std::vector<std::uint8_t> compiled;
    try {
        compiled = core::WriteStyle(core::ParseStyleSource(text));
    } catch (const core::Error& error) {
        std::cerr << sourcePath << ": " << Utf8(error.Message()) << "\n";
        return 1;
    }

    // A half-written file must not pass for a style in the next build.
    std::ofstream output(outputPath, std::ios::binary | std::ios::trunc);
    output.write(reinterpret_cast<const char*>(compiled.data()), static_cast<std::streamsize>(compiled.size()));
    output.close();
    if (!output) {
        std::remove(outputPath.c_str());
        std::cerr << outputPath << ": cannot be written\n";
        return 1;
    }
    return 0;
}
