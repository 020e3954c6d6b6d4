#include "app/search_session.h"
#include "app/view_refresh.h"

#include <algorithm>
#include <chrono>
#include <functional>

#include "core/document/design_fields.h"
#include "core/document/recent_files.h"
#include "playback/design_values.h"
#include "search/player_stats.h"
#include "search/playlist_search.h"
#include "search/search_summary.h"
#include "search/search_texts.h"

namespace mokuza::app {
namespace {

// How often the timer looks in on a running search: the result shows this
// late at most, and a look costs next to nothing.
constexpr int kSearchPeriodMs = 10;
// The title counts the games at most ten times a second: more is unreadable
// and costs the list window a redraw each.
constexpr std::chrono::milliseconds kCountingInterval{100};
// After a run the timer goes back to a hold tick's period; the next tick
// stops it when nothing else needs it.
constexpr int kAfterSearchMs = 100;

struct FieldRange {
  SearchField field;
  std::u16string_view label;
  std::u16string_view suffix;
  bool checkBox;
  int low, high;
};

constexpr FieldRange kFields[] = {
    {SearchField::BwFixed, u"黒白固定", u"", true, 0, 1},
    {SearchField::NextWithin, u"次手を範囲内に限定", u"", true, 0, 1},
    {SearchField::Threshold, u"一致率", u"％以上", false, 0, 100},
    {SearchField::FollowUpCount, u"後続手表示手数", u"", false, 0, search::kFollowUpCandidates},
};

const FieldRange& rangeOf(SearchField field) { return kFields[static_cast<std::size_t>(field)]; }

int fieldValue(const Application& app, SearchField field) {
  switch (field) {
    case SearchField::BwFixed: return switchOn(app.doc.globalOptions, GlobalOption::BwFixed);
    case SearchField::NextWithin: return switchOn(app.doc.globalOptions, GlobalOption::NextWithin);
    case SearchField::Threshold: return app.search.threshold;
    case SearchField::FollowUpCount: return app.search.followUpCount;
  }
  return 0;
}

std::u16string progressText(const Application& app, int searched) {
  return search::progressCaption(fileNameOf(app.playlist.path), app.playlist.gameCount(),
                                 std::min(searched + 1, app.playlist.gameCount()));
}

// The run is over: the timer goes back to what the window needs without it.
void endRun(Application& app) {
  app.search.run.reset();
  app.search.progress.clear();
  app.armTimer(autoPlayRunning(app) ? playback::updateTime(app.doc) : kAfterSearchMs);
}

bool beginRun(Application& app, search::SearchPattern pattern, const search::SearchSettings& settings) {
  if (app.playlist.displayOrder.empty() || pattern.patternPoints.empty()) return false;
  SearchSession& session = app.search;
  // A search started while one runs replaces it.
  session.run.reset();
  const std::size_t key = playlistGamesKey(app.playlist);
  if (key != session.linesKey) {
    session.lines = std::make_shared<search::MainLineCache>();
    session.linesKey = key;
  }
  SearchRun& run = session.run.emplace();
  run.pattern = std::move(pattern);
  run.settings = settings;
  run.playlistPath = app.playlist.path;
  run.order = app.playlist.displayOrder;
  run.counted = std::chrono::steady_clock::now();
  session.progress = progressText(app, 0);
  run.games = std::make_unique<search::BackgroundSearch>(*session.executor, search::gameFilesOf(app.playlist),
                                                         run.pattern, run.settings, session.lines);
  app.armTimer(kSearchPeriodMs);
  return true;
}

void finishRun(Application& app) {
  SearchSession& session = app.search;
  SearchRun& run = *session.run;
  session.results = search::gatherResults(run.games->takeResults(), run.pattern, run.settings, app.playlist);
  session.resultsKey = session.linesKey;
  session.example = 0;
  endRun(app);
  refreshSearchDisplay(app);
}

// The range tool's rectangle limits the pattern when a range is selected.
std::optional<std::array<int, 4>> patternRange(const Application& app) {
  const RangeSelection& range = app.doc.state.selection;
  if (app.inputMode != render::kInputRange || !range.active) return std::nullopt;
  return std::array<int, 4>{range.left, range.top, range.right, range.bottom};
}

}  // namespace

std::vector<SearchPanelField> searchPanel(const Application& app) {
  std::vector<SearchPanelField> fields;
  for (const FieldRange& f : kFields)
    fields.push_back({f.field, std::u16string(f.label), std::u16string(f.suffix), f.checkBox, fieldValue(app, f.field),
                      f.low, f.high, 1});
  return fields;
}

void setSearchPanelValue(Application& app, SearchField field, int value) {
  const EventScope scope(app);
  const FieldRange& range = rangeOf(field);
  value = std::clamp(value, range.low, range.high);
  switch (field) {
    case SearchField::BwFixed: app.doc.globalOptions[GlobalOption::BwFixed] = value; break;
    case SearchField::NextWithin: app.doc.globalOptions[GlobalOption::NextWithin] = value; break;
    case SearchField::Threshold: app.search.threshold = value; break;
    case SearchField::FollowUpCount: app.search.followUpCount = value; break;
  }
}

search::SearchSettings searchSettings(const Application& app) {
  return {fieldValue(app, SearchField::BwFixed) == 1, fieldValue(app, SearchField::NextWithin) == 1,
          fieldValue(app, SearchField::Threshold), fieldValue(app, SearchField::FollowUpCount)};
}

bool startSearch(Application& app) {
  return beginRun(app, search::makePattern(app.doc.board, app.doc.currentMove(), patternRange(app)),
                  searchSettings(app));
}

bool searchBoardClick(Application& app, int point) {
  if (!app.search.display.shown) return false;
  // The list's hits change with the result shown.
  const EventScope scope(app);
  const search::SearchResults* results = currentSearchResults(app);
  const auto& candidates = app.search.display.candidates;
  if (!results || point < 0 || std::find(candidates.begin(), candidates.end(), point) == candidates.end()) {
    leaveSearchResult(app);
    return false;
  }
  std::optional<search::SearchPattern> next = search::patternWithMove(results->pattern, point);
  return next && beginRun(app, std::move(*next), results->settings);
}

bool searchRunning(const Application& app) { return app.search.run.has_value(); }

void cancelSearch(Application& app) {
  const EventScope scope(app);
  if (app.search.run) endRun(app);
}

// The games go through the main-line reader, which names no moves, so the
// classifier's searchActive flag is not raised while the workers run: it
// would leave the user's own moves unnamed meanwhile.
bool searchTick(Application& app) {
  SearchSession& session = app.search;
  if (!session.run) return false;
  SearchRun& run = *session.run;
  if (app.playlist.path != run.playlistPath || app.playlist.displayOrder != run.order) {
    // The list changed under the search: what was found would not fit it.
    const EventScope scope(app);
    endRun(app);
    return true;
  }
  if (run.games->done()) {
    const EventScope scope(app);
    finishRun(app);
    return true;
  }
  // A click or a hold may have slowed the timer meanwhile.
  if (app.paintState.timerPeriod != kSearchPeriodMs) app.armTimer(kSearchPeriodMs);
  const auto now = std::chrono::steady_clock::now();
  if (now - run.counted >= kCountingInterval) {
    const EventScope scope(app);
    run.counted = now;
    session.progress = progressText(app, run.games->searched());
  }
  return true;
}

std::optional<std::u16string> searchListTitle(const Application& app) {
  if (app.search.run) return app.search.progress;
  const search::SearchResults* results = currentSearchResults(app);
  if (results && !results->texts.caption.empty()) return results->texts.caption + results->texts.resultLine;
  return std::nullopt;
}

std::vector<std::u16string> searchResultArea(const Application& app) {
  const search::SearchResults* results = currentSearchResults(app);
  if (!results) return {};
  return {results->texts.resultLine, results->texts.followUpLine};
}

const search::SearchResults* currentSearchResults(const Application& app) {
  const SearchSession& session = app.search;
  if (!session.results || session.resultsKey != playlistGamesKey(app.playlist)) return nullptr;
  return &*session.results;
}

std::optional<PlayerDetailsView> playerDetails(const Application& app, int side) {
  const ListState& list = app.playlist.list;
  const std::vector<int>& order = app.playlist.displayOrder;
  int entry = list.anchor;
  if (!list.selected.contains(entry)) {
    const auto first = std::find_if(order.begin(), order.end(), [&](int e) { return list.selected.contains(e); });
    if (first == order.end()) return std::nullopt;
    entry = *first;
  }
  const search::PlayerDetails details = search::playerDetails(app.playlist, entry, side);
  if (details.nameLine.empty()) return std::nullopt;
  return PlayerDetailsView{u"対局者詳細", {details.nameLine, details.recordLine}};
}

std::size_t playlistGamesKey(const Playlist& playlist) {
  const std::hash<std::u16string> hash;
  std::size_t key = hash(playlist.path);
  for (int index : playlist.displayOrder)
    if (index >= 0 && index < static_cast<int>(playlist.entries.size()))
      key += hash(FilePath(playlist.entries[static_cast<std::size_t>(index)], FileField::SgfFile)) *
             (2 * static_cast<std::size_t>(index) + 1);
  return key;
}

}  // namespace mokuza::app
