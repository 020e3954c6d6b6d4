#pragma once
// The fade queues of the auto-play wait: per board point an ordered list of
// layers that blend in, frame by frame, over the cell the window showed
// before the fade.

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "playback/fade_note.h"

namespace mokuza::render {

enum FadeKind : int {
  kFadeMoveIn = 0,       // a played stone appears ("着手フェード")
  kFadeCaptureOut = 1,   // a captured stone's point empties ("抜きフェード")
  kFadeChange = 2,       // the stone display changes ("変化フェード")
  kFadeCaptureHalf = 3,  // the captured stone, over half the capture time
  kFadeMusic = 4,        // a move layer of the music mode
};

// The design times of the fades, in milliseconds, and the timer period.
struct FadeTimes {
  int moveFade = 1000;     // "着手フェード"
  int captureFade = 1000;  // "抜きフェード"
  int changeFade = 200;    // "変化フェード"
  int updateTime = 10;     // "update_time"
};

// A time in milliseconds as a number of frames, at least 1.
int fadeFrameCount(int milliseconds, int updateTime);
int fadeFramesForKind(int kind, const FadeTimes& times);

struct FadeLayer {
  int kind = kFadeMoveIn;
  int total = 1;
  int remaining = 1;
  bool rendered = false;            // the cell below is made on the first frame
  std::vector<std::uint32_t> cell;  // pitch x pitch ARGB: clean cell with this layer's point drawn
  playback::FadeNote note;          // the layer's sound in music mode
};

// The constant alpha of a fade with `remaining` of `total` frames left:
// (total - remaining) x 255 / total, opaque at the end.
int fadeAlpha(int total, int remaining);
// The constant alpha a layer is blended with after its count went down.
int fadeLayerAlpha(const FadeLayer& layer);

// The music of the layers in music mode: a layer advanced by one frame, a
// layer was removed. Unset members do nothing.
struct FadeLayerSound {
  std::function<void(int point, FadeLayer& layer)> advanced;
  std::function<void(FadeLayer& layer)> removed;
};

// The fade of one point: its layers in the order they were added, drawn from
// the last to the first so that the first one added lies on top (a capture
// adds the emptying layer, then the half-length layer of the captured stone
// under it), and the cell every frame starts from.
struct FadePoint {
  std::vector<FadeLayer> layers;
  // pitch x pitch ARGB: the window's cell before the fade, taken on the
  // point's first frame; a finished layer is laid into it before it goes.
  std::vector<std::uint32_t> base;
};

// Fades by unbordered point, in point order.
class FadeQueues {
 public:
  void add(int point, int kind, const FadeTimes& times);
  bool empty() const { return queues_.empty(); }
  // Removes every layer; `sound` hears of each.
  void clear(const FadeLayerSound* sound = nullptr);
  std::map<int, FadePoint>& queues() { return queues_; }
  const std::map<int, FadePoint>& queues() const { return queues_; }
  // Removes layers that have no frames left and points without layers;
  // `sound` hears of each removed layer.
  void dropFinished(const FadeLayerSound* sound = nullptr);

 private:
  std::map<int, FadePoint> queues_;
};

}  // namespace mokuza::render
