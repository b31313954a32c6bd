#include "core/periodic_timer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/error.h"

namespace {

// Records what the timer asks of the platform.
class RecordingBackend : public core::TimerBackend {
public:
    bool Start(std::uint32_t intervalMs) override
    {
        calls.push_back("start " + std::to_string(intervalMs));
        return !refuse;
    }
    void Stop() override { calls.push_back("stop"); }

    std::vector<std::string> calls;
    bool refuse = false;
};

using Calls = std::vector<std::string>;

}  // namespace

TEST(PeriodicTimer, RunsOnlyWhileEnabledWithIntervalAndHandler)
{
    RecordingBackend backend;
    core::PeriodicTimer timer(backend, false, 0);
    timer.SetHandler([] {});
    EXPECT_EQ(backend.calls, Calls{});

    timer.SetEnabled(true);
    EXPECT_EQ(backend.calls, Calls{});
    EXPECT_FALSE(timer.Running());

    timer.SetInterval(300000);
    EXPECT_EQ(backend.calls, Calls{"start 300000"});
    EXPECT_TRUE(timer.Running());

    timer.SetEnabled(false);
    timer.SetInterval(0);
    EXPECT_EQ(backend.calls, (Calls{"start 300000", "stop"}));
    EXPECT_FALSE(timer.Running());
}

TEST(PeriodicTimer, SameValueLeavesTheCountdownAloneNewValueRestartsIt)
{
    RecordingBackend backend;
    core::PeriodicTimer timer(backend, true, 500);
    timer.SetHandler([] {});
    backend.calls.clear();

    timer.SetEnabled(true);
    timer.SetInterval(500);
    EXPECT_EQ(backend.calls, Calls{});

    timer.SetInterval(600);
    EXPECT_EQ(backend.calls, (Calls{"stop", "start 600"}));

    timer.SetInterval(0);
    EXPECT_EQ(backend.calls, (Calls{"stop", "start 600", "stop"}));
    EXPECT_FALSE(timer.Running());
}

TEST(PeriodicTimer, NoHandlerNoCountdown)
{
    RecordingBackend backend;
    core::PeriodicTimer timer(backend, true, 500);
    EXPECT_FALSE(timer.Running());
    timer.SetHandler([] {});
    EXPECT_EQ(backend.calls, Calls{"start 500"});
    timer.SetHandler(nullptr);
    EXPECT_EQ(backend.calls, (Calls{"start 500", "stop"}));
}

TEST(PeriodicTimer, RefusedTimerRaisesAndKeepsTheNewValue)
{
    RecordingBackend backend;
    core::PeriodicTimer timer(backend, true, 0);
    timer.SetHandler([] {});
    backend.refuse = true;
    try {
        timer.SetInterval(60000);
        FAIL() << "expected an error";
    } catch (const core::Error& error) {
        EXPECT_EQ(error.Message(), u"Not enough timers available");
    }
    EXPECT_EQ(timer.Interval(), 60000);
    EXPECT_FALSE(timer.Running());

    // The value is stored, so setting it again is no change and tries nothing.
    backend.refuse = false;
    timer.SetInterval(60000);
    EXPECT_EQ(backend.calls, Calls{"start 60000"});
}

TEST(PeriodicTimer, TicksReachTheHandlerOnlyWhileRunning)
{
    RecordingBackend backend;
    int ticks = 0;
    core::PeriodicTimer timer(backend, true, 500);
    timer.SetHandler([&] { ++ticks; });
    timer.Tick();
    timer.SetEnabled(false);
    timer.Tick();
    EXPECT_EQ(ticks, 1);
}

TEST(PeriodicTimer, NegativeIntervalIsHandedOnAsUnsigned)
{
    RecordingBackend backend;
    core::PeriodicTimer timer(backend, true, -1);
    timer.SetHandler([] {});
    EXPECT_EQ(backend.calls, Calls{"start 4294967295"});
}

TEST(PeriodicTimer, DestructionStopsARunningCountdown)
{
    RecordingBackend backend;
    {
        core::PeriodicTimer timer(backend, true, 500);
        timer.SetHandler([] {});
    }
    EXPECT_EQ(backend.calls, (Calls{"start 500", "stop"}));
}
