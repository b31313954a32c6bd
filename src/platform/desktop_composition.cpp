#include "platform/desktop_composition.h"

#include "platform/system_function.h"

namespace platform {
namespace {

// dwmapi.h's DWMWA_NCRENDERING_POLICY and its values.
constexpr DWORD kNonClientRenderingPolicy = 2;
constexpr DWORD kUseWindowStyle = 0;
constexpr DWORD kDisabled = 1;

}  // namespace

void SetCompositorDrawsFrame(HWND window, bool draws)
{
    using SetAttributeFn = HRESULT WINAPI(HWND, DWORD, const void*, DWORD);
    static auto* const setAttribute = SystemFunction<SetAttributeFn>(L"dwmapi.dll", "DwmSetWindowAttribute");
    if (!setAttribute)
        return;
    const DWORD policy = draws ? kUseWindowStyle : kDisabled;
    setAttribute(window, kNonClientRenderingPolicy, &policy, sizeof policy);
}

}  // namespace platform
