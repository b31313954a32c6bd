#include "core/style_registry.h"

#include "core/error.h"
#include "core/style_format.h"
#include "core/text.h"

namespace core {
namespace {

std::vector<std::u16string_view> NamesOf(const std::vector<std::unique_ptr<StyleData>>& styles)
{
    std::vector<std::u16string_view> names;
    names.reserve(styles.size());
    for (const auto& style : styles) names.push_back(style->Name());
    return names;
}

}  // namespace

std::u16string UnreadableStyleText(std::u16string_view origin, std::u16string_view reason)
{
    return Format(u"The style resource %s cannot be read: %s", {origin, reason});
}

void StyleRegistry::Register(const std::vector<StyleResource>& resources, const ReportStyleFault& report)
{
    for (const StyleResource& resource : resources) {
        try {
            registered_.push_back(std::make_unique<StyleData>(ReadStyle(resource.data, resource.size)));
        } catch (const Error& error) {
            report(UnreadableStyleText(resource.origin, error.Message()));
        }
    }
}

const StyleData* StyleRegistry::Find(std::u16string_view requested, const SameStyleName& same,
                                     const DiscoverStyles& discover, const ReportStyleFault& report)
{
    if (!discovered_) {
        discovered_ = true;
        Register(discover(), report);
    }
    if (const auto at = FindStyleName(requested, NamesOf(loaded_), same)) return loaded_[*at].get();
    const auto at = FindStyleName(requested, NamesOf(registered_), same);
    if (!at) return nullptr;
    loaded_.push_back(std::move(registered_[*at]));
    registered_.erase(registered_.begin() + static_cast<std::ptrdiff_t>(*at));
    return loaded_.back().get();
}

}  // namespace core
