// The interval timer on real system timers.
#include <gtest/gtest.h>

#include "tests/support/harness.h"
#include "tests/win/test_forms.h"
#include "ui/window_layer.h"

namespace {

class TimerTest : public testing::Test {
 protected:
  void SetUp() override {
    UseTestForms();
    ASSERT_TRUE(LoadWindow(kTestWindow));
    EventLog().clear();
  }
  void TearDown() override {
    if (IsWindowLoaded(kTestWindow)) DestroyWindow(GetWindowHandle(kTestWindow));
  }
  static int Ticks() {
    int n = 0;
    for (const LoggedEvent& e : EventLog()) n += e.unitId == kTestTimer.unitId;
    return n;
  }
  static int TicksDuring(DWORD ms) {
    EventLog().clear();
    PumpFor(ms);
    return Ticks();
  }
  static std::int32_t Period() { return std::get<std::int32_t>(GetProperty(kTestTimer, kClassProperty)); }
};

TEST_F(TimerTest, AFreshLoadIsStopped) {
  EXPECT_EQ(Period(), 0);
  EXPECT_EQ(TicksDuring(300), 0);
}

TEST_F(TimerTest, TenMillisecondsGiveAboutAHundredEventsASecond) {
  SetProperty(kTestTimer, kClassProperty, 10);
  EXPECT_EQ(Period(), 10);
  int ticks = TicksDuring(1000);
  EXPECT_GT(ticks, 50);
  EXPECT_LE(ticks, 110);
}

TEST_F(TimerTest, WritingTheSamePeriodKeepsThePhase) {
  SetProperty(kTestTimer, kClassProperty, 100);
  EventLog().clear();
  // Rewriting every 20 ms would never let a restarted 100 ms timer expire.
  DWORD start = GetTickCount();
  while (GetTickCount() - start < 1000) {
    SetProperty(kTestTimer, kClassProperty, 100);
    PumpFor(20);
  }
  EXPECT_GE(Ticks(), 7);
}

TEST_F(TimerTest, NegativeStopsLikeZeroAndReadsZero) {
  SetProperty(kTestTimer, kClassProperty, 10);
  PumpFor(100);
  SetProperty(kTestTimer, kClassProperty, -5);
  EXPECT_EQ(Period(), 0);
  PumpFor(50);  // a WM_TIMER already queued may still arrive
  EXPECT_EQ(TicksDuring(300), 0);
}

TEST_F(TimerTest, ANewPeriodRestartsWithIt) {
  SetProperty(kTestTimer, kClassProperty, 10);
  PumpFor(200);
  SetProperty(kTestTimer, kClassProperty, 50);
  EXPECT_EQ(Period(), 50);
  int ticks = TicksDuring(1000);
  EXPECT_GE(ticks, 12);
  EXPECT_LE(ticks, 22);
}

TEST_F(TimerTest, DestroyingTheWindowStopsIt) {
  SetProperty(kTestTimer, kClassProperty, 10);
  PumpFor(100);
  DestroyWindow(GetWindowHandle(kTestWindow));
  EXPECT_EQ(TicksDuring(300), 0);
  ASSERT_TRUE(LoadWindow(kTestWindow));
  EXPECT_EQ(Period(), 0) << "the next load starts stopped";
}

}  // namespace
