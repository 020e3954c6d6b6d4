#include "search/game_outcome.h"

#include "core/record/text.h"

namespace mokuza::search {

GameOutcome readOutcome(std::u16string_view result) {
  if (result.size() >= 2 && result[1] == u'+') {
    if (result[0] == u'B' || result[0] == u'b') return GameOutcome::BlackWin;
    if (result[0] == u'W' || result[0] == u'w') return GameOutcome::WhiteWin;
  }
  if (result.find(u'勝') == std::u16string_view::npos && result.find(u'胜') == std::u16string_view::npos)
    return GameOutcome::Undecided;
  if (result.starts_with(u"白")) return GameOutcome::WhiteWin;
  if (result.starts_with(u"黒") || result.starts_with(u"黑")) return GameOutcome::BlackWin;
  return GameOutcome::Undecided;
}

void WinLoss::add(GameOutcome outcome, int side) {
  ++games;
  if (outcome == GameOutcome::Undecided) return;
  const bool blackWon = outcome == GameOutcome::BlackWin;
  if (blackWon == (side > 0)) ++wins;
  else ++losses;
}

std::u16string winRateText(int wins, int losses) {
  const int decided = wins + losses;
  if (decided <= 0) return u"---";
  if (losses == 0) return u"1.000";
  // Half up at the third digit; a rate that rounds to one is still not all wins.
  long long perMille = (2000LL * wins + decided) / (2LL * decided);
  if (perMille > 999) perMille = 999;
  std::string digits = std::to_string(perMille);
  digits.insert(0, 3 - digits.size(), '0');
  return u"." + asciiToUtf16(digits) + u" ";
}

}  // namespace mokuza::search
