#include "skin/skin_directories.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// The installed data directory as seen from the installed program, so that an installed tree
// works under any prefix or DESTDIR.
#ifndef SUDOKU_SKIN_DIR_FROM_PROGRAM
#define SUDOKU_SKIN_DIR_FROM_PROGRAM "."
#endif

namespace sudoku {

QStringList UniqueDirectories(const QStringList& candidates) {
  QStringList result;
  for (const QString& candidate : candidates) {
    if (candidate.isEmpty()) continue;
    const QFileInfo info(candidate);
    const QString canonical = info.canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
    if (!result.contains(path)) result << path;
  }
  return result;
}

QStringList SkinDirectories() {
  const QString program = QCoreApplication::applicationDirPath();
  return UniqueDirectories({program,
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                            program + "/" + SUDOKU_SKIN_DIR_FROM_PROGRAM});
}

}  // namespace sudoku
