#include "platform/unelevated_access.h"

#include <vector>

#include "platform/handles.h"

namespace platform {
namespace {

enum class LinkedToken { None, Found, Unknown };

// The limited token of an elevated administrator, at identification level,
// which is enough for AccessCheck.
LinkedToken FindLinkedToken(UniqueHandle& linked)
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return LinkedToken::Unknown;
    const UniqueHandle process(token);
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    DWORD size = 0;
    if (!GetTokenInformation(token, TokenElevationType, &type, sizeof type, &size))
        return LinkedToken::Unknown;
    if (type != TokenElevationTypeFull)
        return LinkedToken::None;
    TOKEN_LINKED_TOKEN found = {};
    if (!GetTokenInformation(token, TokenLinkedToken, &found, sizeof found, &size))
        return LinkedToken::Unknown;
    linked.reset(found.LinkedToken);
    return LinkedToken::Found;
}

std::vector<unsigned char> SecurityDescriptor(HANDLE object)
{
    const SECURITY_INFORMATION parts = OWNER_SECURITY_INFORMATION | GROUP_SECURITY_INFORMATION |
                                       DACL_SECURITY_INFORMATION;
    DWORD needed = 0;
    GetKernelObjectSecurity(object, parts, nullptr, 0, &needed);
    std::vector<unsigned char> descriptor(needed);
    if (needed == 0 || !GetKernelObjectSecurity(object, parts, descriptor.data(), needed, &needed))
        descriptor.clear();
    return descriptor;
}

}  // namespace

bool UnelevatedUserGranted(HANDLE object, ACCESS_MASK access)
{
    UniqueHandle linked;
    switch (FindLinkedToken(linked)) {
    case LinkedToken::None:
        return true;
    case LinkedToken::Unknown:
        return false;
    case LinkedToken::Found:
        break;
    }
    std::vector<unsigned char> descriptor = SecurityDescriptor(object);
    if (descriptor.empty())
        return false;
    GENERIC_MAPPING mapping = {FILE_GENERIC_READ, FILE_GENERIC_WRITE, FILE_GENERIC_EXECUTE, FILE_ALL_ACCESS};
    // Room for the privileges a check may use; none is asked for here.
    std::vector<unsigned char> privileges(sizeof(PRIVILEGE_SET) + 4 * sizeof(LUID_AND_ATTRIBUTES));
    DWORD privilegesSize = static_cast<DWORD>(privileges.size());
    DWORD granted = 0;
    BOOL status = FALSE;
    return AccessCheck(descriptor.data(), linked.get(), access, &mapping,
                       reinterpret_cast<PRIVILEGE_SET*>(privileges.data()), &privilegesSize, &granted,
                       &status) &&
           status && (granted & access) == access;
}

}  // namespace platform
