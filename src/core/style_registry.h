#pragma once
// The styles a process can be drawn in. The style resources are discovered
// once, at the first request; each is read and tested to be a style and
// registered under the name its data gives, whatever the resource is called.
// A request is matched against the styles already loaded, then against the
// registered ones; the first match is loaded and becomes the answer.

#include "core/style_data.h"
#include "core/style_name.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// The bytes of one style resource, and where they come from for messages.
struct StyleResource {
    std::u16string origin;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

using DiscoverStyles = std::function<std::vector<StyleResource>()>;
using ReportStyleFault = std::function<void(std::u16string_view message)>;

class StyleRegistry {
public:
    // Data that is no style is reported with what is wrong and left out.
    void Register(const std::vector<StyleResource>& resources, const ReportStyleFault& report);

    // The style of that name, or null. The first call discovers the resources.
    const StyleData* Find(std::u16string_view requested, const SameStyleName& same, const DiscoverStyles& discover,
                          const ReportStyleFault& report);

    std::size_t LoadedCount() const noexcept { return loaded_.size(); }
    std::size_t RegisteredCount() const noexcept { return registered_.size(); }

private:
    bool discovered_ = false;
    std::vector<std::unique_ptr<StyleData>> loaded_;
    std::vector<std::unique_ptr<StyleData>> registered_;
};

// "The style resource <origin> cannot be read: <reason>".
std::u16string UnreadableStyleText(std::u16string_view origin, std::u16string_view reason);

}  // namespace core
