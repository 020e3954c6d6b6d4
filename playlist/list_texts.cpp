#include "playlist/list_texts.h"

#include <cstdlib>

#include "core/document/recent_files.h"
#include "core/record/decimal.h"

namespace mokuza {
namespace {

std::u16string numberOf(const Playlist& playlist, int record) {
  return decimalText(playlist.entries[static_cast<std::size_t>(record)].number);
}

}  // namespace

std::vector<int> selectedPlaces(const Playlist& playlist) {
  std::vector<int> places;
  if (playlist.list.selected.empty()) return places;
  for (int place = 0; place < playlist.gameCount(); ++place)
    if (playlist.list.selected.contains(playlist.displayOrder[static_cast<std::size_t>(place)]))
      places.push_back(place);
  return places;
}

std::u16string selectionText(const Playlist& playlist) {
  const std::vector<int> places = selectedPlaces(playlist);
  if (places.empty()) {
    const int shown = playlist.currentGameIndex - 1;
    if (playlist.currentGameIndex <= 0 || shown >= static_cast<int>(playlist.entries.size())) return u" [リスト外]";
    return u" [No." + numberOf(playlist, shown) + u"]";
  }
  const int first = playlist.displayOrder[static_cast<std::size_t>(places.front())];
  const int last = playlist.displayOrder[static_cast<std::size_t>(places.back())];
  if (places.size() == 1) return u" [No." + numberOf(playlist, first) + u"]";
  return u" [No." + numberOf(playlist, first) + u"～No." + numberOf(playlist, last) + u"]";
}

std::u16string playlistWindowTitle(const Playlist& playlist) {
  std::u16string title = u"プレイリスト　〈" + std::u16string(fileNameOf(playlist.path)) + u"〉 - ";
  const int shown = playlist.currentGameIndex - 1;
  if (playlist.currentGameIndex > 0 && shown < static_cast<int>(playlist.entries.size()))
    title += u"No." + numberOf(playlist, shown) + u"　";
  title += u"全" + decimalText(playlist.gameCount()) + u"局";
  if (playlist.gamesLeftOut > 0)
    title += u"（ほか" + decimalText(playlist.gamesLeftOut) + u"局は読み込めませんでした）";
  if (playlist.bytesReplaced) title += u"（読み込めない文字がありました）";
  return title;
}

std::u16string addingWindowTitle(const Playlist& playlist, int added) {
  return u"プレイリスト　〈" + std::u16string(fileNameOf(playlist.path)) + u"〉 - 追加処理中（" + decimalText(added) +
         u"局）";
}

std::u16string stepButtonLabel(int step) {
  std::u16string label = step < 0 ? u"▲" : u"▼";
  const int size = std::abs(step);
  if (size < 10) label.push_back(static_cast<char16_t>(u'０' + size));
  else label += decimalText(size);
  return label;
}

}  // namespace mokuza
