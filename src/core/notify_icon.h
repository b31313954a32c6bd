#pragma once
// The notification-area icon's record and the shell requests that follow
// from each change, apart from the platform. The record mirrors the fields
// of NOTIFYICONDATAW that change; the platform side copies it and sends it.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

namespace notify_flags {
inline constexpr std::uint32_t kMessage = 0x1;
inline constexpr std::uint32_t kIcon = 0x2;
inline constexpr std::uint32_t kTip = 0x4;
inline constexpr std::uint32_t kInfo = 0x10;
}  // namespace notify_flags

// Longest texts the record holds, in UTF-16 code units, without the zero.
inline constexpr std::size_t kTipLength = 127;
inline constexpr std::size_t kInfoLength = 255;
inline constexpr std::size_t kInfoTitleLength = 63;

inline constexpr std::uint32_t kCallbackMessage = 0x401;
inline constexpr std::uint32_t kInitialBalloonTimeout = 10000;

struct NotifyRecord {
    std::uint32_t flags = notify_flags::kMessage | notify_flags::kIcon;
    std::u16string tip;
    std::u16string info;
    std::u16string infoTitle;
    std::uint32_t timeout = kInitialBalloonTimeout;
    std::uint32_t infoFlags = 0;
};

enum class ShellRequest { Add, Modify, Delete };

class NotifyShell {
public:
    virtual ~NotifyShell() = default;
    virtual void Send(ShellRequest request, const NotifyRecord& record) = 0;
};

// What the icon's callback message asks for, by its lParam.
enum class IconAction { None, DoubleClick, OpenMenu, BalloonClosed };
IconAction ActionForCallback(std::uint32_t lParam) noexcept;

class NotifyIconState {
public:
    NotifyIconState(NotifyShell& shell, std::u16string_view tip);

    const NotifyRecord& Record() const noexcept { return record_; }
    bool Visible() const noexcept { return visible_; }

    // A new tip (compared case-sensitively) is stored and, while the icon
    // is visible, sent.
    void SetTip(std::u16string_view tip);
    // The picture changed; sent while the icon is visible.
    void IconChanged();
    void SetVisible(bool visible);
    void ShowBalloon(std::u16string_view title, std::u16string_view text, std::int32_t timeoutMs);
    void BalloonClosed() noexcept;

    // The shell was restarted and lost every icon.
    void TaskbarCreated();
    // Windows logs off or shuts down.
    void SessionEnding();
    // The icon goes away with its owner.
    void Remove();

private:
    NotifyShell& shell_;
    NotifyRecord record_;
    std::u16string tip_;
    std::u16string balloonTitle_;
    std::u16string balloonText_;
    bool visible_ = false;
};

}  // namespace core
