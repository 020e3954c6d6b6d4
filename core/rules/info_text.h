#pragma once
// The information texts shown under the board: the move line with its name
// and the prisoners, the counting result, the range counts, and the notes of
// the playlist, auto-play, figures, times and result.

#include <array>
#include <string>
#include <vector>

#include "core/record/game_record.h"
#include "core/rules/board.h"
#include "core/rules/territory.h"

namespace mokuza {

// What the texts need from the layers above the rules.
struct InfoTextInputs {
  std::u16string moveName;  // the shown move's name from the classifier
  int coordinateStyle = 0;  // "碁盤座標": 0 and 1 numbers, 2 letter and row from the bottom, 3 two letters
  bool showResult = false;  // the option result_display is 1

  bool playlistOpen = false;
  std::u16string playlistName;  // the playlist's file name
  int playlistCount = 0;
  int playlistNumber = 0;  // 1-based number of the shown game
  std::u16string gameFileName;

  bool autoPlay = false;
  bool loopPlay = false;  // "ループ再生"
  int loopCount = 0;
  int moveDisplayTime = 0;   // "１手ごとの表示時間" in milliseconds
  int showMovesPlayed = -1;  // moves a playlist show has played, -1 outside one

  bool wholeRecordShown = false;
  int figureNumber = 0;  // 0 when the record is not divided into figures
  int figureFirstMove = 0;
  int figureLastMove = 0;

  bool showHeader = false;  // the shown move asks for the game header
  std::array<std::u16string, 9> headerFields;
};

struct InfoTexts {
  std::vector<std::u16string> parts;  // the parts of the one line under the board, in order
  std::u16string scoreDialog;  // the score on several lines, in counting mode
  std::u16string shortResult;  // "B+6.5", "W+0.5" or "0", in counting mode outside a range
};

// The score parts of the line: Black's, White's, the result.
std::u16string ScoreText(const Score& score);
std::u16string ScoreDialogText(const Score& score);
std::u16string ShortResult(const Score& score);

// The texts for the board's current position and the record's current move;
// in counting mode the score stands in place of the move line.
InfoTexts ComposeInfoText(const Board& board, const GameRecord& record, const CountingState& counting,
                          const InfoTextInputs& inputs);

}  // namespace mokuza
