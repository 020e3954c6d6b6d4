#include "settings/load_rotation.h"

#include <algorithm>
#include <limits>

namespace mokuza {

RotationChoice rotationChoice(std::int32_t gobanroll) {
  if (gobanroll < 0) return RotationChoice::None;
  if (gobanroll < 10) return RotationChoice::EachLoop;
  if (gobanroll < 20) return RotationChoice::FirstMoveTopRight;
  return RotationChoice::Random;
}

std::int32_t chooseRotation(std::int32_t gobanroll, RotationChoice choice) {
  // Wide arithmetic: the most negative value has no positive counterpart.
  const std::int64_t magnitude = gobanroll < 0 ? -static_cast<std::int64_t>(gobanroll) : gobanroll;
  const std::int64_t lastDigit = magnitude % 10;
  std::int64_t result = gobanroll;
  switch (choice) {
    case RotationChoice::None:
      // 0 is the loop choice with transform 0; its off state must still be negative.
      if (gobanroll >= 0) result = gobanroll == 0 ? -10 : -magnitude;
      break;
    case RotationChoice::EachLoop: result = lastDigit; break;
    case RotationChoice::FirstMoveTopRight: result = 10 + lastDigit; break;
    case RotationChoice::Random: result = magnitude >= 20 ? magnitude : 20 + lastDigit; break;
  }
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(result, -std::numeric_limits<std::int32_t>::max(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

}  // namespace mokuza
