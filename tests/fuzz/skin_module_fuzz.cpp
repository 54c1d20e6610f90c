// Skin modules ("SdSkin*.rcc") as the skin list and the loading of a skin read them: checked
// whole, and only then given to Qt. Everything Qt can reach in a module that passed must read
// without leaving it, and applying it must end in the skin or a message.

#include <QDirIterator>
#include <QFile>

#include "base/texts.h"
#include "fuzz/fuzz_support.h"
#include "skin/skin_modules.h"
#include "skin/skin_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace sudoku;
  const SkinModule module(
      QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  if (!module.Loaded()) return 0;
  QDirIterator all(":/skinmodule", QDirIterator::Subdirectories);
  while (all.hasNext()) {
    QFile file(all.next());
    if (file.open(QIODevice::ReadOnly)) file.readAll();
  }
  SkinView view;
  try {
    view.ApplySkin(SkinModule::Root());
    view.UpdateGroupIndicator(0x1FF, 0x1FF, 0x1FF);
    view.Outline();
  } catch (const TextError&) {
  }
  return 0;
}
