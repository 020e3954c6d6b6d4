#include "playback/music_mode.h"

#include <algorithm>

#include "core/document/navigation.h"
#include "core/document/undo.h"
#include "playback/design_values.h"

namespace mokuza::playback {

Playback::Playback(Document& document, Playlist& list, platform::Services& platformServices,
                   std::filesystem::path folder, std::ostream& err)
    : doc(document),
      playlist(list),
      services(platformServices),
      programFolder(std::move(folder)),
      notes(document, programFolder / kMidiFileName, err) {
  syncMusicMode(*this);
  doc.hooks.stopAutoPlay = [this] { stopAutoPlay(*this); };
  doc.hooks.autoPlayRunning = [this] { return autoPlay.running(); };
}

Playback::~Playback() {
  doc.hooks.stopAutoPlay = nullptr;
  doc.hooks.autoPlayRunning = nullptr;
  std::erase(doc.observers, &notes);
  closeMusicOutput(live, services);
}

void syncMusicMode(Playback& pb) {
  std::vector<ReplayObserver*>& observers = pb.doc.observers;
  std::erase(observers, &pb.notes);
  if (!musicModeOn(pb.doc.state.options)) {
    closeMusicOutput(pb.live, pb.services);
    return;
  }
  // After the classifier: the notes are made from the move names.
  auto classifier = std::find(observers.begin(), observers.end(), &pb.doc.classifier);
  observers.insert(classifier == observers.end() ? observers.end() : classifier + 1, &pb.notes);
  openMusicOutput(pb.live, pb.services);
}

void toggleMusicMode(Playback& pb) {
  const bool wasOn = musicModeOn(pb.doc.state.options);
  pb.doc.state.options[DocumentOption::MusicMode] = wasOn ? 0 : 1;
  syncMusicMode(pb);
  recomputePositions(pb.doc, 0);
  recordUndo(pb.doc, wasOn ? u"棋楽変換〈オフ〉" : u"棋楽変換〈オン〉");
  if (pb.actions.saveSettings) pb.actions.saveSettings();
}

}  // namespace mokuza::playback
