#include "model/undo.h"

#include "base/bytes.h"
#include "base/texts.h"

namespace sudoku {
namespace {

bool ReadExactly(std::istream& in, uint8_t* data, size_t size) {
  in.read(reinterpret_cast<char*>(data), static_cast<std::streamsize>(size));
  return static_cast<size_t>(in.gcount()) == size;
}

void WriteExactly(std::ostream& out, const uint8_t* data, size_t size) {
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  if (!out) throw TextError(532);
}

}  // namespace

TUndoData TUndoData::FromStream(std::istream& in) {
  std::array<uint8_t, kStreamSize> b{};
  if (!ReadExactly(in, b.data(), b.size())) throw TextError(531);
  TUndoData d;
  d.Steps = GetI32(b, 0);
  d.Cursor = GetI32(b, 4);
  for (int i = 0; i < 81; ++i) d.cells[i] = MaskDigits(GetU16(b, 8 + 2 * i));
  return d;
}

void TUndoData::SaveToStream(std::ostream& out) const {
  std::array<uint8_t, kStreamSize> b{};
  PutI32(b, 0, Steps);
  PutI32(b, 4, Cursor);
  for (int i = 0; i < 81; ++i) PutU16(b, 8 + 2 * i, cells[i]);
  WriteExactly(out, b.data(), b.size());
}

void TUndoList::SetIndex(int i) {
  index_ = i;
  if (host_) host_->UndoFlagsChanged(i < 1, !(i < Count() - 1));
}

void TUndoList::Append(TUndoData data) {
  items_.push_back(std::move(data));
  SetIndex(Count() - 1);
}

void TUndoList::AddSnapshot(const Cells& cells, int steps, int cursor) {
  if (!UndoRecording) return;
  if (index_ < Count() - 1) items_.resize(static_cast<size_t>(std::max(index_ + 1, 0)));
  for (int32_t& link : MemoryLinks) {
    if (link >= Count()) link = -1;
  }
  Append(TUndoData{steps, cursor, cells});
}

void TUndoList::Clear() {
  UndoRecording = false;
  items_.clear();
  SetIndex(-1);
  MemoryLinks.fill(-1);
}

void TUndoList::GoTo(int i) {
  if (i < 0 || i >= Count()) return;
  UndoRecording = false;
  SetIndex(i);
  const TUndoData& d = items_[static_cast<size_t>(i)];
  if (host_) {
    host_->PutCells(d.cells, d.Cursor);
    host_->SetStepCount(d.Steps);
  }
  UndoRecording = true;
  if (i == 0 && host_) host_->ShowLastActionId(1064);
}

void TUndoList::Undo() {
  if (index_ < 1 || index_ >= Count()) return;
  if (host_) host_->ShowLastActionId(1062);
  GoTo(index_ - 1);
}

void TUndoList::Redo() {
  if (index_ < 0 || index_ >= Count() - 1) return;
  if (host_) host_->ShowLastActionId(1063);
  GoTo(index_ + 1);
}

void TUndoList::SaveToStream(std::ostream& out) const {
  std::array<uint8_t, 8> header{};
  PutU32(header, 0, static_cast<uint32_t>(Count()));
  PutI32(header, 4, index_);
  WriteExactly(out, header.data(), header.size());
  for (const TUndoData& d : items_) d.SaveToStream(out);
}

void TUndoList::LoadFromStream(std::istream& in) {
  Clear();
  std::array<uint8_t, 8> header{};
  if (!ReadExactly(in, header.data(), header.size())) throw TextError(531);
  const uint32_t count = GetU32(header, 0);
  const int32_t index = GetI32(header, 4);
  for (uint32_t n = 0; n < count; ++n) Append(TUndoData::FromStream(in));
  SetIndex(index);
}

}  // namespace sudoku
