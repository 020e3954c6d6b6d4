// Switching between the load-time rotation choices.

#include <gtest/gtest.h>

#include <climits>

#include "settings/load_rotation.h"

namespace mokuza {
namespace {

TEST(Rotation, SwitchingKeepsTheLastDigitWithoutOverflow) {
  using enum RotationChoice;
  std::int32_t value = -8;
  const std::pair<RotationChoice, std::int32_t> steps[] = {
      {EachLoop, 8}, {FirstMoveTopRight, 18}, {Random, 28}, {None, -28}, {None, -28}, {EachLoop, 8},
  };
  for (const auto& [choice, expected] : steps) {
    value = chooseRotation(value, choice);
    EXPECT_EQ(value, expected) << static_cast<int>(choice);
    EXPECT_EQ(rotationChoice(value), choice);
  }

  // The loop choice 0 can be switched off, and extremes do not overflow.
  const std::int32_t off = chooseRotation(0, None);
  EXPECT_EQ(rotationChoice(off), None);
  EXPECT_EQ(chooseRotation(off, EachLoop), 0);
  EXPECT_EQ(std::pair(chooseRotation(INT_MIN, EachLoop), chooseRotation(INT_MIN, Random)), std::pair(8, INT_MAX));
}

}  // namespace
}  // namespace mokuza
