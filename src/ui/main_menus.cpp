// The main window's actions with their shortcuts, and the three popup menus under the skin's
// files, memory and help buttons.

#include "base/texts.h"
#include "game/cell_operations.h"
#include "ui/main_form.h"

namespace sudoku {

QAction* TSudokuMainForm::AddAction(const QString& name, const QString& caption,
                                    const QKeySequence& shortcut, const QKeySequence& second,
                                    std::function<void()> run, int tag) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  QList<QKeySequence> keys;
  if (!shortcut.isEmpty()) keys << shortcut;
  if (!second.isEmpty()) keys << second;
  action->setShortcuts(keys);
  action->setShortcutContext(Qt::WindowShortcut);
  if (tag >= 0) action->setData(tag);
  connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
  addAction(action);
  actions_[name] = action;
  return action;
}

void TSudokuMainForm::BuildActions() {
  auto later = [](const std::function<void()>& hook) {
    return [&hook] {
      if (hook) hook();
    };
  };
  GameController& game = *game_;
  AddAction("Action_Undo", "", QKeySequence("Alt+Z"), QKeySequence(Qt::Key_Backspace),
            [&game] { game.History().Undo(); });
  AddAction("Action_Redo", "", QKeySequence("Alt+W"), QKeySequence("Alt+Backspace"),
            [&game] { game.History().Redo(); });
  AddAction("Action_Return", "", QKeySequence("Alt+A"), QKeySequence(Qt::Key_F4),
            [&game] { game.Restart(); });
  AddAction("Action_Samples", "", QKeySequence("Alt+V"), QKeySequence(Qt::Key_F2), later(onSamples));
  AddAction("Action_Start", "", QKeySequence("Alt+S"), QKeySequence(Qt::Key_F3),
            [&game] { game.StartStop(); });
  AddAction("Action_Options", "", QKeySequence("Alt+O"), {}, later(onOptions));
  AddAction("Action_Files", "", QKeySequence("Alt+D"), {}, [this] { ShowMenuUnder(filesMenu_, 0); });
  AddAction("Action_ClearMem", "Action_Memory", QKeySequence("Alt+M"), {},
            [this] { ShowMenuUnder(memoryMenu_, 6); });
  AddAction("Action_Help", "", QKeySequence("Alt+H"), {}, [this] { ShowMenuUnder(helpMenu_, 8); });
  AddAction("Action_Help_Help", "&Hilfe und Anleitung", QKeySequence(Qt::Key_F1), {}, [this] {
    if (onHelp) onHelp("TabSheet_Instruction");
  });
  AddAction("Action_Help_OneStep", "Einen Schritt &weiter", QKeySequence(Qt::Key_F9), {},
            [&game] { game.OneStep(); });
  AddAction("Action_Edit_Copy", "Feld in die Zwischenablage &kopieren", QKeySequence("Ctrl+C"),
            QKeySequence("Ctrl+Insert"), [this] { CopyCell(); });
  AddAction("Action_Edit_Paste", "Feld aus der Zwischenablage &einfügen", QKeySequence("Ctrl+V"),
            QKeySequence("Shift+Insert"), [this] { PasteCell(); });
  const char* fills[3][3] = {{"Action_Help_Set1To9_AllEmptyFields", "&Alle freien Felder", "F5"},
                             {"Action_Help_Set1To9_AllFields", "Alle &Felder", "F6"},
                             {"Action_Help_Set1To9_CurrentField", "&Markiertes Feld", "F7"}};
  for (int tag = 0; tag < 3; ++tag) {
    aidEntries_.push_back(AddAction(fills[tag][0], fills[tag][1], QKeySequence(fills[tag][2]), {},
                                    [&game, tag] { game.FillCells(tag); }, tag));
  }
  AddAction("Action_Files_Print", "&Drucken", QKeySequence("Ctrl+P"), {}, later(onPrint));
  AddAction("Action_Files_PrinterSetup", "Drucker &einrichten", {}, {}, later(onPrinterSetup));
  AddAction("Action_Files_Open", "Spiel &laden", {}, {}, [this] {
    if (game_->ConfirmAbortGame() && onOpen) onOpen();
  });
  AddAction("Action_Files_Save", "Spiel &speichern", {}, {}, later(onSave));
  AddAction("Action_Files_EmptyPlayground", "&Leeres Spielfeld", {}, {}, [&game] {
    if (game.ConfirmAbortGame()) game.RunWhenIdle([&game] { game.EmptyPlayground(); });
  });
  AddAction("Action_Files_Close", "&Beenden", QKeySequence("Alt+F4"), {}, [this] { close(); });
  AddAction("Action_Files_Uninstall", "&Alle Einstellungen löschen", {}, {}, [this] { Uninstall(); });
  const char* directions[4][3] = {{"Action_PasteRight", "&Rechts", "Alt+Right"},
                                  {"Action_PasteBottom", "&Unten", "Alt+Down"},
                                  {"Action_PasteLeft", "&Links", "Alt+Left"},
                                  {"Action_PasteTop", "&Oben", "Alt+Up"}};
  for (int tag = 0; tag < 4; ++tag) {
    fillDirectionEntries_.push_back(AddAction(directions[tag][0], directions[tag][1],
                                              QKeySequence(directions[tag][2]), {},
                                              [&game, tag] { FillDirection(game, tag); }, tag));
  }
  AddAction("Action_Files_HallOfFame", "&Hall of Fame (für akt. Sudoku)", {}, {},
            later(onHallOfFame));
  const char* buttons[9] = {"Action_Files",  "Action_Samples",  "Action_Start",
                            "Action_Undo",   "Action_Redo",     "Action_Return",
                            "Action_ClearMem", "Action_Options", "Action_Help"};
  for (int i = 0; i < 9; ++i) buttonActions_[static_cast<size_t>(i)] = Action(buttons[i]);
}

void TSudokuMainForm::BuildMenus() {
  GameController& game = *game_;
  auto entry = [this](QMenu* menu, const QString& caption, std::function<void()> run,
                      int tag = -1) {
    QAction* a = menu->addAction(caption);
    if (tag >= 0) a->setData(tag);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
    return a;
  };

  filesMenu_ = new QMenu(this);
  saveEntry_ = entry(filesMenu_, "Spiel oder Liste &speichern",
                     [this] { Action("Action_Files_Save")->trigger(); });
  entry(filesMenu_, "Spiel oder Liste &laden", [this] { Action("Action_Files_Open")->trigger(); });
  filesMenu_->addSeparator();
  filesMenu_->addAction(Action("Action_Files_EmptyPlayground"));
  filesMenu_->addAction(Action("Action_Files_HallOfFame"));
  filesMenu_->addSeparator();
  filesMenu_->addAction(Action("Action_Files_PrinterSetup"));
  filesMenu_->addAction(Action("Action_Files_Print"));
  filesMenu_->addSeparator();
  filesMenu_->addAction(Action("Action_Files_Uninstall"));
  filesMenu_->addSeparator();
  entry(filesMenu_, "Programm &beenden", [this] { close(); });

  memoryMenu_ = new QMenu(this);
  memoryClearing_.push_back(entry(memoryMenu_, "Alle &Speicherpunkte löschen",
                                  [&game] { game.ClearMemoryPoints(0); }, 0));
  const std::pair<const char*, int> clearing[3] = {{"Alle Speicherpunkte löschen &bis", 65},
                                                   {"Alle Speicherpunkte löschen &ab", 129},
                                                   {"&Einen Speicherpunkt löschen", 1}};
  for (const auto& [caption, first] : clearing) {
    QMenu* sub = memoryMenu_->addMenu(caption);
    memoryClearing_.push_back(sub->menuAction());
    for (int i = 0; i < 9; ++i) {
      const int tag = first + i;
      entry(sub, QString("Speicherpunkt &%1").arg(i + 1),
            [&game, tag] { game.ClearMemoryPoints(tag); }, tag);
    }
  }
  QMenu* points = memoryMenu_->addMenu("Speicherpunkt setzen/abr&ufen");
  memorySetRecall_ = points->menuAction();
  for (int i = 0; i < 9; ++i) {
    QAction* a = entry(points, QString::fromStdString(FormatText(1077, i + 1)),
                       [&game, i] { game.MemoryPointClick(i); }, i + 1);
    a->setCheckable(true);
    memoryEntries_[static_cast<size_t>(i)] = a;
  }

  helpMenu_ = new QMenu(this);
  QMenu* fill = helpMenu_->addMenu("&Felder auf 1...9 setzen");
  aidEntries_.push_back(fill->menuAction());
  fill->addAction(Action("Action_Help_Set1To9_AllEmptyFields"));
  fill->addAction(Action("Action_Help_Set1To9_AllFields"));
  fill->addAction(Action("Action_Help_Set1To9_CurrentField"));
  aidEntries_.push_back(entry(helpMenu_, "Ziffer in benachbarten Spalten/Zeilen des Bl&ocks (:-<)", [&game] {
    game.RunTechnique(Technique::kBenachbarteSpaltenZeilenDesBlocks, 0);
  }));
  const std::pair<const char*, Technique> techniques[4] = {
      {"&Bereinigen von einzelnen Ziffern (:-<)", Technique::kAutoClean},
      {"Einmaliges Vorkommen in 9er-&Gruppe (:-<)", Technique::kSeekUniqueValues},
      {"Eindeutiges &Vorkommen in 3x3er-Gruppe (:-<)", Technique::kSeekUnmistakableValuesIn3x3Group},
      {"Die gleichen x &Ziffern in x Feldern (:-<)", Technique::kSameNumSetInDiffFields}};
  const std::pair<const char*, int> scopes[8] = {
      {"&Alle Zeilen, Spalten und 9er-Blöcke bis nichts mehr geht", 199},
      {"Alle Zeilen, Spalten und 9er-Blöcke &einmalig", 71},
      {"Alle &Zeilen", 65},
      {"Alle &Spalten", 66},
      {"Alle 9er-&Blöcke", 68},
      {"A&ktuelle Zeile", 1},
      {"Akt&uelle Spalte", 2},
      {"Aktueller &9er-Block", 4}};
  for (const auto& [caption, technique] : techniques) {
    QMenu* sub = helpMenu_->addMenu(caption);
    aidEntries_.push_back(sub->menuAction());
    for (const auto& [scopeCaption, tag] : scopes) {
      entry(sub, scopeCaption, [&game, technique = technique, tag = tag] {
        game.RunTechnique(technique, tag);
      }, tag);
    }
  }
  aidEntries_.push_back(entry(helpMenu_, "Einen Schritt &weiter (:-<)", [&game] { game.OneStep(); }));
  aidEntries_.push_back(Action("Action_Help_OneStep"));
  helpMenu_->addAction(Action("Action_Edit_Copy"));
  helpMenu_->addAction(Action("Action_Edit_Paste"));
  QMenu* directions = helpMenu_->addMenu("Felder ausfüllen &nach");
  fillDirectionEntries_.push_back(directions->menuAction());
  for (const char* name : {"Action_PasteRight", "Action_PasteBottom", "Action_PasteLeft", "Action_PasteTop"}) {
    directions->addAction(Action(name));
  }
  const std::pair<const char*, int> areas[3] = {
      {"Im &Block", 4}, {"In der &Spalte", 5}, {"In der &Zeile", 6}};
  for (const auto& [caption, tag] : areas) {
    fillDirectionEntries_.push_back(
        entry(directions, caption, [&game, tag = tag] { FillDirection(game, tag); }, tag));
  }
  helpMenu_->addAction(Action("Action_Help_Help"));
  entry(helpMenu_, "Über &Sudoku", [this] {
    if (onHelp) onHelp("TabSheet_About");
  });
  aboutSkin_ = entry(helpMenu_, "&Über Skin", [this] {
    if (onHelp) onHelp("TabSheet_AboutSkin");
  });
}

}  // namespace sudoku
