#pragma once
// Fakes of the solver's ports: a game that records what a live run does to it, and an event
// pump with a clock that only moves when the code under test sleeps.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "solve/ports.h"

namespace sudoku::test {

class FakePump : public EventPump {
 public:
  uint64_t now = 1000;
  std::deque<std::function<void()>> pending;
  // Events that fire once the clock reaches their time.
  std::vector<std::pair<uint64_t, std::function<void()>>> timed;
  int dispatched = 0;

  bool DispatchPending() override {
    for (auto it = timed.begin(); it != timed.end(); ++it) {
      if (it->first <= now) {
        pending.push_back(it->second);
        timed.erase(it);
        break;
      }
    }
    if (pending.empty()) return false;
    auto event = std::move(pending.front());
    pending.pop_front();
    ++dispatched;
    event();
    return true;
  }
  void Sleep(unsigned ms) override { now += ms; }
  uint64_t TickMs() override { return now; }
};

// Records the live branch's calls as text, with the state of the changed cell where it matters.
class FakeHost : public SolverHost {
 public:
  BoardRecord board;
  int cursor = -1;
  bool calculating = true;
  FakePump* pump = nullptr;
  std::vector<std::string> log;
  std::vector<int> texts;
  int steps = 0;
  int snapshots = 0;

  BoardRecord& Board() override { return board; }
  int CursorCell() const override { return cursor; }
  bool Calculating() const override { return calculating; }
  void SelectCell(int cell) override {
    cursor = cell;
    log.push_back("select " + std::to_string(cell) + " shows " +
                  std::to_string(board.cells[cell]) + At());
  }
  void RecordStep(int oldCount, int newCount) override {
    const int inc = oldCount == newCount ? 0
                    : newCount == 1      ? 1
                                         : std::abs(oldCount - newCount);
    steps += inc;
    ++snapshots;
    log.push_back("record " + std::to_string(oldCount) + "->" + std::to_string(newCount) + At());
  }
  void RedrawCell(int cell) override {
    log.push_back("redraw " + std::to_string(cell) + " shows " +
                  std::to_string(board.cells[cell]) + At());
  }
  void PutCells(const Cells& cells, int c) override {
    board.cells = cells;
    cursor = c;
    log.push_back("put" + At());
  }
  void ShowLastActionId(int id) override { texts.push_back(id); }
  void SetInputMode(int mode) override { log.push_back("mode " + std::to_string(mode)); }

 private:
  std::string At() const { return pump ? " @" + std::to_string(pump->now) : std::string(); }
};

}  // namespace sudoku::test
