#pragma once
// The two web pages, each with the product word and the version in its query.

#include <string>
#include <string_view>

namespace core {

// The update page's host, which the About page's link label shows.
inline constexpr std::u16string_view kUpdateHost = u"www.lumaric.cn";
inline constexpr std::u16string_view kHomeHost = u"www.lumaric.com";

std::u16string UpdatePageAddress(std::u16string_view version);
std::u16string HomePageAddress(std::u16string_view version);

}  // namespace core
