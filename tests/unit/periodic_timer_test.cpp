#include "core/periodic_timer.h"

#include <gtest/gtest.h>

#include <ostream>

namespace core {

void PrintTo(const TimerChange& change, std::ostream* out)
{
    static const char* const kinds[] = {"none", "stop", "start"};
    *out << kinds[static_cast<int>(change.kind)];
    if (change.kind == TimerChange::Kind::Start)
        *out << ' ' << change.intervalMs;
}

}  // namespace core

namespace {

using core::TimerChange;

const TimerChange kNothing{};
const TimerChange kStop{TimerChange::Kind::Stop};

TimerChange Start(std::uint32_t intervalMs)
{
    return {TimerChange::Kind::Start, intervalMs};
}

}  // namespace

TEST(PeriodicTimer, RunsOnlyWhileEnabledWithIntervalAndHandler)
{
    core::PeriodicTimer timer(false, 0);
    EXPECT_EQ(timer.SetHandlerBound(true), kNothing);
    EXPECT_EQ(timer.SetEnabled(true), kNothing);
    EXPECT_FALSE(timer.Running());

    EXPECT_EQ(timer.SetInterval(300000), Start(300000));
    EXPECT_TRUE(timer.Running());

    EXPECT_EQ(timer.SetEnabled(false), kStop);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(timer.SetInterval(0), kNothing);
    EXPECT_EQ(timer.SetEnabled(true), kNothing);
    EXPECT_FALSE(timer.Running());
}

TEST(PeriodicTimer, SameValueLeavesTheCountdownAloneNewValueRestartsIt)
{
    core::PeriodicTimer timer(true, 500);
    EXPECT_EQ(timer.SetHandlerBound(true), Start(500));

    EXPECT_EQ(timer.SetEnabled(true), kNothing);
    EXPECT_EQ(timer.SetInterval(500), kNothing);
    EXPECT_EQ(timer.SetInterval(600), Start(600));
    EXPECT_EQ(timer.SetInterval(0), kStop);
    EXPECT_FALSE(timer.Running());
}

TEST(PeriodicTimer, NoHandlerNoCountdown)
{
    core::PeriodicTimer timer(true, 500);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(timer.SetHandlerBound(true), Start(500));
    EXPECT_EQ(timer.SetHandlerBound(false), kStop);
    EXPECT_EQ(timer.SetHandlerBound(false), kNothing);
}

TEST(PeriodicTimer, RefusedCountdownKeepsTheNewValueAndRunsNone)
{
    core::PeriodicTimer timer(true, 0);
    timer.SetHandlerBound(true);
    EXPECT_EQ(timer.SetInterval(60000), Start(60000));
    timer.StartRefused();
    EXPECT_EQ(timer.Interval(), 60000);
    EXPECT_FALSE(timer.Running());

    // The value is stored, so setting it again is no change and asks nothing;
    // stopping asks nothing either, as none runs.
    EXPECT_EQ(timer.SetInterval(60000), kNothing);
    EXPECT_EQ(timer.SetEnabled(false), kNothing);
    EXPECT_EQ(timer.SetEnabled(true), Start(60000));
}

TEST(PeriodicTimer, NegativeIntervalIsHandedOnAsUnsigned)
{
    core::PeriodicTimer timer(true, -1);
    EXPECT_EQ(timer.SetHandlerBound(true), Start(4294967295u));
}
