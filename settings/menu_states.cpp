#include "settings/menu_states.h"

#include <algorithm>
#include <array>
#include <limits>

namespace mokuza {
namespace {

void addRadioGroup(std::vector<MenuCheck>& items, int first, int last, int selected) {
  for (int id = first; id <= last; ++id) items.push_back({id, id == selected});
}

constexpr std::array<std::u16string_view, 4> kRotationLabels{u"なし(&N)", u"プレイリストループの度に回転(&L)",
                                                             u"初手右上になるように回転(&F)", u"ランダム回転(&R)"};

}  // namespace

std::vector<MenuCheck> applyMenuStates(const GlobalOptions& global, const DocumentOptions& document) {
  std::vector<MenuCheck> items;
  const bool replayMode = replayModeOn(document);
  items.push_back({kReplayModeItem, replayMode});
  // Playing the next game on is part of replay mode.
  items.push_back({kAutoNextGameItem, switchOn(document, DocumentOption::AutoNextGame), replayMode});
  items.push_back({kMoveNamesItem, switchOn(global, GlobalOption::MoveInfo)});
  items.push_back({kVariationMarksItem, switchOn(global, GlobalOption::VariationMarks)});
  items.push_back({kFullPathsItem, switchOn(global, GlobalOption::FileFull)});
  items.push_back({kHistoryOutputItem, switchOn(global, GlobalOption::HistoryOutput)});
  items.push_back({kMusicModeItem, musicModeOn(document)});

  addRadioGroup(items, kImageOutputFirstItem, kImageOutputLastItem, option(global, GlobalOption::ImageOutput));
  addRadioGroup(items, kTextSizeBase + 1, kTextSizeBase + 4,
                kTextSizeBase + option(document, DocumentOption::TextSize));
  addRadioGroup(items, kStartupDesignBase + 1, kStartupDesignBase + 4,
                kStartupDesignBase + option(global, GlobalOption::StartupDesign));
  addRadioGroup(items, kRotationNoneItem, kRotationRandomItem,
                rotationMenuItem(option(document, DocumentOption::LoadRotation)));
  return items;
}

int rotationMenuItem(std::int32_t gobanroll) {
  if (gobanroll < 0) return kRotationNoneItem;
  if (gobanroll < 10) return kRotationLoopItem;
  if (gobanroll < 20) return kRotationFirstMoveItem;
  return kRotationRandomItem;
}

std::int32_t chooseRotation(std::int32_t gobanroll, int itemId) {
  // Wide arithmetic: the most negative value has no positive counterpart.
  const std::int64_t magnitude = gobanroll < 0 ? -static_cast<std::int64_t>(gobanroll) : gobanroll;
  const std::int64_t lastDigit = magnitude % 10;
  std::int64_t result = gobanroll;
  switch (itemId) {
    case kRotationNoneItem:
      // 0 is the loop choice with transform 0; its off state must still be negative.
      if (gobanroll >= 0) result = gobanroll == 0 ? -10 : -magnitude;
      break;
    case kRotationLoopItem: result = lastDigit; break;
    case kRotationFirstMoveItem: result = 10 + lastDigit; break;
    case kRotationRandomItem: result = magnitude >= 20 ? magnitude : 20 + lastDigit; break;
    default: break;
  }
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(result, -std::numeric_limits<std::int32_t>::max(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::u16string_view rotationItemLabel(int itemId) {
  if (itemId < kRotationNoneItem || itemId > kRotationRandomItem) return {};
  return kRotationLabels[static_cast<std::size_t>(itemId - kRotationNoneItem)];
}

}  // namespace mokuza
