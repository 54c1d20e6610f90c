#pragma once
// The files menu's open and save commands: their dialogs, and what each file type does.

#include <QString>
#include <QStringList>

#include "ui/bitmap_size_dlg.h"
#include "ui/main_form.h"

namespace sudoku {

// "Spiel oder Liste laden": a game file or a list of own puzzles. The caller has already
// asked whether a running game may be abandoned.
void OpenGameOrList(TSudokuMainForm& form);
// "Spiel oder Liste speichern": the game, a picture or text of the board, or the own puzzles.
void SaveGameOrList(TSudokuMainForm& form);

// The dialogs' file types, in their order.
QStringList OpenFilters();
QStringList SaveFilters();

// What the dialogs do with the chosen file and file type (0-based); errors are shown in a
// message box.
void OpenFile(TSudokuMainForm& form, const QString& fileName, int type);
void SaveFile(TSudokuMainForm& form, const QString& fileName, int type);

// The bitmap size as last confirmed in this run.
BitmapSizeMemory& BitmapExportSize();

}  // namespace sudoku
