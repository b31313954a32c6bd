#include "core/long_path.h"

namespace core {
namespace {

constexpr std::u16string_view kLongPrefix = u"\\\\?\\";
constexpr std::u16string_view kLongUncPrefix = u"\\\\?\\UNC\\";

bool StartsWith(std::u16string_view text, std::u16string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

bool IsDriveLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace

std::u16string WithoutLongPathPrefix(std::u16string_view path)
{
    std::u16string usual;
    if (StartsWith(path, kLongUncPrefix)) {
        usual = u"\\\\" + std::u16string(path.substr(kLongUncPrefix.size()));
    } else if (StartsWith(path, kLongPrefix) && path.size() >= kLongPrefix.size() + 2 &&
               IsDriveLetter(path[kLongPrefix.size()]) && path[kLongPrefix.size() + 1] == u':') {
        usual = path.substr(kLongPrefix.size());
    } else {
        return std::u16string(path);
    }
    return usual.size() < kMaxPath ? usual : std::u16string(path);
}

}  // namespace core
