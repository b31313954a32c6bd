#include "core/style_name.h"

#include "core/text.h"

namespace core {

std::optional<std::size_t> FindStyleName(std::u16string_view requested, const std::vector<std::u16string_view>& names,
                                         const SameStyleName& same)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (same(requested, names[i])) return i;
    }
    return std::nullopt;
}

std::u16string StyleNotFoundText(std::u16string_view name)
{
    return Format(u"Style '%s' not found", {name});
}

}  // namespace core
