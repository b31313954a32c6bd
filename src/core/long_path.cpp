#include "core/long_path.h"

namespace core {
namespace {

constexpr std::u16string_view kLongPrefix = u"\\\\?\\";
constexpr std::u16string_view kUncPart = u"UNC\\";

bool IsDriveLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

}  // namespace

std::optional<std::u16string> UsualPath(std::u16string_view longPath)
{
    if (longPath.substr(0, kLongPrefix.size()) != kLongPrefix)
        return std::nullopt;
    std::u16string_view rest = longPath.substr(kLongPrefix.size());
    // "\\?\UNC\server\..." is "\\server\...": one backslash takes the place of "UNC".
    const bool network = rest.substr(0, kUncPart.size()) == kUncPart;
    if (network)
        rest.remove_prefix(kUncPart.size() - 1);
    else if (rest.size() < 2 || !IsDriveLetter(rest[0]) || rest[1] != u':')
        return std::nullopt;
    if (rest.size() + (network ? 1 : 0) >= kMaxPath)
        return std::nullopt;
    std::u16string usual(network ? 1 : 0, u'\\');
    usual.append(rest);
    return usual;
}

}  // namespace core
