#include "platform/unelevated_shell.h"

#include <windows.h>
#include <exdisp.h>
#include <oleauto.h>
#include <servprov.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <memory>

#include "platform/wide.h"

namespace platform {
namespace {

struct ComReleaser {
    void operator()(IUnknown* object) const noexcept { object->Release(); }
};
template <class T>
using ComObject = std::unique_ptr<T, ComReleaser>;

template <class To, class From>
ComObject<To> Query(const ComObject<From>& from)
{
    To* to = nullptr;
    if (from && FAILED(from->QueryInterface(IID_PPV_ARGS(&to))))
        to = nullptr;
    return ComObject<To>(to);
}

struct BstrFreer {
    void operator()(BSTR text) const noexcept { SysFreeString(text); }
};

// The desktop's folder view in the shell that runs it (explorer).
ComObject<IShellFolderViewDual> DesktopFolderView()
{
    IShellWindows* windows = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_PPV_ARGS(&windows))))
        return nullptr;
    const ComObject<IShellWindows> shellWindows(windows);
    VARIANT none;
    VariantInit(&none);
    long window = 0;
    IDispatch* desktop = nullptr;
    if (shellWindows->FindWindowSW(&none, &none, SWC_DESKTOP, &window, SWFO_NEEDDISPATCH, &desktop) != S_OK)
        return nullptr;
    const ComObject<IDispatch> desktopDispatch(desktop);
    const auto services = Query<IServiceProvider>(desktopDispatch);
    IShellBrowser* browser = nullptr;
    if (!services || FAILED(services->QueryService(SID_STopLevelBrowser, IID_PPV_ARGS(&browser))))
        return nullptr;
    const ComObject<IShellBrowser> shellBrowser(browser);
    IShellView* view = nullptr;
    if (FAILED(shellBrowser->QueryActiveShellView(&view)))
        return nullptr;
    const ComObject<IShellView> shellView(view);
    IDispatch* background = nullptr;
    if (FAILED(shellView->GetItemObject(SVGIO_BACKGROUND, IID_PPV_ARGS(&background))))
        return nullptr;
    return Query<IShellFolderViewDual>(ComObject<IDispatch>(background));
}

}  // namespace

bool OpenThroughDesktopShell(const std::u16string& address)
{
    const auto folderView = DesktopFolderView();
    IDispatch* application = nullptr;
    if (!folderView || FAILED(folderView->get_Application(&application)))
        return false;
    const auto shell = Query<IShellDispatch2>(ComObject<IDispatch>(application));
    const std::unique_ptr<OLECHAR, BstrFreer> file(SysAllocString(Wide(address)));
    if (!shell || !file)
        return false;
    VARIANT none;
    VariantInit(&none);
    VARIANT show;
    VariantInit(&show);
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    return SUCCEEDED(shell->ShellExecute(file.get(), none, none, none, show));
}

}  // namespace platform
