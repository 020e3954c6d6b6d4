#include "render/fade_queue.h"

#include <algorithm>

namespace mokuza::render {

int fadeFrameCount(int milliseconds, int updateTime) { return std::max(1, milliseconds / std::max(updateTime, 1)); }

int fadeFramesForKind(int kind, const FadeTimes& times) {
  switch (kind) {
    case kFadeCaptureOut: return fadeFrameCount(times.captureFade, times.updateTime);
    case kFadeChange: return fadeFrameCount(times.changeFade, times.updateTime);
    case kFadeCaptureHalf: return std::max(1, fadeFrameCount(times.captureFade, times.updateTime) / 2);
    default: return fadeFrameCount(times.moveFade, times.updateTime);
  }
}

int fadeAlpha(int total, int remaining) {
  if (remaining <= 0 || total <= 0) return 255;
  const long long passed = static_cast<long long>(total) - remaining;
  return static_cast<int>(std::clamp(passed * 255 / total, 0LL, 255LL));
}

int fadeLayerAlpha(const FadeLayer& layer) { return fadeAlpha(layer.total, layer.remaining); }

void FadeQueues::add(int point, int kind, const FadeTimes& times) {
  FadeLayer layer;
  layer.kind = kind;
  layer.total = layer.remaining = fadeFramesForKind(kind, times);
  queues_[point].layers.push_back(std::move(layer));
}

void FadeQueues::clear(const FadeLayerSound* sound) {
  if (sound != nullptr && sound->removed)
    for (auto& [point, fade] : queues_)
      for (FadeLayer& layer : fade.layers) sound->removed(layer);
  queues_.clear();
}

void FadeQueues::dropFinished(const FadeLayerSound* sound) {
  const auto finished = [](const FadeLayer& l) { return l.remaining <= 0; };
  for (auto it = queues_.begin(); it != queues_.end();) {
    auto& layers = it->second.layers;
    if (sound != nullptr && sound->removed)
      for (FadeLayer& layer : layers)
        if (finished(layer)) sound->removed(layer);
    layers.erase(std::remove_if(layers.begin(), layers.end(), finished), layers.end());
    it = layers.empty() ? queues_.erase(it) : std::next(it);
  }
}

}  // namespace mokuza::render
