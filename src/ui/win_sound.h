#pragma once
// The sound of a won game, made once at start and played from memory; the default beep where
// there is no sound device.

#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

class QAudioSink;
class QBuffer;

namespace sudoku {

// A RIFF WAVE file: 2 channels, 22050 samples per second, 16 bits, about 1.94 seconds of a
// short fanfare.
std::vector<uint8_t> WinSoundWave();

class WinSound : public QObject {
 public:
  WinSound();
  ~WinSound() override;
  // Plays without waiting; a new call while it plays starts it again.
  void PlayWinSound();
  bool HasDevice() const;

 private:
  std::vector<uint8_t> wave_;
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<QBuffer> buffer_;
};

}  // namespace sudoku
