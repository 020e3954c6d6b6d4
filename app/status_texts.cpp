#include "app/status_texts.h"

#include <algorithm>

#include "core/document/design_fields.h"
#include "core/document/game_info.h"
#include "core/document/navigation.h"
#include "core/document/recent_files.h"
#include "core/record/property_tables.h"
#include "core/record/text.h"
#include "core/rules/info_text.h"
#include "playback/figure_replay.h"

namespace mokuza::app {

namespace {

// The panel's edit fields break lines with CR LF; records keep bare LF.
std::u16string withCrLf(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char16_t c : text) {
    if (c == u'\n') out += u'\r';
    if (c != u'\r') out += c;
  }
  return out;
}

void fillPlaylist(const Application& app, InfoTextInputs& in) {
  const Playlist& playlist = app.playlist;
  if (playlist.path.empty()) return;
  in.playlistOpen = true;
  in.playlistName = std::u16string(fileNameOf(playlist.path));
  in.playlistCount = playlist.gameCount();
  const int shown = playlist.currentGameIndex - 1;
  if (playlist.currentGameIndex > 0 && shown < static_cast<int>(playlist.entries.size()))
    in.playlistNumber = playlist.entries[static_cast<std::size_t>(shown)].number;
  in.gameFileName = app.doc.state.fileTitle;
}

void fillAutoPlay(const Application& app, InfoTextInputs& in) {
  const playback::AutoPlayState& s = app.playback.autoPlay;
  if (!s.running()) return;
  const Design& design = app.doc.state.design;
  in.autoPlay = true;
  // The lap is counted once the show came round again, and only while it loops.
  in.loopPlay = designValue(design, DesignField::LoopTime) >= 0 && s.autoPlayLap > 0;
  in.loopCount = s.autoPlayLap + 1;
  in.moveDisplayTime = designValue(design, DesignField::AutoSpeed);
  if (s.playlistAutoPlay) in.showMovesPlayed = s.movesPlayedCount;
}

// In replay mode: the whole record when its last move may be shown, and the
// figure the shown move belongs to when the design divides the record.
void fillFigures(const Application& app, InfoTextInputs& in) {
  const Document& doc = app.doc;
  if (!replayModeOn(doc.state.options)) return;
  in.wholeRecordShown = doc.viewLimit >= doc.moveCount();
  const std::vector<int> ends = playback::buildFigureEnds(doc);
  const int last = playback::showableEnd(doc);
  // The list may start with the design's end of no figure (0): figure 1 ends
  // at the first end after move 0, and one figure alone is no division.
  const auto first = std::upper_bound(ends.begin(), ends.end(), 0);
  if (first == ends.end() || *first >= last) return;
  const auto at = std::lower_bound(first, ends.end(), std::max(doc.currentMove(), 1));
  in.figureNumber = static_cast<int>(at - first) + 1;
  in.figureFirstMove = at == first ? 1 : *(at - 1) + 1;
  in.figureLastMove = at == ends.end() ? last : *at;
}

bool isSpace(char16_t c) { return c == u' ' || c == u'　'; }

}  // namespace

std::u16string joinStatusParts(const std::vector<std::u16string>& parts) {
  std::u16string line;
  for (const std::u16string& part : parts) {
    const auto first = std::find_if_not(part.begin(), part.end(), isSpace);
    const auto last = std::find_if_not(part.rbegin(), part.rend(), isSpace).base();
    if (first >= last) continue;
    if (!line.empty()) line += kStatusSeparator;
    line.append(first, last);
  }
  return line;
}

namespace {

InfoTexts composeTexts(const Application& app) {
  const Document& doc = app.doc;
  InfoTextInputs in;
  in.moveName = std::u16string(doc.classifier.moveName(doc.currentMove()));
  in.coordinateStyle = designValue(doc.state.design, DesignField::GobanCoordinate);
  in.showResult = switchOn(doc.globalOptions, GlobalOption::ResultDisplay);
  fillPlaylist(app, in);
  fillAutoPlay(app, in);
  fillFigures(app, in);
  return ComposeInfoText(doc.board, doc.record(), app.counting, in);
}

}  // namespace

std::u16string statusText(const Application& app) {
  std::vector<std::u16string> parts = composeTexts(app).parts;
  const std::size_t ways = continuationsAfter(app.doc.record(), app.doc.currentMove()).size();
  if (ways > 1) parts.push_back(u"変化" + asciiToUtf16(std::to_string(ways)) + u"通り");
  return joinStatusParts(parts);
}

std::u16string gameInfoPageText(const Application& app) {
  const GameRecord& record = app.doc.record();
  const bool showResult = switchOn(app.doc.globalOptions, GlobalOption::ResultDisplay);
  std::u16string text;
  for (std::size_t i = 0; i < kGameInfoFieldCount; ++i) {
    const std::u16string_view label = kGameInfoDialogFields[i].label;
    const std::u16string_view value = record.header(label);
    if (value.empty() || (i == kResultField && !showResult)) continue;
    if (!text.empty()) text += u"\r\n";
    text.append(label).append(u"：");
    text += i == kDateField ? dateWithWeekday(value) : withCrLf(value);
  }
  return text;
}

std::u16string moveInfoPageText(const Application& app) {
  if (app.counting.countingMode) return composeTexts(app).scoreDialog;
  const GameRecord& record = app.doc.record();
  const auto m = static_cast<std::size_t>(std::max(app.doc.currentMove(), 0));
  if (m >= record.lineCopy.size()) return {};
  const MoveRecord& move = record.lineCopy[m];
  std::u16string text;
  for (const PropertyField& field : kMoveInfoFields) {
    const std::u16string* value = move.property(field.label);
    if (field.label == kMoveCommentLabel || !value || value->empty()) continue;
    text.append(field.label).append(u"：").append(*value).append(u"\r\n");
  }
  if (const std::u16string* comment = move.property(kMoveCommentLabel)) {
    if (!text.empty()) text += u"\r\n";
    text += withCrLf(*comment);
  }
  return text;
}

}  // namespace mokuza::app
