#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "base/texts.h"
#include "model/memory_slot.h"
#include "model/undo.h"
#include "support/boards.h"

namespace sudoku {
namespace {

struct RecordingHost : UndoHost {
  bool noUndo = true, noRedo = true;
  std::vector<int> texts;
  Cells shown{};
  int cursor = -2, steps = -1;
  void UndoFlagsChanged(bool u, bool r) override { noUndo = u, noRedo = r; }
  void PutCells(const Cells& cells, int c) override { shown = cells, cursor = c; }
  void SetStepCount(int s) override { steps = s; }
  void ShowLastActionId(int id) override { texts.push_back(id); }
};

Cells CellsWith(int cell, DigitSet set) {
  Cells c{};
  c[cell] = set;
  return c;
}

class UndoListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    list.UndoRecording = true;
    for (int i = 0; i < 4; ++i) list.AddSnapshot(CellsWith(i, DigitBit(1)), i, i);
  }
  RecordingHost host;
  TUndoList list{&host};
};

TEST_F(UndoListTest, UndoRedoAndTheCutOfTheRedoPart) {
  EXPECT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Index(), 3);
  EXPECT_FALSE(host.noUndo);
  EXPECT_TRUE(host.noRedo);
  list.Undo();
  list.Undo();
  EXPECT_EQ(list.Index(), 1);
  EXPECT_FALSE(host.noRedo);
  EXPECT_EQ(host.steps, 1);
  EXPECT_EQ(host.cursor, 1);
  EXPECT_EQ(host.shown, CellsWith(1, DigitBit(1)));
  EXPECT_TRUE(list.UndoRecording);  // back on after GoTo
  list.AddSnapshot(CellsWith(9, DigitBit(9)), 2, 9);
  EXPECT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Index(), 2);
  EXPECT_TRUE(host.noRedo);
  EXPECT_EQ(list.At(2).cells, CellsWith(9, DigitBit(9)));
}

TEST_F(UndoListTest, MessagesOfUndoRedoAndReturn) {
  list.GoTo(1);
  host.texts.clear();
  list.Undo();
  EXPECT_EQ(host.texts, (std::vector<int>{1062, 1064}));
  EXPECT_TRUE(host.noUndo);
  host.texts.clear();
  list.Undo();  // at the first entry: nothing, no message
  EXPECT_TRUE(host.texts.empty());
  list.Redo();
  EXPECT_EQ(host.texts, (std::vector<int>{1063}));
  list.GoTo(3);
  host.texts.clear();
  list.Redo();  // at the last entry
  list.GoTo(4);
  list.GoTo(-1);
  EXPECT_TRUE(host.texts.empty());
  EXPECT_EQ(list.Index(), 3);
  list.GoToStart();
  EXPECT_EQ(host.texts, (std::vector<int>{1064}));
}

TEST_F(UndoListTest, RecordingOffDropsSnapshots) {
  list.UndoRecording = false;
  list.AddSnapshot(Cells{}, 9, 9);
  EXPECT_EQ(list.Count(), 4);
  list.Clear();
  EXPECT_FALSE(list.UndoRecording);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Index(), -1);
  EXPECT_TRUE(host.noUndo);
  EXPECT_TRUE(host.noRedo);
}

TEST_F(UndoListTest, MemoryLinksAreCutWithTheHistory) {
  list.MemoryLinks[0] = 3;
  list.MemoryLinks[1] = 1;
  list.MemoryLinks[2] = 2;
  list.GoTo(2);
  list.AddSnapshot(Cells{}, 0, 0);  // keeps entries 0-2, then appends
  EXPECT_EQ(list.MemoryLinks[0], -1);
  EXPECT_EQ(list.MemoryLinks[1], 1);
  EXPECT_EQ(list.MemoryLinks[2], 2);
  list.GoTo(1);
  list.AddSnapshot(Cells{}, 0, 0);
  EXPECT_EQ(list.MemoryLinks[2], -1);
  EXPECT_EQ(list.MemoryLinks[1], 1);
  list.Clear();
  for (int32_t link : list.MemoryLinks) EXPECT_EQ(link, -1);
}

TEST_F(UndoListTest, StreamFormRoundTripsByteForByte) {
  list.GoTo(2);
  std::stringstream out;
  list.SaveToStream(out);
  const std::string bytes = out.str();
  ASSERT_EQ(bytes.size(), 8u + 4 * 170);
  EXPECT_EQ(bytes.substr(0, 8), std::string("\x04\0\0\0\x02\0\0\0", 8));
  // Entry 1: steps 1, cursor 1, cell 1 holds {1}.
  EXPECT_EQ(bytes.substr(8 + 170, 12), std::string("\x01\0\0\0\x01\0\0\0\0\0\x02\0", 12));

  RecordingHost other;
  TUndoList loaded(&other);
  std::stringstream in(bytes);
  loaded.LoadFromStream(in);
  EXPECT_EQ(loaded.Count(), 4);
  EXPECT_EQ(loaded.Index(), 2);
  EXPECT_FALSE(other.noUndo);
  EXPECT_FALSE(other.noRedo);
  EXPECT_FALSE(loaded.UndoRecording);
  std::stringstream again;
  loaded.SaveToStream(again);
  EXPECT_EQ(again.str(), bytes);
}

TEST(UndoStream, ShortReadsAndFailedWrites) {
  std::stringstream partial(std::string("\x03\0\0\0\x01\0\0\0", 8) + std::string(170 + 20, '\0'));
  RecordingHost host;
  TUndoList list(&host);
  try {
    list.LoadFromStream(partial);
    FAIL() << "no error";
  } catch (const TextError& e) {
    EXPECT_EQ(e.id(), 531);
  }
  EXPECT_EQ(list.Count(), 1);  // what was read so far stays

  std::stringstream tooShort(std::string(169, '\0'));
  EXPECT_THROW(TUndoData::FromStream(tooShort), TextError);

  std::ostringstream broken;
  broken.setstate(std::ios::badbit);
  try {
    TUndoData{}.SaveToStream(broken);
    FAIL() << "no error";
  } catch (const TextError& e) {
    EXPECT_EQ(e.id(), 532);
  }

  std::string entry(170, '\0');
  entry[8] = '\xFF';  // cell 0 with every bit set
  entry[9] = '\xFF';
  std::stringstream stray(entry);
  EXPECT_EQ(TUndoData::FromStream(stray).cells[0], kAllDigits);
}

TEST(UndoStream, LoadedHistoryWithIndexInsideShowsBothCommands) {
  RecordingHost host;
  TUndoList source;
  source.UndoRecording = true;
  for (int i = 0; i < 10; ++i) source.AddSnapshot(Cells{}, i, 0);
  source.SetIndex(7);
  std::stringstream s;
  source.SaveToStream(s);
  TUndoList loaded(&host);
  loaded.LoadFromStream(s);
  EXPECT_EQ(loaded.Index(), 7);
  EXPECT_FALSE(host.noUndo);
  EXPECT_FALSE(host.noRedo);
}

TEST(MemorySlots, LayoutAndEmptiness) {
  MemorySlots slots{};
  EXPECT_TRUE(slots[0].Empty());
  slots[2].board = test::Puzzle(test::kEasyPuzzle);
  slots[2].cursor = -1;
  slots[2].steps = 300;
  const auto bytes = MemoryBlockToBytes(slots);
  ASSERT_EQ(bytes.size(), 1872u);
  EXPECT_EQ(bytes[2 * 208 + 200], 0xFF);  // cursor -1
  EXPECT_EQ(bytes[2 * 208 + 204], 300 & 0xFF);
  EXPECT_EQ(bytes[2 * 208 + 205], 300 >> 8);
  const MemorySlots back = MemoryBlockFromBytes(bytes);
  EXPECT_FALSE(back[2].Empty());
  EXPECT_EQ(back[2].board, slots[2].board);
  EXPECT_EQ(back[2].cursor, -1);
  EXPECT_EQ(back[2].steps, 300);
  EXPECT_TRUE(back[0].Empty());
  EXPECT_TRUE(back[8].Empty());
}

}  // namespace
}  // namespace sudoku
