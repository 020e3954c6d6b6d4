#include "platform/qt/sequencer_port.h"

#include <alsa/asoundlib.h>

#include <array>

namespace mokuza::platform {
namespace {

constexpr int kChannels = 16;

}  // namespace

std::unique_ptr<SequencerPort> SequencerPort::connect(const std::string& address) {
  if (address.empty()) return nullptr;
  snd_seq_t* seq = nullptr;
  if (snd_seq_open(&seq, "default", SND_SEQ_OPEN_OUTPUT, SND_SEQ_NONBLOCK) < 0) return nullptr;
  snd_midi_event_t* encoder = nullptr;
  if (snd_midi_event_new(16, &encoder) < 0) {
    snd_seq_close(seq);
    return nullptr;
  }
  snd_midi_event_no_status(encoder, 1);  // every message complete, no running status
  snd_seq_set_client_name(seq, "Mokuza");
  const int port = snd_seq_create_simple_port(seq, "Mokuza", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                              SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
  std::unique_ptr<SequencerPort> result(new SequencerPort(seq, encoder, port));
  snd_seq_addr_t target{};
  if (port < 0 || snd_seq_parse_address(seq, &target, address.c_str()) < 0 ||
      snd_seq_connect_to(seq, port, target.client, target.port) < 0) {
    return nullptr;
  }
  return result;
}

SequencerPort::~SequencerPort() {
  if (encoder_) snd_midi_event_free(encoder_);
  if (seq_) snd_seq_close(seq_);
}

void SequencerPort::send(ShortMessage message) {
  const int length = message.length();
  if (length == 0) return;
  const std::array<unsigned char, 3> bytes = {message.status, message.data1, message.data2};
  snd_seq_event_t event;
  snd_seq_ev_clear(&event);
  snd_midi_event_reset_encode(encoder_);
  if (snd_midi_event_encode(encoder_, bytes.data(), length, &event) != length || event.type == SND_SEQ_EVENT_NONE) {
    return;
  }
  snd_seq_ev_set_source(&event, port_);
  snd_seq_ev_set_subs(&event);
  snd_seq_ev_set_direct(&event);
  snd_seq_event_output_direct(seq_, &event);
}

void SequencerPort::silence() {
  for (int channel = 0; channel < kChannels; ++channel) {
    const auto status = static_cast<std::uint8_t>(0xB0 | channel);
    send({status, MIDI_CTL_ALL_SOUNDS_OFF, 0});
    send({status, MIDI_CTL_ALL_NOTES_OFF, 0});
  }
}

}  // namespace mokuza::platform
