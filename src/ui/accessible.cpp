#include "ui/accessible.h"

#include <unknwn.h>

#include <memory>

#include "platform/system_function.h"

namespace ui {
namespace {

// IID_IAccessible, without linking the import library that defines it.
constexpr GUID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// Releases the proxy once the system holds its own reference.
struct Released {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};

}  // namespace

std::optional<LRESULT> AccessibleAs(HWND window, const wchar_t* systemClass, WPARAM wParam, LPARAM lParam)
{
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return std::nullopt;
    // oleacc is no DLL every process has loaded: looked up at run time,
    // from the system folder only.
    using CreateProxyFn = HRESULT WINAPI(HWND, LPCWSTR, LONG, REFIID, void**);
    using LresultFromObjectFn = LRESULT WINAPI(REFIID, WPARAM, LPUNKNOWN);
    static auto* const createProxy = platform::SystemFunction<CreateProxyFn>(L"oleacc.dll", "CreateStdAccessibleProxyW");
    static auto* const lresultFromObject = platform::SystemFunction<LresultFromObjectFn>(L"oleacc.dll", "LresultFromObject");
    if (!createProxy || !lresultFromObject)
        return std::nullopt;
    IUnknown* proxy = nullptr;
    if (FAILED(createProxy(window, systemClass, OBJID_CLIENT, kAccessibleInterface, reinterpret_cast<void**>(&proxy))) ||
        !proxy)
        return std::nullopt;
    const std::unique_ptr<IUnknown, Released> held(proxy);
    return lresultFromObject(kAccessibleInterface, wParam, proxy);
}

}  // namespace ui
