// Menu check marks and radio items from the options, and switching between
// the load-time rotation choices.

#include <gtest/gtest.h>

#include <climits>

#include "settings/menu_states.h"

namespace mokuza {
namespace {

std::vector<int> checked(const std::vector<MenuCheck>& items) {
  std::vector<int> ids;
  for (const MenuCheck& item : items)
    if (item.checked) ids.push_back(item.id);
  return ids;
}

TEST(ApplyMenuStates, ChecksFromOneAndOneRadioItemPerGroup) {
  GlobalOptions global = defaultGlobalOptions();
  DocumentOptions document = defaultDocumentOptions();
  auto items = applyMenuStates(global, document);
  EXPECT_EQ(checked(items), (std::vector<int>{kVariationMarksItem, kHistoryOutputItem, 33800, 34102, 34201, kRotationNoneItem}));
  EXPECT_FALSE(items[1].enabled) << "次譜自動再生 is greyed outside replay mode";

  document[DocumentOption::ReplayMode] = 1;
  document[DocumentOption::AutoNextGame] = 3;
  document[DocumentOption::TextSize] = 4;
  document[DocumentOption::LoadRotation] = 15;
  global[GlobalOption::HistoryOutput] = 0;
  global[GlobalOption::ImageOutput] = 33796;
  items = applyMenuStates(global, document);
  EXPECT_EQ(checked(items),
            (std::vector<int>{kReplayModeItem, kAutoNextGameItem, kVariationMarksItem, 33796, 34104, 34201,
                              kRotationFirstMoveItem}));
  EXPECT_TRUE(items[1].enabled);
}

TEST(Rotation, SwitchingKeepsTheLastDigitWithoutOverflow) {
  std::int32_t value = -8;
  const std::pair<int, std::int32_t> steps[] = {
      {kRotationLoopItem, 8},   {kRotationFirstMoveItem, 18}, {kRotationRandomItem, 28},
      {kRotationNoneItem, -28}, {kRotationNoneItem, -28},     {kRotationLoopItem, 8},
  };
  for (const auto& [choice, expected] : steps) {
    value = chooseRotation(value, choice);
    EXPECT_EQ(value, expected) << choice;
    EXPECT_EQ(rotationMenuItem(value), choice);
  }

  // The loop choice 0 can be switched off, and extremes do not overflow.
  const std::int32_t off = chooseRotation(0, kRotationNoneItem);
  EXPECT_EQ(rotationMenuItem(off), kRotationNoneItem);
  EXPECT_EQ(chooseRotation(off, kRotationLoopItem), 0);
  EXPECT_EQ(std::pair(chooseRotation(INT_MIN, kRotationLoopItem), chooseRotation(INT_MIN, kRotationRandomItem)),
            std::pair(8, INT_MAX));
}

}  // namespace
}  // namespace mokuza
