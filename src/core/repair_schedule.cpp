#include "core/repair_schedule.h"

#include "core/schedule_interval.h"

namespace core {

void StartSchedule(ScheduleWindow& window)
{
    window.SetScheduleEnabled(true);
    const std::int32_t interval = ScheduleIntervalMs(window.MinutesText());
    window.SetScheduleInterval(interval);
    window.HideToNotificationArea();
    window.ShowNotice(kNoticeTitle, kScheduleOnNotice, kNoticeTimeoutMs);
    window.SetScheduleState(kScheduleOnState);
    window.RepairNow();
}

void StopSchedule(ScheduleWindow& window)
{
    window.SetScheduleEnabled(false);
    window.SetScheduleInterval(0);
    window.ShowNotice(kNoticeTitle, kScheduleOffNotice, kNoticeTimeoutMs);
    window.SetScheduleState(kScheduleOffState);
}

}  // namespace core
