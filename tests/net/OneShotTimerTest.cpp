#include "net/OneShotTimer.h"

#include <gtest/gtest.h>

#include "fakes/FakeClock.h"

namespace sorvane {
namespace {

TEST(OneShotTimerTest, BecomesDueOnceWhenItsIntervalHasPassed) {
  FakeClock clock;
  OneShotTimer timer(clock);
  timer.Start(100);
  clock.Advance(99);
  EXPECT_FALSE(timer.Due());
  clock.Advance(1);
  EXPECT_TRUE(timer.Due());
  EXPECT_FALSE(timer.Due());
  EXPECT_FALSE(timer.Running());
}

TEST(OneShotTimerTest, RestartCountsFromTheLastRestart) {
  FakeClock clock;
  OneShotTimer timer(clock);
  timer.Start(100);
  for (int i = 0; i < 5; ++i) {
    clock.Advance(90);
    EXPECT_FALSE(timer.Due());
    timer.Restart();
  }
  clock.Advance(100);
  EXPECT_TRUE(timer.Due());
  timer.Restart();  // a timer that has fired stays off
  clock.Advance(500);
  EXPECT_FALSE(timer.Due());
}

TEST(OneShotTimerTest, ZeroMeansNoTimeOutAndStopMeansNone) {
  FakeClock clock;
  OneShotTimer timer(clock);
  timer.Start(0);
  clock.Advance(1000000);
  EXPECT_FALSE(timer.Due());
  timer.Start(10);
  timer.Stop();
  clock.Advance(20);
  EXPECT_FALSE(timer.Due());
}

}  // namespace
}  // namespace sorvane
