#include "render/fade_queue.h"

#include <algorithm>

namespace mokuza::render {

int FadeFrameCount(int milliseconds, int updateTime) { return std::max(1, milliseconds / std::max(updateTime, 1)); }

int FadeFramesForKind(int kind, const FadeTimes& times) {
  switch (kind) {
    case kFadeCaptureOut:
      return FadeFrameCount(times.captureFade, times.updateTime);
    case kFadeChange:
      return FadeFrameCount(times.changeFade, times.updateTime);
    case kFadeCaptureHalf:
      return std::max(1, FadeFrameCount(times.captureFade, times.updateTime) / 2);
    default:
      return FadeFrameCount(times.moveFade, times.updateTime);
  }
}

int FadeLayerAlpha(const FadeLayer& layer) {
  if (layer.remaining <= 0 || layer.total <= 0) return 255;
  return (layer.total - layer.remaining) * 255 / layer.total;
}

void FadeQueues::add(int point, int kind, const FadeTimes& times) {
  FadeLayer layer;
  layer.kind = kind;
  layer.total = layer.remaining = FadeFramesForKind(kind, times);
  queues_[point].push_back(std::move(layer));
}

void FadeQueues::dropFinished() {
  for (auto it = queues_.begin(); it != queues_.end();) {
    auto& layers = it->second;
    layers.erase(std::remove_if(layers.begin(), layers.end(), [](const FadeLayer& l) { return l.remaining <= 0; }),
                 layers.end());
    it = layers.empty() ? queues_.erase(it) : std::next(it);
  }
}

}  // namespace mokuza::render
