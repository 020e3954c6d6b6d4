#include "search/search_texts.h"

#include <algorithm>

#include "core/record/decimal.h"
#include "core/record/sgf_point.h"

namespace mokuza::search {
namespace {

std::u16string num(std::int64_t value) { return decimalText(value); }

// "%d勝%d敗 %s"
std::u16string winsAndRate(const WinLoss& record) {
  return num(record.wins) + u"勝" + num(record.losses) + u"敗 " + winRateText(record.wins, record.losses);
}

// "黒：%d局 %d勝%d敗 %s"
std::u16string colourGames(std::u16string_view colour, const WinLoss& record) {
  return std::u16string(colour) + u"：" + num(record.games) + u"局 " + winsAndRate(record);
}

std::u16string winLossText(const SearchResults& results) {
  const SearchSummary& s = results.summary;
  if (results.settings.bwFixed) return u" 黒：" + winsAndRate(s.black) + u" " + u" 白：" + winsAndRate(s.white) + u" ";
  std::u16string text = u" ○：" + winsAndRate(s.circle) + u"  " + u" □：" + winsAndRate(s.square) + u"  ";
  // The side to play next, first with the colour it has in the pattern.
  if (nextColour(results.pattern) > 0)
    text += colourGames(u"黒", s.nextAsBlack) + u"  " + colourGames(u"白", s.nextAsWhite);
  else text += colourGames(u"白", s.nextAsWhite) + u"  " + colourGames(u"黒", s.nextAsBlack);
  return text;
}

}  // namespace

std::u16string gameResultText(const GameMatch& match, int rate, bool rateListed) {
  if (match.ownMatch >= 0 && match.exchangedMatch >= 0)
    return u" " + num(match.ownMatch) + u"・" + num(match.exchangedMatch);
  if (match.ownMatch >= 0) return num(match.ownMatch);
  if (match.exchangedMatch >= 0) return num(-match.exchangedMatch);
  return rateListed ? u" " + num(rate) + u"％" : u"";
}

std::u16string progressCaption(std::u16string_view playlistName, int games, int number) {
  return u"部分図検索　〈" + std::u16string(playlistName) + u"〉 - " + num(games) + u"局中" + num(number) +
         u"局目を検索中";
}

namespace {

// "〔黒%d手目%s追加〕" or "〔白…〕" with the point as "column-row" from 1.
std::u16string addedMoveText(const AddedMove& move, int boardSize) {
  const int n = boardSize > 0 ? boardSize : 1;
  return std::u16string(move.colour > 0 ? u"〔黒" : u"〔白") + num(move.moveNumber) + u"手目" +
         num(move.point % n + 1) + u"-" + num(move.point / n + 1) + u"追加〕";
}

}  // namespace

SearchTexts composeTexts(const SearchResults& results, std::u16string_view playlistName) {
  const SearchSummary& s = results.summary;
  const SearchPattern& pattern = results.pattern;
  SearchTexts texts;
  const std::u16string examples = u"(" + num(s.found) + u"例)";
  if (pattern.addedMoves.empty()) {
    texts.caption = u"部分図検索［" + std::u16string(playlistName) + u"］";
    if (pattern.range) {
      const auto& r = *pattern.range;
      texts.caption += u"［" + sgfLetters(r[0], r[1]) + u"-" + sgfLetters(r[2], r[3]) + u"］";
    }
  } else {
    std::u16string added;
    for (const AddedMove& move : pattern.addedMoves) added += addedMoveText(move, pattern.boardSize);
    texts.caption = u"再検索" + added + u"［" + std::u16string(playlistName) + u"］";
  }
  texts.caption += examples;

  texts.summary = num(s.playlistGames) + u"局中" + num(s.found) + u"局" + winLossText(results);
  texts.resultLine = u" 検索結果 (" + num(pattern.moveNumber) + u"手目)：" + texts.summary + u" ";

  texts.followUpLine = (pattern.lastColour > 0 ? u"□" : u"○") + std::u16string(u"次手　");
  const int shown = std::clamp(results.settings.followUpCount, 0, static_cast<int>(s.candidates.size()));
  for (int i = 0; i < shown; ++i) {
    const FollowUpCandidate& c = s.candidates[static_cast<std::size_t>(i)];
    texts.followUpLine += c.letter + u"：" + num(c.record.games) + u"局 " + winsAndRate(c.record) + u"　";
  }
  return texts;
}

}  // namespace mokuza::search
