#include <filesystem>
#include <ostream>

#include "cli/commands.h"
#include "playback/design_values.h"
#include "playback/music_mode.h"
#include "playback/note_blocks.h"

namespace mokuza::cli {
namespace {

int runMidi(const Args& args, Streams streams) {
  ParsedArgs parsed = parseArgs(kMidiCommand, args, {{"-o", true}, {"--speed", true}});
  const std::string file = parsed.oneFile();
  const std::string output = parsed.value("-o").value_or("");
  const std::optional<int> speed = parsed.number("--speed", "--speed takes milliseconds above 0", 1);
  if (!parsed.error.empty()) return usageError(kMidiCommand, parsed.error, streams);

  Document doc;
  doc.state.options[DocumentOption::MusicMode] = 1;
  if (speed) setDesignValue(doc.state.design, DesignField::AutoSpeed, *speed);
  playback::NoteBlockObserver notes(doc, {}, streams.err);
  doc.observers.push_back(&notes);
  if (!loadGame(kMidiCommand, file, doc, streams)) return kExitFailure;
  const std::filesystem::path folder = output.empty() ? programFolder(kMidiCommand, streams) : std::filesystem::path();
  if (output.empty() && folder.empty()) return kExitFailure;
  const std::filesystem::path target =
      output.empty() ? folder / playback::kMidiFileName : std::filesystem::path(output);
  if (!playback::WriteMidiFile(notes.midiFile(), target, streams.err)) return kExitFailure;
  streams.out << "wrote " << target.string() << " (" << notes.midiFile().tracks().size() << " tracks)\n";
  return kExitOk;
}

}  // namespace

const Command kMidiCommand{"midi", "write the game's music as a Standard MIDI File",
                           "mokuza-cli midi FILE [-o OUT.mid] [--speed MS]\n"
                           "  Turns on music mode: every move of the main line becomes a note made\n"
                           "  from its move name, the stones of its figure resonate on tracks of\n"
                           "  their own. Writes OUT.mid (default: output.mid in the program folder).\n"
                           "  --speed sets the display time per move, which gives the tempo\n"
                           "  (60000 / MS beats per minute; default 1400).",
                           runMidi};

}  // namespace mokuza::cli
