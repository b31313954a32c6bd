#include "core/repair_schedule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error.h"

namespace {

// Records, in order, what the schedule does with the window.
class RecordingWindow : public core::ScheduleWindow {
public:
    explicit RecordingWindow(std::u16string minutes) : minutes_(std::move(minutes)) {}

    void SetScheduleEnabled(bool enabled) override
    {
        enabled_ = enabled;
        steps.push_back(enabled ? "enable" : "disable");
    }
    void SetScheduleInterval(std::int32_t intervalMs) override
    {
        interval_ = intervalMs;
        steps.push_back("interval " + std::to_string(intervalMs));
    }
    std::u16string MinutesText() const override { return minutes_; }
    void HideToNotificationArea() override { steps.push_back("hide"); }
    void ShowNotice(std::u16string_view title, std::u16string_view text, std::int32_t timeoutMs) override
    {
        EXPECT_EQ(title, u"提示");
        EXPECT_EQ(timeoutMs, 3);
        steps.push_back(text == u"网络连接自动修复已经开启."   ? "notice on"
                        : text == u"网络连接自动修复已经关闭." ? "notice off"
                                                             : "notice ?");
    }
    void SetScheduleState(std::u16string_view state) override
    {
        steps.push_back(state == u"状态:开启" ? "state on" : state == u"状态:关闭" ? "state off" : "state ?");
    }
    void RepairNow() override { steps.push_back("repair"); }

    std::vector<std::string> steps;
    bool enabled_ = false;
    std::int32_t interval_ = 0;

private:
    std::u16string minutes_;
};

using Steps = std::vector<std::string>;

}  // namespace

TEST(RepairSchedule, StartRunsItsStepsInOrder)
{
    RecordingWindow window(u"5");
    core::StartSchedule(window);
    EXPECT_EQ(window.steps,
              (Steps{"enable", "interval 300000", "hide", "notice on", "state on", "repair"}));
}

TEST(RepairSchedule, StartWithZeroStillHidesNotifiesAndRepairsOnce)
{
    RecordingWindow window(u"0");
    core::StartSchedule(window);
    EXPECT_EQ(window.steps, (Steps{"enable", "interval 0", "hide", "notice on", "state on", "repair"}));
}

TEST(RepairSchedule, FailedConversionLeavesTheTimerEnabledWithItsIntervalAndDoesNothingElse)
{
    for (const std::u16string text : {u"abc", u"7 ", u"", u"-5", u"99999"}) {
        RecordingWindow window(text);
        window.interval_ = 60000;
        try {
            core::StartSchedule(window);
            ADD_FAILURE() << "no error for a bad minutes text";
        } catch (const core::Error& error) {
            EXPECT_EQ(error.Message(), u"'" + text + u"' is not a valid integer value");
        }
        EXPECT_EQ(window.steps, Steps{"enable"});
        EXPECT_TRUE(window.enabled_);
        EXPECT_EQ(window.interval_, 60000);
    }
}

TEST(RepairSchedule, StopDisarmsNotifiesAndMarksWithoutHidingOrRepairing)
{
    RecordingWindow window(u"5");
    core::StopSchedule(window);
    EXPECT_EQ(window.steps, (Steps{"disable", "interval 0", "notice off", "state off"}));
}
