#include <gtest/gtest.h>

#include "tests/app/app_test_support.h"

namespace mokuza::test {

// A period of 0 asks for the shortest period, never a timer that spins.
TEST_F(AppTest, TimerPeriodZeroIsTheShortestRealPeriod) {
  app->armTimer(0);
  EXPECT_GT(window.timerPeriod, 0);
  app->killTimer();
  EXPECT_EQ(window.timerPeriod, 0);
}

}  // namespace mokuza::test
