#pragma once
// The undo history of one game: full snapshots of the 81 cells, one per counted change.

#include <array>
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <vector>

#include "model/board.h"

namespace sudoku {

// One snapshot: the step count, the cursor and the cells after a change.
struct TUndoData {
  static constexpr size_t kStreamSize = 170;

  int32_t Steps = 0;
  int32_t Cursor = -1;
  Cells cells{};

  // Reads exactly 170 bytes; a short read throws TextError(531).
  static TUndoData FromStream(std::istream& in);
  // Writes exactly 170 bytes; a failed write throws TextError(532).
  void SaveToStream(std::ostream& out) const;
};

// What moving through the history does to the game.
class UndoHost {
 public:
  virtual ~UndoHost() = default;
  virtual void UndoFlagsChanged(bool noUndo, bool noRedo) = 0;
  // Puts a snapshot on the board, redrawing changed cells only.
  virtual void PutCells(const Cells& cells, int cursor) = 0;
  virtual void SetStepCount(int steps) = 0;
  virtual void ShowLastActionId(int id) = 0;
};

class TUndoList {
 public:
  explicit TUndoList(UndoHost* host = nullptr) : host_(host) { MemoryLinks.fill(-1); }

  // While false, AddSnapshot does nothing (after a reset until a puzzle is loaded, and during
  // GoTo).
  bool UndoRecording = false;
  // Per memory slot the history index at which it was set, -1 when outside this history.
  std::array<int32_t, 9> MemoryLinks{};

  int Index() const { return index_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const TUndoData& At(int i) const { return items_[static_cast<size_t>(i)]; }

  void SetIndex(int i);
  void AddSnapshot(const Cells& cells, int steps, int cursor);
  void Clear();
  void GoTo(int i);
  void Undo();
  void Redo();
  void GoToStart() { GoTo(0); }

  // Count, index, then each snapshot in its 170-byte form.
  void SaveToStream(std::ostream& out) const;
  // Clears, then reads the history; a short read throws TextError(531) and leaves the entries
  // read so far.
  void LoadFromStream(std::istream& in);

 private:
  void Append(TUndoData data);

  UndoHost* host_;
  std::vector<TUndoData> items_;
  int index_ = -1;
};

}  // namespace sudoku
