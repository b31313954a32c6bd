#pragma once
// Switching the repair schedule on and off: the steps of the two buttons, in
// their order, over the window's members.

#include <cstdint>
#include <string>
#include <string_view>

namespace core {

inline constexpr std::u16string_view kNoticeTitle = u"提示";
inline constexpr std::u16string_view kScheduleOnNotice = u"网络连接自动修复已经开启.";
inline constexpr std::u16string_view kScheduleOffNotice = u"网络连接自动修复已经关闭.";
inline constexpr std::u16string_view kScheduleOnState = u"状态:开启";
inline constexpr std::u16string_view kScheduleOffState = u"状态:关闭";
// Three milliseconds: the shell keeps the balloon up as long as it sees fit.
inline constexpr std::int32_t kNoticeTimeoutMs = 3;

// What the schedule needs of the window.
class ScheduleWindow {
public:
    virtual ~ScheduleWindow() = default;
    virtual void SetScheduleEnabled(bool enabled) = 0;
    virtual void SetScheduleInterval(std::int32_t intervalMs) = 0;
    virtual std::u16string MinutesText() const = 0;
    virtual void HideToNotificationArea() = 0;
    virtual void ShowNotice(std::u16string_view title, std::u16string_view text, std::int32_t timeoutMs) = 0;
    virtual void SetScheduleState(std::u16string_view state) = 0;
    virtual void RepairNow() = 0;
};

// Arms the timer, reads the minutes (a text that is no valid count of
// minutes raises its error here, leaving the timer enabled with the interval
// it had), hides the window, shows the notice, marks the state and repairs once.
void StartSchedule(ScheduleWindow& window);

// Disarms the timer, shows the notice and marks the state.
void StopSchedule(ScheduleWindow& window);

}  // namespace core
