#pragma once
// The load-time rotation of the board ("gobanroll") as four choices, and the
// switching between them.

#include <cstdint>

namespace mokuza {

// In the order of the menu's items.
enum class RotationChoice { None, EachLoop, FirstMoveTopRight, Random };

// The choice a gobanroll value stands for.
RotationChoice rotationChoice(std::int32_t gobanroll);

// The gobanroll value after a choice: the last digit of the value survives
// every switch, so the fixed transform and the off state keep what was
// chosen before.
std::int32_t chooseRotation(std::int32_t gobanroll, RotationChoice choice);

}  // namespace mokuza
