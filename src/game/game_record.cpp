#include "game/game_record.h"

#include "base/bytes.h"
#include "base/texts.h"
#include "game/game_controller.h"

namespace sudoku {

std::array<uint8_t, GameRecord::kSize> GameRecord::ToBytes() const {
  std::array<uint8_t, kSize> out{};
  out[0] = version;
  board.WriteTo(std::span<uint8_t, BoardRecord::kSize>(out.data() + 1, BoardRecord::kSize));
  PutI32(out, 204, cursor);
  PutI32(out, 208, steps);
  PutU32(out, 212, timeMs);
  PutU16(out, 216, flags);
  return out;
}

GameRecord GameRecord::FromBytes(std::span<const uint8_t, kSize> in) {
  GameRecord r;
  r.version = in[0];
  r.board = BoardRecord::FromBytes(in.subspan<1, BoardRecord::kSize>());
  r.cursor = GetI32(in, 204);
  r.steps = GetI32(in, 208);
  r.timeMs = GetU32(in, 212);
  r.flags = GetU16(in, 216);
  return r;
}

// The game's side of the record: filling one from the current game and rebuilding a game
// from one.

GameRecord GameController::FillGameRecord() const {
  GameRecord r;
  r.board = board_;
  r.cursor = cursor_ >= -1 ? cursor_ : -1;
  r.steps = steps_;
  const uint32_t time = Has(gfUnrated) ? kNoTime : shownTime_;
  r.timeMs = time / 1000 * 1000;
  r.flags = flags_;
  return r;
}

void GameController::LoadGameRecord(const GameRecord& record, bool stateOnly) {
  if (record.version != GameRecord::kVersion) throw TextError(535);
  ResetGame();
  undo_.UndoRecording = stateOnly;
  SetPuzzleName(record.board.Name());
  board_.givens = record.board.givens;
  board_.marked = record.board.marked;
  const int cursor = record.cursor >= -1 && record.cursor < 81 ? record.cursor : -1;
  const bool hasGivens = !board_.givens.Empty();
  if (hasGivens) {
    for (int i = 0; i < 81; ++i) {
      if (board_.IsGiven(i)) board_.cells[i] = record.board.cells[i];
    }
    if (stateOnly) {
      // The start position, with its givens alone, becomes the first snapshot.
      run_.LiveBoard = false;
      steps_ = 0;
      SelectCell(0);
      RecordStep(0, 0);
    }
    run_.LiveBoard = true;
    SetStepCount(record.steps);
    PutCells(record.board.cells, cursor, true);
    // The loaded position; a started game's clock starts here, as after a first move.
    if (stateOnly && steps_ != 0) RecordStep(0, 0);
  }
  // A record without givens holds no puzzle, whatever its flags say.
  SetFlag(gfLoaded, hasGivens && (record.flags & gfLoaded));
  if (steps_ == 0) {
    SetClock(false);
    SetFlag(gfAidsUsed, false);
    SetFlag(gfUnrated, false);
    SetShownTime(0);
    return;
  }
  const bool clock = (record.flags & gfClockRunning) && !(record.flags & gfSolved);
  if (clock && !clockOn_) {
    // A whole game from a file: its clock runs on from the stored time like any started game.
    SetFlag(gfFresh, true);
    SetClock(true);
  }
  SetFlag(gfFresh, record.flags & gfFresh);
  if (!clock) SetClock(false);
  SetFlag(gfUnrated, record.flags & (gfSolved | gfUnrated));
  SetFlag(gfAidsUsed, record.flags & gfAidsUsed);
  if (!Has(gfUnrated)) {
    startTick_ = pump_.TickMs() - record.timeMs;
    SetShownTime(record.timeMs);
  }
}

}  // namespace sudoku
