#pragma once
// An ALSA sequencer port (a hardware synthesizer, a software one the user
// runs) that takes the notes instead of the built-in synthesizer.

#include <memory>
#include <string>

#include "platform/qt/midi_message.h"

struct _snd_seq;
struct snd_midi_event;

namespace mokuza::platform {

class SequencerPort {
 public:
  // Connected to `address` ("128:0", "client name:0" or a client name), or
  // nothing when there is no sequencer or no such port.
  static std::unique_ptr<SequencerPort> connect(const std::string& address);

  SequencerPort(const SequencerPort&) = delete;
  SequencerPort& operator=(const SequencerPort&) = delete;
  ~SequencerPort();

  // Never waits: a message the queue has no room for is dropped.
  void send(ShortMessage message);
  // All sounds off and all notes off on the sixteen channels.
  void silence();

 private:
  SequencerPort(_snd_seq* seq, snd_midi_event* encoder, int port) : seq_(seq), encoder_(encoder), port_(port) {}

  _snd_seq* seq_ = nullptr;
  snd_midi_event* encoder_ = nullptr;
  int port_ = -1;
};

}  // namespace mokuza::platform
