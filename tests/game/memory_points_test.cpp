// Memory points: setting, recalling inside and outside the history, clearing, and the stored
// block.

#include "support/game_fixture.h"

namespace sudoku {
namespace {

using test::GameTest;
using test::kEasyPuzzle;

class MemoryTest : public GameTest {
 protected:
  // Loads the puzzle and makes `moves` changes in its first empty cells.
  void Play(int moves) {
    Load();
    for (int i = 0; i < moves; ++i) {
      game->SelectCell(FirstEmpty());
      game->SetDigit(1 + i % 9);
    }
  }
  std::vector<uint8_t> Stored() { return store.GetBinary("", "Memory").value_or(std::vector<uint8_t>{}); }
};

TEST_F(MemoryTest, SettingIsRefusedForNewUnchangedOrBusyGames) {
  Load();
  game->SetMemoryPoint(0);
  EXPECT_EQ(view.LastError(), 524);
  Play(2);
  game->SetMemoryPoint(0);
  EXPECT_TRUE(game->Has(gfHasMemory));
  EXPECT_TRUE(view.memoryDrawn[0]);
  ASSERT_EQ(Stored().size(), 1872u);
  game->SetMemoryPoint(1);
  EXPECT_EQ(view.LastError(), 526);
  EXPECT_TRUE(game->Memory()[1].Empty());
  game->SetCalculating(true);
  game->SetDigit(4);
  game->SetMemoryPoint(1);
  EXPECT_EQ(view.LastError(), 525);
  game->RecallMemoryPoint(0);
  EXPECT_EQ(view.LastError(), 537);
  game->SetCalculating(false);
}

TEST_F(MemoryTest, RecallInsideTheHistoryKeepsTheGameRated) {
  Play(3);
  game->SetMemoryPoint(4);
  const BoardRecord saved = game->CurrentBoard();
  game->SelectCell(FirstEmpty());
  game->SetDigit(9);
  game->MemoryPointClick(4);  // set, so this recalls
  EXPECT_EQ(game->CurrentBoard(), saved);
  EXPECT_EQ(game->StepCount(), 3);
  EXPECT_FALSE(game->Has(gfUnrated));
  EXPECT_TRUE(view.questions.empty());
  EXPECT_EQ(game->History().Count(), 5);  // nothing cut: redo can go forward again
}

TEST_F(MemoryTest, ACutLinkMakesTheRecallANewUnratedGame) {
  Play(5);
  game->SetMemoryPoint(2);  // at index 5
  EXPECT_EQ(game->History().MemoryLinks[2], 5);
  const BoardRecord saved = game->CurrentBoard();
  game->History().GoTo(2);
  game->SelectCell(FirstEmpty());
  game->SetDigit(9);  // cuts the history after index 2
  EXPECT_EQ(game->History().MemoryLinks[2], -1);

  view.answer = false;
  game->RecallMemoryPoint(2);
  EXPECT_EQ(view.questions, (std::vector<int>{1070}));
  EXPECT_NE(game->CurrentBoard().cells, saved.cells);

  view.answer = true;
  game->RecallMemoryPoint(2);
  EXPECT_EQ(game->CurrentBoard().cells, saved.cells);
  EXPECT_EQ(game->CurrentBoard().Name(), "1.1.1");
  EXPECT_EQ(game->StepCount(), 5);
  EXPECT_TRUE(game->Has(gfUnrated | gfLoaded | gfClockRunning));
  EXPECT_FALSE(game->Has(gfAidsUsed));
  EXPECT_EQ(view.clock, -1);
  EXPECT_EQ(game->History().Count(), 2);  // the givens alone, then the recalled position
  EXPECT_EQ(BoardToString(game->SolutionBoard()), SolutionOf(kEasyPuzzle));

  // Unrated already: no second question.
  view.questions.clear();
  game->History().GoTo(0);
  game->SelectCell(FirstEmpty());
  game->SetDigit(1);
  game->RecallMemoryPoint(2);
  EXPECT_TRUE(view.questions.empty());
}

TEST_F(MemoryTest, ClearingByTag) {
  Play(1);
  for (int slot = 0; slot < 9; ++slot) {
    game->SelectCell(FirstEmpty());
    game->SetDigit(1 + slot);
    game->SetMemoryPoint(slot);
  }
  auto set = [&] {
    std::string s;
    for (const MemorySlot& m : game->Memory()) s += m.Empty() ? '.' : 'x';
    return s;
  };
  ASSERT_EQ(set(), "xxxxxxxxx");
  game->ClearMemoryPoints(67);  // up to memory point 3
  EXPECT_EQ(set(), "...xxxxxx");
  game->ClearMemoryPoints(135);  // from memory point 7
  EXPECT_EQ(set(), "...xxx...");
  game->ClearMemoryPoints(5);  // memory point 5
  EXPECT_EQ(set(), "...x.x...");
  EXPECT_FALSE(view.memoryDrawn[4]);
  const auto before = Stored();
  game->ClearMemoryPoints(64);  // no such entry: nothing, nothing written
  store.DeleteValue("", "Memory");
  EXPECT_TRUE(Stored().empty());
  game->ClearMemoryPoints(0);
  EXPECT_EQ(set(), ".........");
  EXPECT_FALSE(game->Has(gfHasMemory));
  EXPECT_EQ(Stored(), std::vector<uint8_t>(1872, 0));
  EXPECT_NE(before, Stored());
}

TEST_F(MemoryTest, TheStoredBlockComesBackAtStart) {
  Play(2);
  game->SetMemoryPoint(8);
  const auto block = Stored();
  Start();  // a new run
  view.memoryDrawn.clear();
  game->LoadMemoryPoints();
  EXPECT_TRUE(view.memoryDrawn[8]);
  EXPECT_FALSE(view.memoryDrawn[0]);
  EXPECT_TRUE(game->Has(gfHasMemory));
  EXPECT_EQ(game->History().MemoryLinks[8], -1);  // not part of this run's history

  for (size_t size : {1871u, 1873u}) {
    store.PutBinary("", "Memory", std::vector<uint8_t>(size, 1));
    game->LoadMemoryPoints();
    EXPECT_FALSE(game->Has(gfHasMemory)) << size;
    EXPECT_TRUE(game->Memory()[8].Empty());
  }
}

}  // namespace
}  // namespace sudoku
