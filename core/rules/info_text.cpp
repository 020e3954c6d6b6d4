#include "core/rules/info_text.h"

#include <cstdlib>
#include <utility>

#include "core/record/text.h"

namespace mokuza {
namespace {

std::u16string num(int value) { return asciiToUtf16(std::to_string(value)); }

// Tenths of a point as "6.5"; the sign stays visible below one point ("-0.5").
std::u16string tenths(int value) {
  const int magnitude = std::abs(value);
  return (value < 0 ? u"-" : u"") + num(magnitude / 10) + u"." + num(magnitude % 10);
}

std::u16string letter(int index) { return std::u16string(1, static_cast<char16_t>(u'a' + index)); }

std::u16string coordinates(int point, int n, int style) {
  if (!isOnBoard(point, n)) return u"パス";
  const int column = point % n, row = point / n;
  switch (style) {
    case 2: return letter(column) + u"-" + num(n - row);
    case 3: return letter(column) + u"-" + letter(row);
    default: {
      std::u16string text = num(column + 1) + u"-" + num(row + 1);
      if (column + 1 < 10) text += u"  ";
      if (row + 1 < 10) text += u"  ";
      return text;
    }
  }
}

std::u16string moveLine(const Board& board, const GameRecord& record, const InfoTextInputs& inputs) {
  const int m = record.currentMove;
  if (m < 1 || static_cast<std::size_t>(m) >= record.lineCopy.size()) return {};
  const MoveRecord& move = record.lineCopy[static_cast<std::size_t>(m)];
  std::u16string text = num(m) + u"手　";
  if (m < 100) text += u"  ";
  if (m < 10) text += u"  ";
  if (move.hasMove()) {
    if (!inputs.autoPlay) text += move.colour == kStoneBlack ? u"黒" : u"白";
    text += coordinates(move.point, record.boardSize, inputs.coordinateStyle);
  }
  text += inputs.moveName + u"　　";
  const PositionSlot& slot = board.slot(board.currentPosition);
  text += u"黒アゲハマ○" + num(static_cast<int>(slot.capturedWhite.size())) + u"　白アゲハマ●" +
          num(static_cast<int>(slot.capturedBlack.size()));
  return text;
}

std::u16string whitePart(const Score& score) {
  std::u16string text =
      u"地" + num(score.whiteTerritory) + u"　アゲハマ" + num(score.whitePrisoners) + u"+" + num(score.deadBlack);
  if (score.range) return text + u"　計" + num(score.whiteTotal) + u"目";
  return text + u"　コミ" + tenths(score.komiTenths) + u"　計" + tenths(score.whiteTotal * 10 + score.komiTenths) +
         u"目";
}

std::u16string resultPart(const Score& score) {
  const int d = score.difference;
  if (score.range) {
    if (d > 0) return u"黒+" + num(d) + u"目";
    if (d < 0) return u"白+" + num(-d) + u"目";
    return u"+-0目";
  }
  if (d > 0) return u"黒" + tenths(d) + u"目勝ち";
  if (d < 0) return u"白" + tenths(-d) + u"目勝ち";
  return u"ジゴ";
}

std::u16string timePart(const MoveRecord& move) {
  std::u16string text;
  auto add = [&](std::u16string_view colour, std::u16string_view label, std::u16string_view before,
                 std::u16string_view after) {
    const std::u16string* value = move.property(label);
    if (!value || value->empty()) return;
    text.append(colour).append(before).append(*value).append(after).append(u"  ");
  };
  add(u"黒", u"黒残り時間", u"残り時間 ", u"");
  add(u"黒", u"黒考慮時間", u"考慮時間 ", u"回");
  add(u"白", u"白残り時間", u"残り時間 ", u"");
  add(u"白", u"白考慮時間", u"考慮時間 ", u"回");
  return text;
}

std::u16string headerPart(const std::array<std::u16string, 9>& f) {
  return f[0] + u"  " + f[1] + f[2] + f[3] + u"  " + f[4] + f[5] + f[6] + u"  " + f[7] + f[8];
}

}  // namespace

std::u16string ScoreText(const Score& score) {
  return u"黒：地" + num(score.blackTerritory) + u"　アゲハマ" + num(score.blackPrisoners) + u"+" +
         num(score.deadWhite) + u"　計" + num(score.blackTotal) + u"目　　白：" + whitePart(score) + u"　〈結果〉" +
         resultPart(score) + u"　　";
}

std::u16string ScoreDialogText(const Score& score) {
  return u"黒：\r\n  地" + num(score.blackTerritory) + u"　アゲハマ" + num(score.blackPrisoners) + u"+" +
         num(score.deadWhite) + u"　計" + num(score.blackTotal) + u".0目　　\r\n\r\n白：\r\n  " + whitePart(score) +
         u"\r\n\r\n〈結果〉\r\n　　" + resultPart(score);
}

std::u16string ShortResult(const Score& score) {
  if (score.range) return {};
  const int d = score.difference;
  if (d > 0) return u"B+" + tenths(d);
  if (d < 0) return u"W+" + tenths(-d);
  return u"0";
}

InfoTexts ComposeInfoText(const Board& board, const GameRecord& record, const CountingState& counting,
                          const InfoTextInputs& inputs) {
  InfoTexts texts;
  std::vector<std::u16string>& parts = texts.parts;
  const auto add = [&parts](std::u16string part) {
    if (!part.empty()) parts.push_back(std::move(part));
  };
  if (inputs.playlistOpen)
    add(u"〈プレイリスト - " + inputs.playlistName + u"〉　 " + num(inputs.playlistCount) + u"局中" +
        num(inputs.playlistNumber) + u"局目 - " + inputs.gameFileName);
  if (inputs.autoPlay) {
    add(inputs.loopPlay ? u"《自動再生" + num(inputs.loopCount) + u"周目》" : std::u16string(u"《自動再生》"));
    if (inputs.showMovesPlayed >= 0) add(u"計" + num(inputs.showMovesPlayed) + u"手");
    add(u"表示時間：" + num(inputs.moveDisplayTime / 10) + u"×0.01秒");
  }

  if (counting.countingMode) {
    const Score score = computeScore(counting, board, parseKomiTenths(record.header(u"コミ")));
    add(ScoreText(score));
    texts.scoreDialog = ScoreDialogText(score);
    texts.shortResult = ShortResult(score);
  } else {
    add(moveLine(board, record, inputs));
  }
  if (counting.rangeMode)
    add(u"選択範囲" + num(counting.range.points) + u"マス：黒石" + num(counting.range.black) + u"子・白石" +
        num(counting.range.white) + u"子・空点" + num(counting.range.empty) + u"マス");

  if (inputs.wholeRecordShown) add(u"計" + num(static_cast<int>(record.moveCount)) + u"手");
  if (inputs.figureNumber > 0)
    add(u"《第" + num(inputs.figureNumber) + u"譜》（" + num(inputs.figureFirstMove) + u"―" +
        num(inputs.figureLastMove) + u"）");
  const auto m = static_cast<std::size_t>(record.currentMove);
  if (m < record.lineCopy.size()) add(timePart(record.lineCopy[m]));
  if (inputs.showResult && record.currentMove == static_cast<int>(record.moveCount))
    add(u"結果：" + std::u16string(record.header(u"結果")));
  if (inputs.showHeader) add(headerPart(inputs.headerFields));
  return texts;
}

}  // namespace mokuza
