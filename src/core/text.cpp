#include "core/text.h"

namespace core {

std::u16string Format(std::u16string_view pattern, std::initializer_list<std::u16string_view> args)
{
    std::u16string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == u'%' && i + 1 < pattern.size() && pattern[i + 1] == u's' && next != args.end()) {
            out.append(*next++);
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

std::u16string FromAscii(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace core
