// libFuzzer harness for the playlist (.gpl) reader.
//
// Built through CMake: configure with CXX=clang++ -DMOKUZA_FUZZ=ON, build playlist_reader_fuzz.
// Run it seeded with the playlists of the corpus (new inputs go to the first folder):
//   mkdir -p build-fuzz/found-gpl && build-fuzz/bin/playlist_reader_fuzz -max_len=65536 -timeout=10 \
//     -rss_limit_mb=2048 -max_total_time=600 build-fuzz/found-gpl ../shared/corpus
//
// Each input is decoded as a file would be and read as a playlist; the games
// read are written as a playlist file and read again. Besides memory errors
// and hangs it stops when that second reading does not find every game again.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/record/text.h"
#include "playlist/playlist_reader.h"
#include "playlist/playlist_writer.h"

namespace {

// Paths resolve against folders that do not exist: the reader only looks at
// the file system, and a fuzzer must not depend on what lies on the machine.
mokuza::PlaylistReadContext readContext() {
  mokuza::PlaylistReadContext context;
  context.programFolder = "/nonexistent-mokuza-fuzz/program";
  context.playlistFolder = u"/nonexistent-mokuza-fuzz/lists/";
  context.beforeFolder = context.playlistFolder;
  context.now = u"20240101000000";
  return context;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace mokuza;
  const std::u16string text = decodeBytes(std::string_view(reinterpret_cast<const char*>(data), size), TextKind::Plain);
  const PlaylistReadContext context = readContext();
  PlaylistReadResult first = parsePlaylistText(text, context);
  if (first.entries.size() > static_cast<std::size_t>(kPlaylistCapacity)) std::abort();

  Playlist playlist;
  playlist.path = context.playlistFolder + u"fuzz.gpl";
  playlist.folder = context.playlistFolder;
  playlist.beforeFolder = context.playlistFolder;
  playlist.entries = std::move(first.entries);
  for (int k = 0; k < static_cast<int>(playlist.entries.size()); ++k) playlist.displayOrder.push_back(k);
  playlist.aliasGroups = std::move(first.aliasGroups);
  playlist.movedFiles = std::move(first.movedFiles);
  if (first.columns) playlist.columns = std::move(*first.columns);
  PlaylistWriteContext writeContext;
  writeContext.programFolder = context.programFolder;
  const PlaylistReadResult again = parsePlaylistText(playlistFileText(playlist, writeContext), context);
  if (again.entries.size() != playlist.entries.size()) {
    std::fprintf(stderr, "invariant broken: %zu games read, %zu after writing them\n", playlist.entries.size(),
                 again.entries.size());
    std::abort();
  }
  return 0;
}
