// The search result on the board: one complete match at a time, drawn in the
// pattern's orientation and colours, stepped with the arrows and opened with
// Enter.

#include <algorithm>

#include "app/board_input.h"
#include "app/search_session.h"
#include "core/document/design_fields.h"
#include "core/document/navigation.h"
#include "core/record/decimal.h"
#include "core/record/text.h"
#include "playback/playlist_games.h"
#include "playlist/list_cells.h"
#include "search/search_summary.h"
#include "search/search_texts.h"
#include "search/stone_replay.h"

namespace mokuza::app {
namespace {

// A complete match: a game of the result (its index in the result's games)
// at a position, found by a variant.
struct Example {
  std::size_t game = 0;
  int position = 0;
  int variant = 0;
  bool exchanged = false;
};

// Both matches of a game, its own colours first, the games in list order.
std::vector<Example> examplesOf(const search::SearchResults& results) {
  std::vector<Example> examples;
  for (std::size_t i = 0; i < results.games.size(); ++i) {
    const search::GameMatch& m = results.games[i].match;
    if (m.ownMatch >= 0) examples.push_back({i, m.ownMatch, m.ownVariant, false});
    if (m.exchangedMatch >= 0) examples.push_back({i, m.exchangedMatch, m.exchangedVariant, true});
  }
  return examples;
}

// "○" when the side that has Black in the pattern won the game, "□" for the
// other side, nothing when the result decides nothing.
char16_t resultMark(search::GameOutcome outcome, bool exchanged) {
  if (outcome == search::GameOutcome::Undecided) return 0;
  return (outcome == search::GameOutcome::BlackWin) != exchanged ? u'○' : u'□';
}

// The game's stones at the match, turned back into the pattern's orientation,
// colours exchanged for a match with exchanged colours; the numbers of the
// last black and white moves up to it; the point of its last move.
void drawMatchedGame(render::SearchDisplay& d, const search::MainLine& line, const Example& example) {
  const int n = line.boardSize;
  const int position = std::min(example.position, line.lastPosition());
  search::StoneBoard board(n);
  for (std::uint32_t i = 0; i < line.positionEnd[static_cast<std::size_t>(position)]; ++i)
    board.place(line.stones[i].point, line.stones[i].colour);
  d.stones.assign(static_cast<std::size_t>(n * n), 0);
  for (int q = 0; q < n * n; ++q)
    if (const int c = board.stoneAt(q); c != 0)
      d.stones[static_cast<std::size_t>(search::patternPointOf(q, example.variant, n))] =
          static_cast<std::int8_t>(example.exchanged ? -c : c);
  for (int m = position; m >= 1 && (d.blackMove == 0 || d.whiteMove == 0); --m) {
    const search::LineStone move = line.moves[static_cast<std::size_t>(m)];
    int& number = move.colour > 0 ? d.blackMove : d.whiteMove;
    if (move.colour != 0 && number == 0) number = m;
    if (m == position && move.point >= 0) d.selectedPoint = search::patternPointOf(move.point, example.variant, n);
  }
}

// The follow-up points the result letters, as many as its settings show.
void markCandidates(render::SearchDisplay& d, const search::SearchResults& results) {
  const auto& candidates = results.summary.candidates;
  const std::size_t shown = std::min<std::size_t>(
      {candidates.size(), d.candidates.size(), static_cast<std::size_t>(std::max(results.settings.followUpCount, 0))});
  for (std::size_t i = 0; i < shown; ++i) d.candidates[i] = candidates[i].point;
  d.candidateColour = search::nextColour(results.pattern);
  const search::SearchPattern& pattern = results.pattern;
  d.range = pattern.range;
  for (int p : pattern.patternPoints)
    if (const int v = pattern.patternValue[static_cast<std::size_t>(p)]; v == 1 || v == -1)
      d.matchedPoints.push_back(p);
}

// The shown example moves by `step`, held to the first and the last.
void stepExample(Application& app, int step) {
  const search::SearchResults* results = currentSearchResults(app);
  if (!results) return;
  const int count = static_cast<int>(examplesOf(*results).size());
  app.search.example = std::clamp(app.search.example + step, 0, std::max(count - 1, 0));
  refreshSearchDisplay(app);
}

// Up shows one more follow-up candidate, Down one fewer; the panel's field
// and the result's follow-up line follow.
void changeFollowUps(Application& app, int step) {
  if (!currentSearchResults(app)) return;
  search::SearchResults& results = *app.search.results;
  const int count = std::clamp(results.settings.followUpCount + step, 0, search::kFollowUpCandidates);
  results.settings.followUpCount = count;
  app.search.followUpCount = count;
  results.texts = search::composeTexts(results, fileNameOf(app.playlist.path));
  refreshSearchDisplay(app);
}

// Enter: the shown match's game opens at the match.
void openExample(Application& app) {
  const search::SearchResults* results = currentSearchResults(app);
  if (!results) return;
  const std::vector<Example> examples = examplesOf(*results);
  if (examples.empty()) return;
  const Example example =
      examples[static_cast<std::size_t>(std::clamp(app.search.example, 0, static_cast<int>(examples.size()) - 1))];
  const int entry = results->games[example.game].entry;
  if (playback::OpenPlaylistGame(app.playback, entry + 1, playback::kOpenHistoryText) != OpenOutcome::Opened) return;
  leaveSearchResult(app);
  showMove(app.doc, std::min(example.position, app.doc.moveCount()));
  refreshShownMove(app);
}

}  // namespace

void refreshSearchDisplay(Application& app) {
  render::SearchDisplay& d = app.search.display;
  const auto held = d.heldKeys;
  d = render::SearchDisplay{};
  d.heldKeys = held;
  app.repaint();
  const search::SearchResults* results = currentSearchResults(app);
  if (!results) return;
  const std::vector<Example> examples = examplesOf(*results);
  if (examples.empty()) return;
  const int k = std::clamp(app.search.example, 0, static_cast<int>(examples.size()) - 1);
  app.search.example = k;
  const Example& example = examples[static_cast<std::size_t>(k)];
  const search::GameSearchResult& game = results->games[example.game];
  if (game.entry < 0 || game.entry >= static_cast<int>(app.playlist.entries.size())) return;
  const PlaylistEntry& entry = app.playlist.entries[static_cast<std::size_t>(game.entry)];
  GameRecord scratch;
  const std::shared_ptr<const search::MainLine> line =
      app.search.lines->load(textToPath(FilePath(entry, FileField::SgfFile)), scratch);
  if (!line || line->boardSize != results->pattern.boardSize || line->positionEnd.empty()) return;
  d.shown = true;
  drawMatchedGame(d, *line, example);
  markCandidates(d, *results);
  d.blackPlayer = cellText(entry, u"黒対局者");
  d.whitePlayer = cellText(entry, u"白対局者");
  d.moveCountText = decimalText(line->lastPosition());
  d.dateText = cellText(entry, u"対局日");
  d.result = cellText(entry, u"結果");
  d.resultMark = resultMark(game.outcome, example.exchanged);
  d.example = k + 1;
  d.total = static_cast<int>(examples.size());
  d.gameNumber = game.number;
  d.otherMatches = d.total - 1;
  d.followMoves = results->settings.followUpCount;
}

bool searchBrowseKey(Application& app, Key key) {
  if (!app.search.display.shown || autoPlayRunning(app)) return false;
  switch (key) {
    case Key::Left: stepExample(app, -1); return true;
    case Key::Right: stepExample(app, 1); return true;
    case Key::Up: changeFollowUps(app, 1); return true;
    case Key::Down: changeFollowUps(app, -1); return true;
    case Key::Enter: openExample(app); return true;
    default: return false;
  }
}

void leaveSearchResult(Application& app) {
  if (!app.search.display.shown) return;
  app.search.display = render::SearchDisplay{};
  app.repaint();
}

}  // namespace mokuza::app
