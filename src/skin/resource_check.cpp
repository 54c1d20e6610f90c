#include "skin/resource_check.h"

#include <zlib.h>
#include <zstd.h>

#include <algorithm>
#include <deque>
#include <utility>
#include <vector>

namespace sudoku {
namespace {

// Node flags, as rcc writes them.
constexpr uint16_t kZlib = 0x01, kDirectory = 0x02, kZstd = 0x04;

class Bytes {
 public:
  explicit Bytes(std::span<const uint8_t> data) : data_(data) {}
  int64_t Size() const { return static_cast<int64_t>(data_.size()); }
  // Whether `count` bytes from `at` lie inside.
  bool Has(int64_t at, int64_t count) const {
    return at >= 0 && count >= 0 && at <= Size() && count <= Size() - at;
  }
  uint32_t U32(int64_t at) const {
    const uint8_t* p = data_.data() + at;
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
  }
  // Qt reads offsets and counts as signed 32-bit numbers.
  int64_t I32(int64_t at) const { return static_cast<int32_t>(U32(at)); }
  uint16_t U16(int64_t at) const {
    return static_cast<uint16_t>((data_[static_cast<size_t>(at)] << 8) |
                                 data_[static_cast<size_t>(at) + 1]);
  }
  const uint8_t* At(int64_t at) const { return data_.data() + at; }

 private:
  std::span<const uint8_t> data_;
};

class Checker {
 public:
  Checker(std::span<const uint8_t> data, const ResourceLimits& limits)
      : b_(data), limits_(limits) {}

  std::string Run() {
    if (b_.Size() > limits_.fileSize) return "file too large";
    if (!b_.Has(0, 20)) return "no header";
    if (b_.U32(0) != 0x71726573) return "no magic";  // "qres"
    const int64_t version = b_.I32(4);
    if (version < 1 || version > 3) return "unknown version";
    tree_ = b_.I32(8);
    payloads_ = b_.I32(12);
    names_ = b_.I32(16);
    if (!b_.Has(tree_, 1) || !b_.Has(payloads_, 1) || !b_.Has(names_, 1)) {
      return "section outside the file";
    }
    if (version >= 3) {
      if (!b_.Has(20, 4)) return "no header";
      if (b_.U32(20) & ~uint32_t{kZlib | kZstd}) return "unknown features";
    }
    nodeSize_ = version >= 2 ? 22 : 14;
    nodeCount_ = (b_.Size() - tree_) / nodeSize_;
    if (nodeCount_ < 1) return "no root";
    if (!(Flags(0) & kDirectory)) return "root is no directory";
    return Walk();
  }

 private:
  int64_t Node(int64_t n) const { return tree_ + n * nodeSize_; }
  uint16_t Flags(int64_t n) const { return b_.U16(Node(n) + 4); }

  // Every node reachable from the root, breadth first; each may be reached only once.
  std::string Walk() {
    std::vector<bool> seen(static_cast<size_t>(nodeCount_), false);
    seen[0] = true;
    std::deque<std::pair<int64_t, int>> directories{{0, 0}};
    while (!directories.empty()) {
      const auto [dir, depth] = directories.front();
      directories.pop_front();
      const int64_t count = b_.I32(Node(dir) + 6), first = b_.I32(Node(dir) + 10);
      if (count < 0 || first < 0) return "negative child range";
      if (count == 0) continue;
      if (depth >= limits_.depth) return "too deep";
      if (first < 1 || count > nodeCount_ - first) return "children outside the tree";
      for (int64_t n = first; n < first + count; ++n) {
        if (seen[static_cast<size_t>(n)]) return "node reached twice";
        seen[static_cast<size_t>(n)] = true;
        if (std::string e = CheckName(n); !e.empty()) return e;
        const uint16_t flags = Flags(n);
        if (flags & ~(kZlib | kDirectory | kZstd)) return "unknown flags";
        if (flags & kDirectory) {
          if (flags & (kZlib | kZstd)) return "compressed directory";
          directories.emplace_back(n, depth + 1);
        } else if (std::string e = CheckPayload(n, flags); !e.empty()) {
          return e;
        }
      }
    }
    return {};
  }

  // Length (16 bits), hash (32 bits), then the UTF-16 characters.
  std::string CheckName(int64_t n) const {
    const int64_t at = b_.I32(Node(n));
    if (at < 0 || !b_.Has(names_ + at, 6)) return "name outside the file";
    const int64_t length = b_.U16(names_ + at);
    const int64_t chars = names_ + at + 6;
    if (length == 0 || !b_.Has(chars, 2 * length)) return "bad name";
    for (int64_t i = 0; i < length; ++i) {
      const uint16_t c = b_.U16(chars + 2 * i);
      if (c == 0 || c == '/') return "bad name";
    }
    return {};
  }

  // A 32-bit length, then the data.
  std::string CheckPayload(int64_t n, uint16_t flags) {
    const int64_t at = b_.I32(Node(n) + 10);
    if (at < 0 || !b_.Has(payloads_ + at, 4)) return "data outside the file";
    const int64_t size = b_.U32(payloads_ + at), data = payloads_ + at + 4;
    if (!b_.Has(data, size)) return "data outside the file";
    const uint16_t compression = flags & (kZlib | kZstd);
    // Qt reads data flagged with both as stored.
    if (compression == kZlib) return CheckZlib(data, size);
    if (compression == kZstd) return CheckZstd(data, size);
    return size <= limits_.entrySize ? std::string() : "file too large";
  }

  // Qt allocates the size its payload declares and then reads that many bytes: the data must
  // inflate to exactly that size.
  std::string Reserve(uint64_t declared) {
    if (declared > static_cast<uint64_t>(limits_.entrySize)) return "file too large";
    expanded_ += static_cast<int64_t>(declared);
    if (expanded_ > limits_.expandedSize) return "too much compressed data";
    buffer_.resize(std::max<size_t>(declared, 1));
    return {};
  }

  // The declared size (big-endian), then a zlib stream.
  std::string CheckZlib(int64_t data, int64_t size) {
    if (size < 4) return "bad compressed data";
    const uint32_t declared = b_.U32(data);
    if (std::string e = Reserve(declared); !e.empty()) return e;
    uLongf length = declared;
    const int result =
        uncompress(buffer_.data(), &length, b_.At(data + 4), static_cast<uLong>(size - 4));
    return result == Z_OK && length == declared ? std::string() : "bad compressed data";
  }

  std::string CheckZstd(int64_t data, int64_t size) {
    const unsigned long long declared =
        ZSTD_getFrameContentSize(b_.At(data), static_cast<size_t>(size));
    if (declared == ZSTD_CONTENTSIZE_UNKNOWN || declared == ZSTD_CONTENTSIZE_ERROR) {
      return "bad compressed data";
    }
    if (std::string e = Reserve(declared); !e.empty()) return e;
    const size_t length = ZSTD_decompress(buffer_.data(), static_cast<size_t>(declared),
                                          b_.At(data), static_cast<size_t>(size));
    return !ZSTD_isError(length) && length == declared ? std::string() : "bad compressed data";
  }

  Bytes b_;
  const ResourceLimits& limits_;
  int64_t tree_ = 0, payloads_ = 0, names_ = 0;
  int64_t nodeSize_ = 22, nodeCount_ = 0;
  int64_t expanded_ = 0;
  std::vector<uint8_t> buffer_;
};

}  // namespace

std::string CheckResourceData(std::span<const uint8_t> data, const ResourceLimits& limits) {
  return Checker(data, limits).Run();
}

}  // namespace sudoku
