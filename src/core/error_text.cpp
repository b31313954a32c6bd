#include "core/error_text.h"

namespace core {

std::u16string ErrorBoxText(std::u16string_view message)
{
    std::u16string text(message);
    if (!text.empty() && text.back() > u'.')
        text.push_back(u'.');
    return text;
}

std::u16string TrimSystemMessage(std::u16string_view text)
{
    auto end = text.size();
    while (end > 0 && (text[end - 1] <= u' ' || text[end - 1] == u'.'))
        --end;
    return std::u16string(text.substr(0, end));
}

}  // namespace core
