#include "core/web_links.h"

namespace core {
namespace {

std::u16string Address(std::u16string_view host, std::u16string_view queryKey, std::u16string_view version)
{
    std::u16string address = u"http://";
    address.append(host).append(u"/?").append(queryKey).append(u"=Lumaric").append(version);
    return address;
}

}  // namespace

std::u16string UpdatePageAddress(std::u16string_view version)
{
    return Address(kUpdateHost, u"v", version);
}

std::u16string HomePageAddress(std::u16string_view version)
{
    return Address(kHomeHost, u"qq", version);
}

}  // namespace core
