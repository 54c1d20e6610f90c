#include "ui/print_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "library/board_picture.h"

namespace sudoku {

TPrintOptionsPanel::TPrintOptionsPanel(QWidget* parent, Kind kind, PrintOptions& options)
    : QWidget(parent), options_(options) {
  setWindowTitle("Sudoku");
  auto* layout = new QVBoxLayout(this);
  const bool game = kind == Kind::Game;

  auto* what = new QGroupBox("&Was drucken", this);
  auto* whatLayout = new QVBoxLayout(what);
  const char* const modeCaptions[2][4] = {
      {"Nur Rätsel drucken", "Nur &Auflösung drucken", "Rätsel && Lösung auf einer Seite",
       "Rätsel && Lösung auf zwei Seiten"},
      {"Nur Rätsel drucken", "Nur Auflösung drucken", "Rätsel && Lösung auf der selben Seite",
       "Rätsel && Lösung auf getrennten Seiten"}};
  auto* modeGroup = new QButtonGroup(this);
  for (int i = 0; i < 4; ++i) {
    modes_[static_cast<size_t>(i)] = new QRadioButton(modeCaptions[game ? 0 : 1][i], what);
    modes_[static_cast<size_t>(i)]->setObjectName(QString("Mode%1").arg(100 + i));
    modeGroup->addButton(modes_[static_cast<size_t>(i)], i);
    whatLayout->addWidget(modes_[static_cast<size_t>(i)]);
  }
  layout->addWidget(what);

  auto* colour = new QGroupBox("Farb-&Optionen", this);
  auto* colourLayout = new QVBoxLayout(colour);
  auto* colourGroup = new QButtonGroup(this);
  colours_ = {new QRadioButton("Schwarz/Weiß Grafik", colour), new QRadioButton("Farbe", colour)};
  for (int i = 0; i < 2; ++i) {
    colourGroup->addButton(colours_[static_cast<size_t>(i)], i);
    colourLayout->addWidget(colours_[static_cast<size_t>(i)]);
  }
  layout->addWidget(colour);

  if (game) {
    givensOnly_ = new QCheckBox("Nur &Vorgabeziffern drucken", this);
    layout->addWidget(givensOnly_);
    connect(givensOnly_, &QCheckBox::clicked, this, [this](bool on) { options_.givensOnly = on; });
  } else {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel("&Rätsel pro Seite:", this);
    row->addWidget(label);
    auto* perPageGroup = new QButtonGroup(this);
    const int counts[3] = {1, 2, 4};
    for (int i = 0; i < 3; ++i) {
      perPage_[static_cast<size_t>(i)] = new QRadioButton(QString::number(counts[i]), this);
      perPageGroup->addButton(perPage_[static_cast<size_t>(i)], counts[i]);
      row->addWidget(perPage_[static_cast<size_t>(i)]);
    }
    label->setBuddy(perPage_[0]);
    row->addStretch();
    layout->addLayout(row);
    connect(perPageGroup, &QButtonGroup::idClicked, this, [this](int count) {
      options_.ChoosePerPage(count);
      Show();
    });
  }
  layout->addStretch();

  connect(modeGroup, &QButtonGroup::idClicked, this, [this](int mode) {
    options_.ChooseMode(mode);
    Show();
  });
  connect(colourGroup, &QButtonGroup::idClicked, this,
          [this](int id) { options_.inColor = id == 1; });
  Show();
}

void TPrintOptionsPanel::Show() {
  modes_[static_cast<size_t>(std::clamp(options_.mode, 0, 3))]->setChecked(true);
  colours_[options_.inColor ? 1 : 0]->setChecked(true);
  if (givensOnly_) {
    givensOnly_->setChecked(options_.givensOnly);
    givensOnly_->setEnabled(options_.GivensOnlyEnabled());
  }
  if (perPage_[0]) {
    perPage_[options_.perPage == 4 ? 2 : options_.perPage == 2 ? 1 : 0]->setChecked(true);
    perPage_[0]->setEnabled(options_.OnePerPageEnabled());
  }
}

Printing::Printing(const QString& version, const bool& invNumBlock)
    : docName_("Sudoku v" + version),
      invNumBlock_(invNumBlock) {
  askPrint = [this](QWidget* parent, TPrintOptionsPanel& panel) {
    QPrintDialog dialog(&Printer(), parent);
    dialog.setWindowTitle("Drucken");
    dialog.setOptionTabs({&panel});
    // The print options are the point of this dialog: open its options part on their page.
    QTimer::singleShot(0, &dialog, [&dialog, &panel, parent] {
      for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (button->text().endsWith(">>")) {
          button->click();
          break;
        }
      }
      for (QWidget* w = panel.parentWidget(); w; w = w->parentWidget()) {
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
          tabs->setCurrentIndex(tabs->indexOf(&panel));
          break;
        }
      }
      dialog.adjustSize();
      const QRect around = parent ? parent->window()->frameGeometry()
                                  : dialog.screen()->availableGeometry();
      dialog.move(around.center() - dialog.rect().center());
    });
    const bool confirmed = dialog.exec() == QDialog::Accepted;
    panel.setParent(nullptr);  // the panel belongs to the caller, not to the dialog
    return confirmed;
  };
}

Printing::~Printing() = default;

QPrinter& Printing::Printer() {
  // Made on first use: finding the printers can take a while, and most runs never print.
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void Printing::PrintGame(QWidget* parent, const BoardRecord& board) {
  options_.boardHasEntries = BoardHasEntries(board);
  TPrintOptionsPanel panel(nullptr, TPrintOptionsPanel::Kind::Game, options_);
  if (!askPrint(parent, panel)) return;
  Render(parent, PlanGamePrint(board, options_, Printer().width(), Printer().height()));
}

void Printing::PrintList(QWidget* parent, const std::vector<PrintListEntry>& entries) {
  TPrintOptionsPanel panel(nullptr, TPrintOptionsPanel::Kind::List, options_);
  if (!askPrint(parent, panel)) return;
  Render(parent, PlanListPrint(entries, options_, Printer().width(), Printer().height()));
}

void Printing::PrinterSetup(QWidget* parent) {
  QPageSetupDialog dialog(&Printer(), parent);
  dialog.setWindowTitle("Drucker einrichten");
  dialog.exec();
}

void Printing::Render(QWidget* parent, const std::vector<PrintedBoard>& boards) {
  if (boards.empty()) return;
  QPrinter& printer = Printer();
  printer.setDocName(docName_);
  QPainter painter;
  if (!painter.begin(&printer)) {
    QMessageBox::warning(parent, "Drucken",
                         "Der Druck konnte nicht begonnen werden. Bitte den Drucker oder die "
                         "Ausgabedatei prüfen.");
    return;
  }
  int page = 0;
  for (const PrintedBoard& b : boards) {
    for (; page < b.page; ++page) printer.newPage();
    DrawBoardPicture(painter, b.size, b.size, true, b.board, options_.ColorDepth(), b.top, b.left,
                     invNumBlock_);
  }
  painter.end();
}

}  // namespace sudoku
