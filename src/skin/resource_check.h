#pragma once
// Qt's resource reader trusts every offset, count and length stored in a binary resource file
// (the format rcc writes with --binary, versions 1 to 3). A skin module comes from outside, so
// its whole structure is checked here before Qt is given it.

#include <cstdint>
#include <span>
#include <string>

namespace sudoku {

struct ResourceLimits {
  int64_t fileSize = int64_t{64} << 20;
  // One file of the tree, after decompression.
  int64_t entrySize = int64_t{64} << 20;
  // All compressed files together, after decompression: bounds the work of the check.
  int64_t expandedSize = int64_t{256} << 20;
  int depth = 32;
};

// Empty when Qt can read every node it can reach in the data without leaving it: the header,
// each directory's child range (inside the tree, each node reached once, so no cycles), every
// name and payload, and every compressed payload inflating to exactly the size Qt allocates
// for it. Otherwise what is wrong, for diagnostics.
std::string CheckResourceData(std::span<const uint8_t> data, const ResourceLimits& limits = {});

}  // namespace sudoku
