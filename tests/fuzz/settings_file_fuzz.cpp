// The settings file as it stands on disk, hand-edited or damaged: parsed, every value decoded
// as each type, written back and parsed again. Writing what was parsed must be stable (a second
// round gives the same file) and every decoded value must survive its own encoding.

#include <cstdlib>

#include "fuzz/fuzz_support.h"
#include "settings/ini_settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  const std::map<std::string, std::string> parsed =
      ini::Parse({reinterpret_cast<const char*>(data), size});
  for (const auto& [path, text] : parsed) {
    if (const auto s = ini::DecodeString(text); s && ini::DecodeString(ini::EncodeString(*s)) != s) {
      std::abort();
    }
    if (const auto n = ini::DecodeInt(text); n && ini::DecodeInt(ini::EncodeInt(*n)) != n) {
      std::abort();
    }
    if (const auto b = ini::DecodeBinary(text);
        b && ini::DecodeBinary(ini::EncodeBinary(*b)) != b) {
      std::abort();
    }
  }
  const std::string written = ini::Write(parsed);
  if (ini::Write(ini::Parse(written)) != written) std::abort();
  return 0;
}
