#include "platform/qt/stone_sounds.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include "platform/qt/file_dialogs.h"
#include "platform/user_files.h"

namespace mokuza::platform {

StoneSounds::Voices& StoneSounds::voicesFor(const std::filesystem::path& file) {
  if (auto it = loaded_.find(file); it != loaded_.end()) return it->second;
  if (loaded_.size() >= kFilesKept) loaded_.clear();
  Voices& voices = loaded_[file];
  const QUrl source = QUrl::fromLocalFile(pathText(file));
  for (auto& effect : voices.effects) {
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(source);
  }
  return voices;
}

bool StoneSounds::play(const std::filesystem::path& file) {
  // A FIFO or a huge file is never handed to the player, which would wait on it or read it all.
  constexpr std::uintmax_t kSoundFileMax = std::uintmax_t{16} << 20;
  if (QMediaDevices::audioOutputs().isEmpty() || !checkUserFile(file, kSoundFileMax)) return false;
  Voices& voices = voicesFor(file);
  // A free voice if there is one; otherwise the one started longest ago starts over.
  std::size_t chosen = voices.next;
  for (std::size_t i = 0; i < kVoices; ++i) {
    const std::size_t candidate = (voices.next + i) % kVoices;
    if (!voices.effects[candidate]->isPlaying()) {
      chosen = candidate;
      break;
    }
  }
  voices.effects[chosen]->play();
  voices.next = (chosen + 1) % kVoices;
  return true;
}

}  // namespace mokuza::platform
