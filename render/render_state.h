#pragma once
// Everything a repaint reads besides the geometry: the document, the shown
// design, the pointer, the input tool and what other tools display.

#include <array>
#include <bitset>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/document/document.h"
#include "core/rules/territory.h"

namespace mokuza::render {

// The board-input tools (the radio buttons of the side panel).
enum InputMode : int {
  kInputPlay = 1005,
  kInputBlackStone = 1006,
  kInputWhiteStone = 1007,
  kInputTriangle = 1008,
  kInputSquare = 1009,
  kInputCircle = 1010,
  kInputCross = 1011,
  kInputText = 1012,
  kInputRange = 1013,
};

// Keys whose hint lights up in the search caption while held.
enum SearchKey : std::size_t { kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyEnter, kKeyMouse, kSearchKeyCount };

// A partial-board search result as the board shows it. The search fills it;
// the painter only draws it.
struct SearchDisplay {
  bool shown = false;
  // Colours of the matched game's position by unbordered point (+1, -1, 0);
  // empty to keep the board's own stones.
  std::vector<std::int8_t> stones;
  // The stones of the searched pattern: "○" on black, "□" on white, in the range tool.
  std::vector<int> matchedPoints;
  // The range searched {left, top, right, bottom}, inclusive, tinted as a
  // selection; none when the whole board was searched.
  std::optional<std::array<int, 4>> range;
  // Up to six continuations, lettered "Ａ" to "Ｆ"; -1 for none.
  std::array<int, 6> candidates{-1, -1, -1, -1, -1, -1};
  int candidateColour = 1;  // colour of the preview stones on the candidates
  int selectedPoint = -1;   // drawn a little brighter
  // The caption.
  std::u16string blackPlayer, whitePlayer;
  std::u16string moveCountText;  // "%s手"
  std::u16string dateText;
  std::u16string result;                  // after "　結果："
  char16_t resultMark = 0;                // " %c", 0 for none
  int example = 0, total = 0;             // "%d例目／全%d局面"
  int gameNumber = 0;                     // "No.%d"
  int blackMove = 0, whiteMove = 0;       // "黒%d手目", "白%d手目"
  int otherMatches = 0, followMoves = 0;  // "他の一致局面（%d）", "後続手表示手数（%d）"
  std::bitset<kSearchKeyCount> heldKeys;
};

struct RenderState {
  const Document* doc = nullptr;   // record, shown position, move names, options
  const Design* design = nullptr;  // the shown design
  std::u16string typeface;         // "書体"; an uninstalled face falls back to IPAGothic
  std::filesystem::path programFolder;
  int inputMode = kInputPlay;
  int hoverPoint = -1;  // unbordered point under the mouse, -1 for none
  bool shiftHeld = false;
  int dragSource = -1;  // point of the stone being dragged, -1 for none
  bool autoPlayIdle = true;
  bool gameTransition = false;              // the new picture cross-fades in over the window's old one
  const CountingState* counting = nullptr;  // territory tints while its countingMode is on
  const SearchDisplay* search = nullptr;
  std::bitset<15> pressedIcons;  // icons of the strip drawn as pressed ("_N")
  bool panelShown = true;
  int panelWidth = 0;  // in device pixels, as the rest
  int statusBarHeight = 0;
  double pixelRatio = 1.0;  // device pixels per logical pixel of the window's screen
  int figureStart = 0;  // first move of the figure shown in replay mode
  bool variationMarks = true;  // letters on the points where the next move's branches play
};

// An option of the document; its default without a document.
int documentOption(const RenderState& s, DocumentOption option);
// The text-size scale s = "textsize" + 1.
int textScale(const RenderState& s);
bool searchShown(const RenderState& s);

}  // namespace mokuza::render
