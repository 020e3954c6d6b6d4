#include "core/document/game_info.h"

#include <cstdio>

#include "core/record/text.h"

namespace mokuza {
namespace {

std::u16string number(long long value) { return asciiToUtf16(std::to_string(value)); }

std::u16string twoDigits(int value) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", value);
  return asciiToUtf16(text);
}

// "B+6.5" from 65 tenths.
std::u16string margin(char16_t winner, long long tenths) {
  return std::u16string(1, winner) + u"+" + number(tenths / 10) + u"." + number(tenths % 10);
}

// Zeller's results 0..6 start on Saturday.
constexpr std::array<std::u16string_view, 7> kWeekdays{u"(土)", u"(日)", u"(月)", u"(火)", u"(水)", u"(木)", u"(金)"};

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

int digitsAt(std::u16string_view text, std::size_t from, std::size_t count) {
  int value = 0;
  for (std::size_t i = from; i < from + count; ++i) value = value * 10 + (text[i] - u'0');
  return value;
}

}  // namespace

bool GameInfoForm::fieldEnabled(std::size_t index) const {
  if (index >= kGameInfoFieldCount) return false;
  if (mode == kGameInfoSingle) return true;
  if (mode != kGameInfoBatch) return false;
  // The board size of a game with moves cannot change without losing them,
  // so batch editing never writes it.
  if (index == kBoardSizeField) return false;
  if (index == kHandicapField && autoHandicap) return false;
  return ticked[index];
}

GameInfoForm showGameInfo(const Document& doc) {
  GameInfoForm form;
  form.mode = kGameInfoSingle;
  form.title = u"ゲーム情報";
  if (doc.state.playlistIndex > 0) form.title += u" [" + number(doc.state.playlistIndex) + u"局目]";
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i)
    form.values[i] = std::u16string(doc.record().header(kGameInfoDialogFields[i].label));
  return form;
}

GameInfoForm showBatchGameInfo(const std::vector<const PlaylistEntry*>& games, std::u16string_view selectionText) {
  GameInfoForm form;
  form.mode = kGameInfoBatch;
  form.title = u"ゲーム情報一括編集 " + std::u16string(selectionText);
  if (!games.empty() && games.front())
    for (std::size_t i = 0; i < kGameInfoFieldCount; ++i)
      form.values[i] = std::u16string(textField(*games.front(), kGameInfoDialogFields[i].label));
  return form;
}

std::u16string automaticResult(std::optional<int> territoryMarginTenths, int colourToPlay) {
  if (territoryMarginTenths) {
    const long long m = *territoryMarginTenths;
    if (m > 0) return margin(u'B', m);
    if (m < 0) return margin(u'W', -m);
    return u"0";
  }
  return colourToPlay > 0 ? u"W+R" : u"B+R";
}

namespace {

void fillAutomaticResult(GameInfoForm& form, const Document& doc, std::optional<int> territoryMarginTenths) {
  form.values[kResultField] = automaticResult(territoryMarginTenths, doc.colourToPlay);
}

}  // namespace

bool swapPlayers(GameInfoForm& form) {
  if (!form.swapAvailable) return false;
  std::swap(form.values[kBlackPlayerField], form.values[kWhitePlayerField]);
  std::swap(form.values[kBlackRankField], form.values[kWhiteRankField]);
  form.swapAvailable = false;
  return true;
}

namespace {

// "現在日時入力": the local time as "%Y-%m-%d-%H" in the date field.
void enterCurrentDate(GameInfoForm& form, platform::Services& services) {
  const std::tm now = services.localTime(services.now());
  form.values[kDateField] = number(now.tm_year + 1900) + u"-" + twoDigits(now.tm_mon + 1) + u"-" +
                            twoDigits(now.tm_mday) + u"-" + twoDigits(now.tm_hour);
}

}  // namespace

void tickField(GameInfoForm& form, std::size_t index, bool ticked) {
  if (index < kGameInfoFieldCount) form.ticked[index] = ticked;
}

bool gameInfoCommand(GameInfoForm& form, int id, bool checked, const Document& doc, platform::Services& services,
                     std::optional<int> territoryMarginTenths) {
  const bool single = form.showsSingleGameControls();
  const bool batch = form.mode == kGameInfoBatch;
  if (id == kAutoResultCommand && single) {
    fillAutomaticResult(form, doc, territoryMarginTenths);
    return true;
  }
  if (id == kSwapPlayersCommand && single) return swapPlayers(form);
  if (id == kCurrentDateCommand) {
    enterCurrentDate(form, services);
    return true;
  }
  if (id == kAutoHandicapBox && batch) {
    form.autoHandicap = checked;
    return true;
  }
  const int box = id - kBatchBoxFirst;
  if (batch && box >= 0 && box < static_cast<int>(kGameInfoFieldCount)) {
    tickField(form, static_cast<std::size_t>(box), checked);
    return true;
  }
  return false;
}

std::u16string dateWithWeekday(std::u16string_view text) {
  if (text.size() < 10) return std::u16string(text);
  for (std::size_t i : {0u, 1u, 2u, 3u, 5u, 6u, 8u, 9u})
    if (!isDigit(text[i])) return std::u16string(text);
  if (text[4] != u'-' || text[7] != u'-') return std::u16string(text);
  int year = digitsAt(text, 0, 4);
  int month = digitsAt(text, 5, 2);
  const int day = digitsAt(text, 8, 2);
  if (month < 1 || month > 12 || day < 1 || day > 31) return std::u16string(text);

  // Zeller's congruence; January and February count as months 13 and 14 of
  // the year before. 400 years are a whole number of weeks, so adding them
  // keeps every term positive for the year 0000.
  if (month < 3) {
    month += 12;
    --year;
  }
  year += 400;
  const int k = year % 100;
  const int j = year / 100;
  const int weekday = (day + 13 * (month + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
  std::u16string result(text.substr(0, 10));
  result += kWeekdays[static_cast<std::size_t>(weekday)];
  result += text.substr(10);
  return result;
}

}  // namespace mokuza
