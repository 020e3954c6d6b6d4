// Files dropped on the main window: design images and stone sounds, games,
// playlists and settings files.

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "app/commands.h"
#include "app/layout.h"
#include "app/startup.h"
#include "app/view_refresh.h"
#include "core/document/recent_files.h"
#include "core/document/undo.h"
#include "core/record/text.h"
#include "render/board_geometry.h"
#include "settings/settings_dialog.h"

namespace mokuza::app {
namespace {

constexpr std::array<std::u16string_view, 5> kImageExtensions{u".jpg", u".jpeg", u".bmp", u".gif", u".png"};

// The extension with its dot, empty when the name has none.
std::u16string_view extensionOf(std::u16string_view path) {
  const std::u16string_view name = fileNameOf(path);
  const std::size_t dot = name.find_last_of(u'.');
  return dot == std::u16string_view::npos ? std::u16string_view() : name.substr(dot);
}

bool isImagePath(std::u16string_view path) {
  std::u16string extension(extensionOf(path));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; });
  return std::find(kImageExtensions.begin(), kImageExtensions.end(), extension) != kImageExtensions.end();
}

bool hasExtension(std::u16string_view path, std::u16string_view lower, std::u16string_view upper) {
  const std::u16string_view extension = extensionOf(path);
  return extension == lower || extension == upper;
}

bool isStarPoint(const render::BoardGeometry& g, int point) {
  const int n = g.boardSize;
  const std::array<int, 2> corner{point % n * g.pitch + g.starOffset, point / n * g.pitch + g.starOffset};
  const std::vector<std::array<int, 2>> stars = render::StarPointCorners(g);
  return std::find(stars.begin(), stars.end(), corner) != stars.end();
}

// What lies under the drop point decides which image it becomes.
FileField imageFieldAt(const Application& app, MousePos position) {
  const int point = boardPointAt(app, position);
  if (point < 0 || point >= app.doc.board.geometry.pointCount) return FileField::Background;
  const int stone = app.doc.shownPosition.boardGrid.stones[RecordPoint{point}];
  if (stone == kStoneBlack) return FileField::BlackStone;
  if (stone == kStoneWhite) return FileField::WhiteStone;
  return isStarPoint(app.layout.geometry, point) ? FileField::Star : FileField::Goban;
}

void setDesignFile(Application& app, FileField field, const std::u16string& path) {
  SetFilePath(app.doc.state.gameInfo, field, path);
  recordUndo(app.doc, std::u16string(fieldInfo(field).label) + u"指定 - " + std::u16string(stemOf(path)) + u" " +
                          std::u16string(extensionOf(path)));
}

void dropSound(Application& app, const std::u16string& path) {
  const platform::Answer answer =
      app.services.messageBox({u"どちらの石音にしますか？\n［はい＝黒］［いいえ＝白］", u"Mokuza",
                               platform::Buttons::YesNoCancel, platform::Icon::Question});
  if (answer == platform::Answer::Yes) setDesignFile(app, FileField::BlackSound, path);
  else if (answer == platform::Answer::No) setDesignFile(app, FileField::WhiteSound, path);
}

void dropSettingsFile(Application& app, const std::u16string& path) {
  if (loadSettingsFile(app.doc, app.settings, app.services, app.settingsContext(), textToPath(path)) != kSettingsLoaded)
    return;
  followSettings(app);
}

}  // namespace

void Application::onDrop(const std::vector<std::u16string>& paths, MousePos position) {
  const EventScope scope(*this);
  if (paths.empty()) return;
  if (paths.size() > 1) {
    services.messageBox({u"ファイルを開けませんでした", u"Mokuza", platform::Buttons::Ok, platform::Icon::Warning});
    return;
  }
  const std::u16string& path = paths.front();
  if (!fileUsable(*this, path)) return;
  if (isImagePath(path)) {
    setDesignFile(*this, imageFieldAt(*this, position), path);
    paintState.flags.rebuildImages = true;
    repaint();
  } else if (hasExtension(path, u".wav", u".WAV")) {
    dropSound(*this, path);
  } else if (isGamePath(path) || isPlaylistPath(path)) {
    openGameFile(doc, services, path);
  } else if (hasExtension(path, u".dat", u".DAT")) {
    dropSettingsFile(*this, path);
  }
}

}  // namespace mokuza::app
