// The record model: reset, the current line, copies, depth.

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <utility>

#include "core/record/sgf_writer.h"
#include "record_test_support.h"

namespace mokuza {
namespace {

// Trunk aa bb, then three ways on: cc dd (forking again into ee / ff), gg, hh.
constexpr std::u16string_view kBranching =
    u"(;GM[1]PB[kuro];B[aa];W[bb](;B[cc];W[dd](;B[ee])(;B[ff]))(;B[gg])(;B[hh]C[last]))";

void select(GameRecord& record, BranchPath path) {
  record.branchPath = std::move(path);
  rebuildCurrentLine(record);
}

TEST(RecordModel, ResetLeavesAnEmptyTreeAndKeepsHeaderValuesAlive) {
  GameRecord record;
  testing::readInto(record, kBranching);
  record.currentMove = 3;
  record.colourToPlay = -1;
  resetRecord(record);
  EXPECT_EQ(testing::treeDifference(record.root, GameRecord().root), "");
  EXPECT_EQ(std::tuple(record.branchPath, record.moveCount, record.currentMove, record.lineCopy.size(),
                       static_cast<int>(record.colourToPlay)),
            std::tuple(BranchPath{0}, 0u, 0, 1u, 1));
  EXPECT_EQ(record.lineRecords.at(0), &record.root.records[0]);
  // The reset starts a new pool; the header that survives must point into it.
  EXPECT_EQ(record.headerValues.at(u"黒対局者"), record.intern(u"kuro"));
}

TEST(RecordModel, SwitchingBranchesRenumbersAndMarksBranchPoints) {
  GameRecord record;
  testing::readInto(record, kBranching);
  // The line, and the last move it shares with the line before.
  const auto line = [&] { return testing::lineText(record) + " after " + std::to_string(record.divergenceMove); };
  EXPECT_EQ(record.branchPath, (BranchPath{0, 0, 0}));
  EXPECT_EQ(line(), "B[aa] W[bb] B[cc](1/3) W[dd] B[ee](1/2) after 0");
  select(record, {0, 2});
  EXPECT_EQ(line(), "B[aa] W[bb] B[hh](3/3) after 2");
  EXPECT_EQ(record.moveOrder, (std::vector<std::int32_t>{0, 1, 2, 3}));
  select(record, {0, 0, 1});
  EXPECT_EQ(line(), "B[aa] W[bb] B[cc](1/3) W[dd] B[ff](2/2) after 4");
  for (std::size_t i = 0; i < record.lineCopy.size(); ++i)
    EXPECT_EQ(record.lineCopy[i].moveNumber, static_cast<std::int32_t>(i));
  select(record, {0, 7, 0});  // an entry naming no child ends the path
  EXPECT_EQ(record.branchPath, BranchPath{0});
  EXPECT_EQ(testing::lineText(record), "B[aa] W[bb]");
}

TEST(RecordModel, CopiesAreDeepAndTheirLinePointsIntoTheCopy) {
  auto original = std::make_unique<GameRecord>();
  testing::readInto(*original, kBranching);
  select(*original, {0, 0, 1});
  const std::u16string text = writeSgf(*original);
  GameRecord copy(*original), assigned;
  testing::readInto(assigned, u"(;GM[1]SZ[9];B[aa])");
  assigned = *original;
  for (GameRecord* target : {&copy, &assigned}) {
    ASSERT_EQ(target->lineRecords.size(), 6u);
    EXPECT_EQ(target->lineNode[0], &target->root);
    for (std::size_t i = 0; i < 6; ++i)
      EXPECT_EQ(target->lineRecords[i],
                &target->lineNode[i]->records.at(static_cast<std::size_t>(target->lineIndex[i])));
    EXPECT_EQ(target->boardSize, 19);
    target->lineRecords[5]->point = 0;  // ff, off the main line
  }
  EXPECT_EQ(original->lineRecords[5]->point, 100);
  EXPECT_EQ(copy.root.children[0].children[0].children[1].records[0].point, 0);
  original.reset();  // the copies stand alone
  copy.lineRecords[5]->point = assigned.lineRecords[5]->point = 100;
  EXPECT_EQ(writeSgf(copy), text);
  EXPECT_EQ(writeSgf(assigned), text);
}

TEST(RecordModel, TreesNestedVeryDeeplyNeedNoDeepStack) {
  constexpr std::size_t kDepth = 200000;
  std::u16string text = u"(;GM[1]";
  for (std::size_t i = 0; i < kDepth; ++i) text += u"(;B[aa]";
  text.append(kDepth + 1, u')');
  auto deep = std::make_unique<GameRecord>();
  testing::readInto(*deep, text);
  EXPECT_EQ(deep->moveCount, kDepth);
  {
    const GameRecord copy(*deep);
    EXPECT_EQ(copy.lineRecords.back(), &copy.lineNode.back()->records[0]);
  }
  std::u16string written = writeSgf(*deep);
  std::erase(written, u'\n');
  EXPECT_TRUE(written == u"(;GM[1]CA[utf-8]AP[Mokuza:5.5]" + text.substr(7));
}

}  // namespace
}  // namespace mokuza
