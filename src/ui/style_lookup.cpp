#include "ui/style_lookup.h"

#include <windows.h>

#include "core/style_name.h"
#include "core/style_registry.h"
#include "platform/module_resources.h"
#include "ui/style_error_dialog.h"

namespace ui {
namespace {

bool SameIgnoringCase(std::u16string_view a, std::u16string_view b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, reinterpret_cast<const wchar_t*>(a.data()),
                          static_cast<int>(a.size()), reinterpret_cast<const wchar_t*>(b.data()),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// Lives as long as the process: windows keep pointers to its styles.
core::StyleRegistry& Registry()
{
    static core::StyleRegistry registry;
    return registry;
}

}  // namespace

const core::StyleData* FindStyle(std::u16string_view name, bool reportErrors)
{
    const auto report = [reportErrors](std::u16string_view message) {
        if (reportErrors)
            ShowStyleError(message);
    };
    const core::StyleData* style = Registry().Find(
        name, SameIgnoringCase, [] { return platform::LoadedModuleResources(kStyleResourceType); }, report);
    if (!style)
        report(core::StyleNotFoundText(name));
    return style;
}

}  // namespace ui
