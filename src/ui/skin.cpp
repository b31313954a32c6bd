#include "ui/skin.h"

#include "ui/gdi.h"
#include "ui/guarded.h"

namespace ui {
namespace {

constexpr const wchar_t* kSkinProperty = L"LumaricSkin";

}  // namespace

void Skin::Attach(HWND window, std::unique_ptr<Skin> skin)
{
    Skin* owned = skin.release();
    SetPropW(window, kSkinProperty, owned);
    owned->subclass_.Attach(window, &Skin::Procedure);
}

LRESULT Skin::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const std::optional<LRESULT> answer = Answer(message, wParam, lParam))
        return *answer;
    if (message == WM_PAINT && PaintsClient()) {
        const PaintScope dc(window);
        Paint(window, dc);
        return 0;
    }
    if (message == WM_ERASEBKGND && PaintsClient())
        return 1;
    const LRESULT result = Original(window, message, wParam, lParam);
    if (TrackHot(window, message) || DrawsAtOnce(message)) {
        InvalidateRect(window, nullptr, FALSE);
        UpdateWindow(window);
    }
    return result;
}

bool Skin::TrackHot(HWND window, UINT message)
{
    if (!TracksHot() || (message != WM_MOUSEMOVE && message != WM_MOUSELEAVE))
        return false;
    const bool hot = message == WM_MOUSEMOVE;
    if (hot == hot_)
        return false;
    hot_ = hot;
    if (hot) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
    }
    return true;
}

LRESULT CALLBACK Skin::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* skin = static_cast<Skin*>(GetPropW(window, kSkinProperty));
    if (message == WM_NCDESTROY) {
        const LRESULT result = skin->Original(window, message, wParam, lParam);
        RemovePropW(window, kSkinProperty);
        delete skin;
        return result;
    }
    return Guarded([&] { return skin->HandleMessage(window, message, wParam, lParam); });
}

}  // namespace ui
