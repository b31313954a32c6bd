#pragma once
// The status clock's locale queries, answered by the Windows locale functions.

#include "core/locale_info_source.h"

#include <cstdint>

namespace platform {

// The locale the clock formats by: the thread's, or 1033 when the thread has
// none; a locale that is not installed gives way to the thread's again.
std::uint32_t ClockLocale();

class LocaleInfoWin32 final : public core::LocaleInfoSource {
public:
    explicit LocaleInfoWin32(std::uint32_t lcid) : lcid_(lcid) {}

    std::uint16_t PrimaryLanguage() const override;
    std::optional<std::u16string> Query(core::LocaleField field, int index) const override;

private:
    std::uint32_t lcid_;
};

}  // namespace platform
