#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "app/command_table.h"
#include "app/layout.h"
#include "app/menu_table.h"
#include "core/document/design_fields.h"
#include "core/document/navigation.h"
#include "core/record/text.h"
#include "playback/music_mode.h"
#include "playback/playlist_games.h"
#include "playlist/list_games.h"
#include "render/export_region.h"
#include "tests/app/app_test_support.h"

namespace mokuza::test {
namespace {

// Three short corpus games in a playlist: a move every 3 ticks (every tick in
// the third game) and its fade as long, a pause after a game, no loop. The
// timer alone drives the show: a tick, then the paint the window owes when it
// was invalidated.
class ShowTest : public AppTest {
 protected:
  void SetUp() override {
    app->doc.globalOptions[GlobalOption::UpdateTime] = 10;
    PlaylistContext context = app->playlistContext();
    ASSERT_EQ(createPlaylistAt(context, pathToText(folder / "show.gpl")), ListOutcome::Done);
    const fs::path games = fs::path(MOKUZA_CORPUS_DIR) / "variety";
    ASSERT_EQ(addGames(context, {pathToText(games / "aeb__9x9_nhk-newyear2002-1.sgf"),
                                 pathToText(games / "aeb__9x9_ohashi-vs-zen_OZ2.sgf"),
                                 pathToText(games / "fuego__9x9_zen-vs-pro-1.sgf")}),
              ListOutcome::Done);
    for (PlaylistEntry& entry : app->playlist.entries)
      for (auto [field, value] : {std::pair{DesignField::AutoSpeed, 30},
                                  {DesignField::MoveFadeTime, 30},
                                  {DesignField::HamaFadeTime, 40},
                                  {DesignField::LoopTime, -20}})
        setDesignValue(entry, field, value);
    setDesignValue(app->playlist.entries[2], DesignField::AutoSpeed, 5);
    layoutWindow(*app);
    app->paint();
  }
  void tick() {
    const int before = window.invalidations;
    app->onTimer();
    ++ticks;
    if (window.invalidations > before) app->paint();
  }
  // Ticks until the shown move or game changes; false when none did.
  bool nextMove() {
    const std::pair shown{app->playlist.currentGameIndex, app->doc.currentMove()};
    for (int i = 0; i < 200 && app->playback.autoPlay.running(); ++i) {
      tick();
      if (std::pair{app->playlist.currentGameIndex, app->doc.currentMove()} != shown) return true;
    }
    return false;
  }
  std::vector<int> alphas(int point, int kind) const {
    std::vector<int> found;
    if (auto it = app->painter.fades().queues().find(point); it != app->painter.fades().queues().end())
      for (const render::FadeLayer& layer : it->second.layers)
        if (layer.kind == kind) found.push_back(render::fadeLayerAlpha(layer));
    return found;
  }
  int ticks = 0;
};

TEST_F(ShowTest, EveryMoveFadesInInOrderGamesPauseBetweenAndTheShowStopsAfterTheLast) {
  playback::startPlaylistAutoPlay(app->playback);
  std::string trace, expected;
  int lastTick = 0, lastGame = 0, captures = 0;
  do {
    const int game = app->playlist.currentGameIndex, move = app->doc.currentMove(), gap = ticks - lastTick;
    lastTick = ticks;
    trace += std::to_string(game) + ":" + std::to_string(move) + " ";
    if (game != lastGame) {
      for (int m = move; m <= app->doc.moveCount(); ++m)
        expected += std::to_string(game) + ":" + std::to_string(m) + " ";
      EXPECT_TRUE(lastGame == 0 || gap >= 3 + 5) << "the last move's wait and the pause";
      lastGame = game;
      continue;
    }
    // The first move waits for the game's cross-fade; each later one comes
    // 3 ticks after the last (the showing tick's paint is its wait's first
    // frame), in the third game, whose display time is below the period, 1.
    EXPECT_TRUE(move == 1 ? gap >= 51 : gap == (game == 3 ? 1 : 3)) << trace;
    const auto& was = app->doc.board.history.boardGrids[static_cast<std::size_t>(move - 1)].stones;
    for (int p = 0; p < 81; ++p)
      if (was[RecordPoint{p}] != 0 && app->doc.shownPosition.boardGrid.stones[RecordPoint{p}] == 0) {
        // Both capture layers, newest last, at their first frame (4 and 2 frames long).
        const std::vector<int> out = alphas(p, render::kFadeCaptureOut), half = alphas(p, render::kFadeCaptureHalf);
        EXPECT_TRUE(!out.empty() && out.back() == 63 && !half.empty() && half.back() == 127) << trace;
        ++captures;
      }
    const MoveRecord& record = app->doc.record().lineCopy[static_cast<std::size_t>(move)];
    if (!record.hasMove() || record.point >= 81) continue;  // a pass
    EXPECT_EQ(alphas(record.point, render::kFadeMoveIn), std::vector<int>{85}) << trace;
    window.modal = move == 9;
    for (int i = 0; window.modal && i < 20; ++i, ++lastTick) tick();
    window.modal = false;
    EXPECT_EQ(app->doc.currentMove(), move) << "a modal dialog holds the show";
    if (game == 3) continue;  // a move each tick: the next frame comes with the next move
    tick();
    EXPECT_EQ(alphas(record.point, render::kFadeMoveIn), std::vector<int>{170}) << "the stone grows more opaque";
  } while (nextMove());
  EXPECT_EQ(trace, expected);
  EXPECT_TRUE(captures > 0 && !app->playback.autoPlay.running() && services.midiMessagesSent == 0);
}

// A display time of 0 plays as fast as the timer goes and still moves on.
TEST_F(ShowTest, ADisplayTimeOfZeroStillOpensTheNextGames) {
  for (PlaylistEntry& entry : app->playlist.entries) setDesignValue(entry, DesignField::AutoSpeed, 0);
  playback::startPlaylistAutoPlay(app->playback);
  std::set<int> games;
  while (nextMove()) games.insert(app->playlist.currentGameIndex);
  EXPECT_EQ(games, (std::set<int>{1, 2, 3}));
  EXPECT_FALSE(app->playback.autoPlay.running());
}

// The arrow keys and the wheel step past the ends of a playlist game into
// its neighbours; in replay mode N does so after the last figure.
TEST_F(ShowTest, StepsPastTheEndsOfAGameOpenTheNeighbouringGame) {
  const auto press = [this](app::Key key) {
    app->onKeyDown({key, {}, false});
    app->onKeyUp({key, {}, false});
  };
  ASSERT_EQ(playback::OpenPlaylistGame(app->playback, 1, u""), OpenOutcome::Opened);
  showMove(app->doc, app->doc.moveCount());
  press(app::Key::Right);
  EXPECT_EQ(std::pair(app->playlist.currentGameIndex, app->doc.currentMove()), std::pair(2, 0));
  app->onWheel(1, {});
  EXPECT_EQ(std::pair(app->playlist.currentGameIndex, app->doc.currentMove()), std::pair(1, 0));
  press(app::Key::Right);
  EXPECT_EQ(std::pair(app->playlist.currentGameIndex, app->doc.currentMove()), std::pair(1, 1));

  app->DispatchCommand(30300);
  const int end = playback::showableEnd(app->doc);
  showMove(app->doc, end - 1);
  press(app::Key::N);
  EXPECT_EQ(std::pair(app->playlist.currentGameIndex, app->doc.currentMove()), std::pair(1, end));
  press(app::Key::N);
  EXPECT_EQ(app->playlist.currentGameIndex, 2);
}

// With 次譜自動再生 on, N plays the next figure as a show: every stone of it,
// the figure's last one too, fades in over the display time before the run ends.
TEST_F(ShowTest, AFigurePlayedOnFadesInEveryStoneToItsLast) {
  ASSERT_EQ(playback::OpenPlaylistGame(app->playback, 1, u""), OpenOutcome::Opened);
  while (app->paintState.crossFade > 0 && ticks < 500) tick();
  app::runCommand(*app, app::Command::ReplayMode);
  app::runCommand(*app, app::Command::AutoNextFigure);
  app->doc.state.design.figureEnds = {0, 6};
  // Fades longer than the display time: the last one outlasts the run's moves.
  setDesignValue(app->doc.state.design, DesignField::MoveFadeTime, 60);
  showMove(app->doc, 0);
  app->paint();
  app->onKeyDown({app::Key::N, {}, false});
  app->onKeyUp({app::Key::N, {}, false});
  app->paint();                          // the frame the window owes the first stone
  std::vector<std::vector<int>> frames;  // of each stone: its alpha at its first two frames
  for (int move = 1; move <= 6; ++move) {
    ASSERT_TRUE(app->doc.currentMove() == move || nextMove()) << move;
    ASSERT_EQ(app->doc.currentMove(), move);
    const int point = app->doc.record().lineCopy[static_cast<std::size_t>(move)].point;
    frames.push_back(alphas(point, render::kFadeMoveIn));
    tick();
    for (int alpha : alphas(point, render::kFadeMoveIn)) frames.back().push_back(alpha);
  }
  EXPECT_EQ(frames, std::vector<std::vector<int>>(6, {42, 85}));
  const int last = app->doc.record().lineCopy[6].point;
  std::vector<int> lastFrames;
  while (app->playback.autoPlay.running() && ticks < 1000) {
    tick();
    for (int alpha : alphas(last, render::kFadeMoveIn))
      if (lastFrames.empty() || lastFrames.back() != alpha) lastFrames.push_back(alpha);
  }
  EXPECT_EQ(lastFrames, (std::vector<int>{127, 170, 212})) << "the run waits for the last fade";
  EXPECT_EQ(app->doc.currentMove(), 6);
}

// The fades sound in music mode; the board image waits for the end of the show.
TEST_F(ShowTest, InMusicModeTheFadesSoundAndTheImageIsWrittenAfterTheShow) {
  app->doc.state.options[DocumentOption::MusicMode] = 1;
  app->doc.globalOptions[GlobalOption::ImageOutput] = render::kOutputBoard;
  playback::syncMusicMode(app->playback);
  playback::startPlaylistAutoPlay(app->playback);
  for (int i = 0; i < 6; ++i) ASSERT_TRUE(nextMove());
  int notes = 0;
  for (const auto& call : services.callsOf("midiShortMessage"))
    notes += (call.answer & 0xF0) == 0x90 && (call.answer >> 16 & 127) > 0;
  EXPECT_GE(notes, 5) << "a note on for each stone played";
  EXPECT_FALSE(fs::exists(folder / "output.jpg"));
  playback::stopAutoPlay(app->playback);
  app->paint();
  EXPECT_TRUE(fs::exists(folder / "output.jpg"));
}

// "画像として保存": the board as the export setting cuts it (the stone choices
// write the board), PNG or JPEG as the chosen name says, and a message naming
// the file written.
TEST_F(ShowTest, SaveAsImageWritesTheFormatTheNameAsksFor) {
  render::ExportCut boardCut;
  boardCut.choice = render::kOutputBoard;
  const render::PixelRect board = render::exportRegion(boardCut, app->layout.geometry);
  ASSERT_GT(board.width, 0);
  for (const auto& [choice, chosen, written, magic] :
       {std::tuple{render::kOutputBoard, "a.PNG", "a.PNG", std::string("\x89PNG")},
        {render::kOutputStonesCurrent, "b.jpeg", "b.jpeg", std::string("\xFF\xD8")},
        {render::kOutputNone, "c.gif", "c.gif.png", std::string("\x89PNG")}}) {
    SCOPED_TRACE(chosen);
    app->doc.globalOptions[GlobalOption::ImageOutput] = choice;
    services.saveDialogAnswers = {folder / chosen};
    app::runCommand(*app, app::Command::SaveImage);
    EXPECT_EQ(readFileBytes(folder / written).value_or("").substr(0, magic.size()), magic);
    const QImage image(QString::fromStdU16String(pathToText(folder / written)));
    EXPECT_EQ(image.size(), QSize(board.width, board.height));
    ASSERT_EQ(services.calls.back().kind, "messageBox");
    EXPECT_TRUE(services.calls.back().text.ends_with(pathToText(folder / written)));
  }
  const std::size_t calls = services.calls.size();
  services.saveDialogAnswers = {std::nullopt};
  app::runCommand(*app, app::Command::SaveImage);
  EXPECT_EQ(services.calls.size(), calls + 1) << "a cancelled dialog writes and says nothing";
}

// The status line follows the show: its moves and, looping, its laps. The
// icon strip follows it too, though the moves come in by fade frames: begun
// at move 0, the back-step icons turn from greyed to live.
TEST_F(ShowTest, TheStatusLineAndTheIconStripFollowTheShow) {
  playback::startPlaylistAutoPlay(app->playback);
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(nextMove());
  EXPECT_NE(window.status.find(u"計" + asciiToUtf16(std::to_string(app->playback.autoPlay.movesPlayedCount)) + u"手"),
            std::u16string::npos);
  const QRect strip = app->painter.iconRects().front().united(app->painter.iconRects().back());
  const QImage shown = app->paintState.window.copy(strip);
  const QImage full = app->painter.Repaint(app->renderState(), app->layout.geometry, app->paintState.window.size()).copy(strip);
  EXPECT_TRUE(shown == full);
  playback::stopAutoPlay(app->playback);
  setDesignValue(app->doc.state.design, DesignField::LoopTime, 0);
  showMove(app->doc, 0);
  playback::ToggleAutoPlay(app->playback, false);
  while (app->playback.autoPlay.autoPlayLap < 1) ASSERT_TRUE(nextMove());
  EXPECT_NE(window.status.find(u"《自動再生2周目》"), std::u16string::npos);
}

}  // namespace
}  // namespace mokuza::test
