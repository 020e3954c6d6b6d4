// SGF text in, tree and game information out.

#include <gtest/gtest.h>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"

namespace mokuza {
namespace {

class RecordReader : public ::testing::Test {
 protected:
  void read(std::u16string_view text) { testing::readInto(record, text, options); }
  const MoveRecord& move(std::size_t number) const { return record.lineCopy.at(number); }
  GameRecord record;
  ReadOptions options;
};

// Each text read on its own, with the board size it was read on, the header,
// the current line and every node that holds more than its move.
TEST_F(RecordReader, TextsAndTheLinesTheyReadAs) {
  const struct {
    std::u16string_view text;
    std::string read;
    int defaultSize = 19, gobanroll = -8;
    bool playlistGame = false, movesOnly = false;
  } cases[] = {
      // ta on 19x19 would wrap to the second row if the letters were only multiplied out.
      {u"(;GM[1];B[];W[tt];B[ta];W[a];B[sa])", "19  B[] W[] B[] W[] B[sa] | 0@0"},
      {u"(;GM[1]SZ[9];B[cc];W[gg])", "9 路数[9] B[cc] W[gg] | 0@0"},
      {u"(;GM[1]SZ[9];B[ka];W[ia];B[aj])", "9 路数[9] B[] W[ia] B[] | 0@0"},
      {u"(;GM[1]PB[one];B[aa])\n(;GM[1]PB[two];B[bb];W[cc])", "19 黒対局者[one] B[aa] | 0@0"},
      {u"(;GM[1];B[aa](;W[bb];B[cc])", "19  B[aa] W[bb](1/1) B[cc] | 0@0"},  // a missing ) ends at the end of the text
      {u"(;B[aa]))(;W[bb])", "19   | 1@0"},  // the first node is the root, whatever it holds
      {u"(;GM[1](;B[aa];W[bb])(;B[cc]))", "19  B[aa](1/2) W[bb] | 0@0"},
      // An escaped ] and \\ are text; a ) before a non-ASCII character is text too.
      {u"(;C[a\\]b];B[aa]C[x]y];W[bb]C[日本]語];B[cc]C[back\\\\slash\\\nline])日;W[dd])",
       "19  B[aa] W[bb] B[cc] W[dd] | 0@0 C[a]b]; 1@0 C[x]; -1@20 C[日本]語]; 1@40 C[back\\slash\nline]"},
      // Lower-case letters in identifiers are skipped.
      {u"(;GaMe[1]CoPyright[c]PlayerBlack[kuro];AddBlack[aa][bb]Comment[hi]Black[cc]AddWhite[dd])",
       "19 著作権[c]黒対局者[kuro] B[cc] | 0@0; 1@40 0=1'' 20=1'' 60=-1'' C[hi]"},
      // Moves only: the header of the game read before stays, and no information is read.
      {u"(;PB[new]GC[x]C[root];B[aa]C[c]N[n];W[bb]RU[x])", "19 著作権[c]黒対局者[kuro] B[aa] W[bb] | 0@0", 19, -8,
       false, true},
      // Properties the record does not model are kept as read.
      {u"(;GM[1]FF[4]CA[UTF-8]AP[Other:1]RU[Japanese];PL[W]AE[aa]TB[bb][cc]B[dd];W[ee]MN[5]XY[a\\]b])",
       "19  B[dd] W[ee] | 0@0 RU[Japanese]; 1@60 PL[W] AE[aa] TB[bb][cc]; -1@80 MN[5] XY[a]b]"},
      // Rectangles reaching off the board are dropped; a label is cut to three
      // characters, never inside a surrogate pair, and is a point and a text,
      // never a list; every node starts its letters again.
      {u"(;GM[1]AB[aa:cc]AW[ff:ee]TR[hh:hi]CR[tt:aa]AB[ss:tt];B[aa]LB[aa:AB][bb][cc:ABCDE][dd:][ee:AB\xD834\xDD1E]"
       u"[kk:mm]TR[ba]RT[ca]SQ[da]SL[ea]LO[fa]CR[ga]MA[ha]ST[ia]AB[ia];W[bb]LB[aa])",
       "19  B[aa] W[bb] | 0@0 0=1'' 1=1'' 2=1'' 19=1'' 20=1'' 21=1'' 38=1'' 39=1'' 40=1'' 80=-1'' 81=-1'' 99=-1'' "
       "100=-1'' 140=0'▲' 159=0'▲'; 1@0 0=0'AB' 1=0'▲' 2=0'▼' 3=0'■' 4=0'□' 5=0'◆' 6=0'●' 7=0'×' 8=1'★' 20=0'a' "
       "40=0'ABC' 60=0'b' 80=0'AB' 200=0'mm'; -1@20 0=0'a'"},
      {u"(;SZ[1];B[ss])", "19 路数[19] B[ss] | 0@0"},
      // The header is what the writer saves, so it names the board the moves were read on.
      {u"(;SZ[];B[mm])", "13 路数[13] B[mm] | 0@0", 13},
      {u"(;SZ[2];B[bb];W[cc])", "2 路数[2] B[bb] W[] | 0@0"},
      // A quarter turn and a mirror both bring dd to pd for the upper right; the earlier, the turn, wins.
      {u"(;GM[1];B[dd];W[pq]TR[ab])", "19  B[pd] W[cp] | 0@0; -1@287 17=0'▲'", 19, 19},
      {u"(;GM[1];B[qd])", "19  B[qd] | 0@0", 19, 19},  // already in the upper right
      // The centre, setup stones, a white or passed first move: no rotation.
      {u"(;GM[1];B[jj];W[dd])", "19  B[jj] W[dd] | 0@0", 19, 19},
      {u"(;GM[1]AB[pd];B[cc];W[dd])", "19  B[cc] W[dd] | 0@0 72=1''", 19, 19},
      {u"(;GM[1];W[cc];W[dd])", "19  W[cc] W[dd] | 0@0", 19, 19},
      {u"(;GM[1];B[];W[dd])", "19  B[] W[dd] | 0@0", 19, 19},
      {u"(;GM[1]SZ[9];B[cc])", "9 路数[9] B[gc] | 0@0", 19, 19},
      // The fixed per-loop choice applies to playlist games only; 5 mirrors top and bottom.
      {u"(;GM[1];B[dd])", "19  B[dd] | 0@0", 19, 5},
      {u"(;GM[1];B[cd]AB[ef]AW[aa:bb]TR[gh]LB[ij:X];W[kl]SQ[op])",
       "19 総手数[2] B[cp] W[kh] | 0@0; 1@287 179=0'X' 215=0'▲' 251=1'' 323=-1'' 324=-1'' 342=-1'' 343=-1''; -1@143 "
       "71=0'■'",
       19, 5, true},
  };
  for (const auto& c : cases) {
    options.defaultBoardSize = c.defaultSize;
    options.gobanroll = c.gobanroll;
    options.playlistGame = c.playlistGame;
    options.movesOnly = c.movesOnly;
    read(c.text);
    std::string nodes = testing::describe(move(0));  // and every move that holds more than its point
    for (std::size_t i = 1; i < record.lineCopy.size(); ++i)
      if (testing::describe(move(i)).find(' ') != std::string::npos) nodes += "; " + testing::describe(move(i));
    EXPECT_EQ(std::to_string(record.boardSize) + " " + testing::headerText(record) + " " + testing::lineText(record) +
                  " | " + nodes,
              c.read)
        << utf16ToUtf8(c.text);
  }
  options = ReadOptions();
  read(u"(;SZ[9]SZ[x];B[ii])");
  EXPECT_NE(writeSgf(record).find(u"SZ[9];B[ii]"), std::u16string::npos);
  for (std::u16string_view text : {u"", u"hello", u"(GM[1]B[aa])", u";B[aa]", u"[;](x)"}) {
    read(u"(;GM[1]AB[aa];B[bb](;W[cc])(;W[dd]))");
    EXPECT_EQ(readSgf(record, text, options), kReadNoGame) << utf16ToUtf8(text);
    EXPECT_EQ(testing::treeDifference(record.root, GameRecord().root), "");
  }
}

TEST_F(RecordReader, WhatTheRecordCannotHoldIsReportedAsALoss) {
  const struct {
    std::u16string_view text;
    std::string loss;
  } cases[] = {
      {u"(;GM[1];B[];W[tt];B[ta]LB[aa:abc])\n(x)", ""},
      {u"(;SZ[20]AB[tt][aa]LB[ta:x];B[aa]AW[aa:tt])",
       "a board of 20 lines read as 19, 3 setup stones or marks beyond 19 lines dropped"},
      {u"(;GM[1];B[aa]LB[bb:long][cc:four])", "2 labels cut to 3 characters"},
      {u"(;GM[1];B[aa]W[bb])", "1 node with two moves read as its last one"},
      {u"(;GM[1];B[aa])\n( ;GM[1];B[bb])", "the games after the first of the collection"},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(readSgf(record, c.text, options), kReadOk);
    EXPECT_EQ(options.loss.describe(), c.loss) << utf16ToUtf8(c.text);
    EXPECT_EQ(options.loss.any(), !c.loss.empty());
  }
}

// A node that is one move is read in one step, and a record read before keeps
// its header entries for the next game: neither may read differently from a
// node whose letters come one by one (a blank after the ';') or a fresh record.
TEST(RecordReaderShortcuts, ReadLikeTheLongWay) {
  const struct {
    std::u16string_view text;
    int gobanroll = -8;
  } cases[] = {
      {u"(;GM[1]PB[kuro]SZ[9];B[cc]C[hi];W[gg]N[x];B[ii]W[aa];W[ja];B[a];W[cC];B[dd]語];W[ee\\];B[ff]AB[hh])"},
      {u"(;GM[1]PW[shiro]KM[6.5];B[dd];W[pq]TR[ab](;B[qd];W[tt])(;B[cc]))", 19},
      {u"(;SZ[21]AB[tt];B[ua];W[aa];B[tt])"},
      {u"(;RE[B+R];W[dd];B[pp])", 5},
      {u"(;GM[1];B[aa]\n;W[tt] ;B[sa]\r\n;W[bb][cc];B[dd];W[ee]", 3},
  };
  // Everything the read leaves in the record and its options, as one line.
  const auto readAs = [](GameRecord& record, std::u16string_view text, int gobanroll) {
    ReadOptions options;
    options.gobanroll = gobanroll;
    options.playlistGame = true;
    if (readSgf(record, text, options) != kReadOk) return std::string("no game");
    std::string nodes;
    for (const MoveRecord& move : record.lineCopy) nodes += testing::describe(move) + "; ";
    return std::to_string(record.boardSize) + " " + testing::headerText(record) + " " + testing::lineText(record) +
           " | " + nodes + options.loss.describe() + " " + std::to_string(record.blackMoveCount) + "/" +
           std::to_string(record.whiteMoveCount) + " " + std::to_string(record.colourToPlay);
  };
  GameRecord reused;
  for (const auto& c : cases) {
    std::u16string spaced(c.text);
    for (std::size_t at = spaced.find(u';', 2); at != std::u16string::npos; at = spaced.find(u';', at + 2))
      spaced.insert(at + 1, u" ");
    GameRecord fresh;
    EXPECT_EQ(readAs(reused, c.text, c.gobanroll), readAs(fresh, spaced, c.gobanroll)) << utf16ToUtf8(c.text);
  }
}

}  // namespace
}  // namespace mokuza
