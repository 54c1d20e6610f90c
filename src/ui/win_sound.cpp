#include "ui/win_sound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <cmath>

#include "base/bytes.h"

namespace sudoku {
namespace {

constexpr int kRate = 22050;
constexpr int kChannels = 2;
constexpr int kDataBytes = 171008;  // 42752 stereo frames
constexpr size_t kHeader = 44;

}  // namespace

std::vector<uint8_t> WinSoundWave() {
  std::vector<uint8_t> wave(kHeader + kDataBytes);
  const std::span<uint8_t> b(wave);
  auto tag = [&](size_t at, const char* text) { std::copy_n(text, 4, wave.begin() + static_cast<long>(at)); };
  tag(0, "RIFF");
  PutU32(b, 4, static_cast<uint32_t>(wave.size() - 8));
  tag(8, "WAVE");
  tag(12, "fmt ");
  PutU32(b, 16, 16);
  PutU16(b, 20, 1);  // PCM
  PutU16(b, 22, kChannels);
  PutU32(b, 24, kRate);
  PutU32(b, 28, kRate * kChannels * 2);
  PutU16(b, 32, kChannels * 2);
  PutU16(b, 34, 16);
  tag(36, "data");
  PutU32(b, 40, kDataBytes);

  // A rising arpeggio ending in a held chord, a little apart left and right.
  struct Note {
    double start, length, frequency, pan;
  };
  const Note notes[] = {{0.00, 0.30, 523.25, 0.3}, {0.14, 0.30, 659.25, 0.5},
                        {0.28, 0.30, 783.99, 0.7}, {0.42, 1.50, 1046.50, 0.5},
                        {0.42, 1.50, 659.25, 0.3}, {0.42, 1.50, 783.99, 0.7}};
  const int frames = kDataBytes / (kChannels * 2);
  constexpr double kPi = 3.14159265358979323846;
  for (int i = 0; i < frames; ++i) {
    const double t = static_cast<double>(i) / kRate;
    double left = 0, right = 0;
    for (const Note& n : notes) {
      const double u = t - n.start;
      if (u < 0 || u > n.length) continue;
      const double envelope = std::min(1.0, u / 0.01) * std::exp(-3.2 * u / n.length);
      const double tone = std::sin(2 * kPi * n.frequency * u) + 0.3 * std::sin(4 * kPi * n.frequency * u);
      left += 0.16 * envelope * tone * (1 - n.pan);
      right += 0.16 * envelope * tone * n.pan;
    }
    const auto sample = [](double v) {
      return static_cast<uint16_t>(static_cast<int16_t>(std::clamp(v, -1.0, 1.0) * 32000));
    };
    PutU16(b, kHeader + static_cast<size_t>(i) * 4, sample(left));
    PutU16(b, kHeader + static_cast<size_t>(i) * 4 + 2, sample(right));
  }
  return wave;
}

WinSound::WinSound() : wave_(WinSoundWave()) {}

WinSound::~WinSound() {
  if (sink_) sink_->stop();
}

bool WinSound::HasDevice() const { return !QMediaDevices::defaultAudioOutput().isNull(); }

void WinSound::PlayWinSound() {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return QApplication::beep();
  QAudioFormat format;
  format.setSampleRate(kRate);
  format.setChannelCount(kChannels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) return QApplication::beep();
  if (sink_) sink_->stop();
  // Idle only means all was handed over: the sink keeps playing until it is stopped or replaced.
  sink_ = std::make_unique<QAudioSink>(device, format);
  buffer_ = std::make_unique<QBuffer>();
  buffer_->setData(reinterpret_cast<const char*>(wave_.data() + kHeader),
                   static_cast<qsizetype>(wave_.size() - kHeader));
  buffer_->open(QIODevice::ReadOnly);
  sink_->start(buffer_.get());
  if (sink_->error() != QAudio::NoError) QApplication::beep();
}

}  // namespace sudoku
