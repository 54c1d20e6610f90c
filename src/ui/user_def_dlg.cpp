#include "ui/user_def_dlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCursor>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "base/texts.h"
#include "model/puzzle_string.h"

namespace sudoku {
namespace {

QString T(int id) {
  return QString::fromStdString(Text(id));
}

constexpr int kCell = 22;
const QColor kGivenFace(255, 204, 204);

QRect CellRect(int column, int row) {
  return QRect((column / 3) * 77 + 8 + (column % 3) * 24, (row / 3) * 77 + 8 + (row % 3) * 24,
               kCell, kCell);
}

// The two LEDs: off and lit, for the screen's pixel ratio.
QPixmap Led(const QColor& colour, bool lit, qreal ratio) {
  QPixmap pixmap(QSize(25, 25) * ratio);
  pixmap.setDevicePixelRatio(ratio);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient g(QPointF(9, 9), 12);
  const QColor base = lit ? colour : colour.darker(300);
  g.setColorAt(0, lit ? base.lighter(170) : base.lighter(130));
  g.setColorAt(1, base);
  p.setBrush(g);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.drawEllipse(QRectF(2.5, 2.5, 20, 20));
  return pixmap;
}

// The board of the editor, painted by the dialog.
class BoardBox : public QWidget {
 public:
  BoardBox(QWidget* parent, std::function<void(QPainter&)> paint)
      : QWidget(parent), paint_(std::move(paint)) {
    setFixedSize(240, 240);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    paint_(p);
  }

 private:
  std::function<void(QPainter&)> paint_;
};

}  // namespace

TUserDefDlg::TUserDefDlg(QWidget* parent, bool editMode, QAbstractItemView& list,
                         const std::vector<std::string>& samples, const PuzzleIndex& known,
                         Settings& settings, StartupSettings& options, const QImage& background)
    : TOKCancelDlg(parent, options, background),
      list_(list),
      samples_(samples),
      known_(known),
      settings_(settings),
      editMode_(editMode) {
  setWindowTitle("Benutzerdefiniertes Sudoku");
  setObjectName("TUserDefDlg");
  if (editMode_) {
    editIndex_ = list_.currentIndex().row();
    if (editIndex_ < 0 || static_cast<size_t>(editIndex_) >= samples_.size()) {
      editMode_ = false;
      editIndex_ = -1;
    } else {
      puzzle_ = samples_[static_cast<size_t>(editIndex_)];
    }
  }
  if (!editMode_) OKBtn()->setText(T(1024));

  auto* client = new QVBoxLayout(Client());
  client->setContentsMargins(8, 8, 8, 4);
  panel_ = new QWidget(Client());
  panel_->setObjectName("Panel_Sudoku");
  panel_->setFixedSize(242, 242);
  panel_->setFocusPolicy(Qt::StrongFocus);
  panel_->setToolTip(
      "In dem Feld, in dem der Cursor sich befindet, können die\nZiffern 1 bis 9 "
      "eingetragen oder mit der Leertaste entfernt\nwerden. Konnte schon einmal "
      "ein Spiel vollständig\nberechnet werden, kann man mit der Leertaste "
      "zwischen\nder berechneten Ziffer und einer Leerstelle wechseln.");
  board_ = new BoardBox(panel_, [this](QPainter& p) { PaintBoard(p); });
  board_->move(1, 1);
  board_->installEventFilter(this);
  panel_->installEventFilter(this);
  client->addWidget(panel_, 0, Qt::AlignHCenter);

  trackRow_ = new QWidget(Client());
  auto* track = new QHBoxLayout(trackRow_);
  track->setContentsMargins(0, 4, 0, 0);
  trackBar_ = new QSlider(Qt::Horizontal, trackRow_);
  trackBar_->setObjectName("TrackBar");
  trackBar_->setRange(0, 81);
  trackBar_->setToolTip(
      "Nach der automatischen Erzeugung eines\nSodukos kann mit diesem "
      "Schieberegler\nder Schwierigkeitsgrad eingestellt werden.");
  best_ = new QLabel("Beste Möglichkeit wird gesucht", trackRow_);
  best_->setObjectName("Label_BesteMoeglichkeit");
  track->addWidget(trackBar_, 1);
  track->addWidget(best_);
  client->addWidget(trackRow_);
  connect(trackBar_, &QSlider::valueChanged, this, [this] { TrackBarChange(); });

  // Buttons, LEDs and the three goals of the generator beside OK and Cancel.
  auto* bottom = static_cast<QHBoxLayout*>(PanelBottom()->layout());
  int at = 0;
  auto button = [&](const QString& caption, const char* name, const char* hint) {
    auto* b = new QPushButton(caption, PanelBottom());
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    bottom->insertWidget(at++, b);
    return b;
  };
  autoCreate_ = button(T(1048), "Button_AutoCreate",
                       "Umschaltung zwischen automatischer Berechnung eines Sudokus\nund der "
                       "manuellen Nachbearbeitung des berechneten Spiels.\n \nWenn man die "
                       "automatische Berechnung mit gedrückter Umschalt-\ntaste startet, dann gibt "
                       "es kein Zeitlimit mehr. Der Auto-Button\nverwandelt sich für die Zeit der "
                       "Berechnung in einen Stopp-Button,\nmit dem die Berechnung abgebrochen "
                       "werden muß.");
  clear_ = button("&Löschen", "Button_Clear", "Löscht alle Ziffern aus dem Spielfeld.");
  swap_ = button(T(1051), "Button_Swap",
                 "Im Auto-Modus: Wiederholung der automatischen Berechnung\ndes Sudokus. Mit "
                 "gedrückter Umschalttaste wird das Zeitlimit\nabgeschaltet.\n \nIm manuellen "
                 "Modus: Wenn schon einmal ein Spiel vollständig\nberechnet wurde, kann jedes "
                 "Feld zwischen der berechneten Ziffer\nund einer Leerstelle umgeschaltet "
                 "werden.");
  red_ = new QLabel(PanelBottom());
  red_->setObjectName("Image_Red");
  red_->setToolTip(
      "Leuchtet die rote LED, so ist einer der Fehler aufgetreten:\n\n1. Das "
      "Spielfeld ist leer\n2. Das Spielfeld ist voll\n3. Der Inhalt des "
      "Spielfeldes ist identisch mit einer der\n    Beispiel-Sudokus. Das kann auch "
      "eine der 7 anderen\n    gedrehten oder gespiegelten Varianten jedes "
      "Sudokus\n    sein, die gerade nicht angezeigt wird, bzw. in Kombi-\n    "
      "nation damit jeweils eine der 8 Verschiebungen.");
  green_ = new QLabel(PanelBottom());
  green_->setObjectName("Image_Green");
  green_->setToolTip(
      "Die grüne LED zeigt an, dass das Sudoku eine\neindeutige Lösung hat. Die "
      "Vorlagen sollten nur\nso in die Beispielliste übernommen werden.");
  bottom->insertWidget(at++, red_);
  bottom->insertWidget(at++, green_);
  auto* modes = new QWidget(PanelBottom());
  modes->setObjectName("Panel_AutoMode");
  auto* modeLayout = new QVBoxLayout(modes);
  modeLayout->setContentsMargins(4, 0, 4, 0);
  modeLayout->setSpacing(0);
  const char* captions[3] = {"&beides", "Min. &Felder", "&Max. Schritte"};
  const char* names[3] = {"RadioButton_Optimal", "RadioButton_MinFields", "RadioButton_MaxSteps"};
  const char* hints[3] = {
      "Die automatische Berechnung wird optimiert\nauf die Erzielung von so wenig wie "
      "möglich\nFelder und so viel wie möglich Schritte.",
      "Die automatische Berechnung wird optimiert auf\ndie Erzielung von so wenig wie möglich "
      "Felder.",
      "Die automatische Berechnung wird optimiert auf\ndie Erzielung von so viel wie möglich "
      "Schritte."};
  auto* group = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    modes_[i] = new QRadioButton(QString::fromUtf8(captions[i]), modes);
    modes_[i]->setObjectName(names[i]);
    modes_[i]->setToolTip(QString::fromUtf8(hints[i]));
    group->addButton(modes_[i], i);
    modeLayout->addWidget(modes_[i]);
  }
  bottom->insertWidget(at++, modes);
  connect(group, &QButtonGroup::idClicked, this,
          [this](int mode) { generator_.SetAutoMode(mode); });
  connect(autoCreate_, &QPushButton::clicked, this, [this] {
    SetAutoMode(!autoMode_ || unlimited_, QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
  });
  connect(clear_, &QPushButton::clicked, this, [this] { ClearPuzzle(); });
  connect(swap_, &QPushButton::clicked, this, [this] { Swap(); });

  status_ = new QStatusBar(this);
  status_->setSizeGripEnabled(false);
  const QString initial[3] = {" Felder:", " Schritte:", T(1055)};
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(initial[i], status_);
    status_->addWidget(panels_[i], i == 1 ? 1 : 0);
  }
  panels_[2]->setContentsMargins(0, 0, 6, 0);  // off the window's edge
  static_cast<QVBoxLayout*>(layout())->addWidget(status_);

  const int mode = settings_.ReadSettingInt(setting::kLastAutoMode, 0, 0, 2);
  modes_[mode]->setChecked(true);
  generator_.SetAutoMode(mode);
  SetAutoMode(false);
  SetEditorCursor(0, 0);
  panel_->setFocus();
}

TUserDefDlg::~TUserDefDlg() {
  int mode = 0;
  for (int i = 0; i < 3; ++i) {
    if (modes_[i]->isChecked()) mode = i;
  }
  settings_.WriteSettingInt(setting::kLastAutoMode, mode);
}

void TUserDefDlg::SetPuzzle(const std::string& text) {
  if (text.size() != 81) return;
  puzzle_ = text;
  SetEditorCursor(cursor_.x(), cursor_.y());
}

// ---- The board ----

void TUserDefDlg::PaintBoard(QPainter& p) {
  // The cells stand on the dialog's tiled background, which shows through.
  QFont font("Liberation Sans");
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      const QRect r = CellRect(column, row);
      p.setPen(QColor(128, 128, 128));
      p.drawLine(r.topLeft() - QPoint(1, 1), r.topRight() + QPoint(1, -1));
      p.drawLine(r.topLeft() - QPoint(1, 1), r.bottomLeft() + QPoint(-1, 1));
      p.setPen(Qt::white);
      p.drawLine(r.bottomLeft() + QPoint(-1, 1), r.bottomRight() + QPoint(1, 1));
      p.drawLine(r.topRight() + QPoint(1, -1), r.bottomRight() + QPoint(1, 1));
      p.fillRect(r, Qt::white);
      const char ch = puzzle_[static_cast<size_t>(row * 9 + column)];
      if (ch >= '1' && ch <= '9') {
        p.fillRect(r.adjusted(1, 1, -1, -1), kGivenFace);
        p.setPen(Qt::black);
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, QString(QChar(ch)));
      }
    }
  }
  if (cursor_.x() >= 0 && cursor_.x() <= 8 && cursor_.y() >= 0 && cursor_.y() <= 8) {
    p.setPen(QPen(Qt::red, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(CellRect(cursor_.x(), cursor_.y())).adjusted(-1, -1, 1, 1));
  }
}

int TUserDefDlg::CellAtPoint(const QPoint& point) const {
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 9; ++column) {
      if (CellRect(column, row).contains(point)) return row * 9 + column;
    }
  }
  return -1;
}

void TUserDefDlg::SetEditorCursor(int x, int y) {
  cursor_ = QPoint(x, y);
  board_->update();
  UpdateEditorStatus();
}

void TUserDefDlg::MoveEditorCursor(int dx, int dy) {
  int x = cursor_.x() + dx, y = cursor_.y() + dy;
  if (x > 8) x = 0, y = y + 1 > 8 ? 0 : y + 1;
  if (x < 0) x = 8, y = y - 1 < 0 ? 8 : y - 1;
  if (y > 8) y = 0, x = x + 1 > 8 ? 0 : x + 1;
  if (y < 0) y = 8, x = x - 1 < 0 ? 8 : x - 1;
  SetEditorCursor(x, y);
}

void TUserDefDlg::EnterEditorDigit(char ch) {
  if (ch == ' ') ch = '0';
  const int x = cursor_.x(), y = cursor_.y();
  if (x < 0 || x > 8 || y < 0 || y > 8) return;
  if (ch >= '1' && ch <= '9') {
    // The same digit elsewhere in the column, row or block: refused.
    for (int i = 0; i < 81; ++i) {
      const int c = i % 9, r = i / 9;
      if (i == y * 9 + x || puzzle_[static_cast<size_t>(i)] != ch) continue;
      if (c == x || r == y || (c / 3 == x / 3 && r / 3 == y / 3)) {
        QApplication::beep();
        return;
      }
    }
  }
  puzzle_[static_cast<size_t>(y * 9 + x)] = ch;
  MoveEditorCursor(1, 0);
}

bool TUserDefDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == board_ && event->type() == QEvent::MouseButtonPress && !autoMode_) {
    const int cell = CellAtPoint(static_cast<QMouseEvent*>(event)->position().toPoint());
    if (cell >= 0) SetEditorCursor(cell % 9, cell / 9);
    panel_->setFocus();
    return true;
  }
  if (watched == panel_ && event->type() == QEvent::Paint && panel_->hasFocus()) {
    // The keyboard's place: a frame round the board while it takes the keys.
    QPainter p(panel_);
    p.setPen(palette().color(QPalette::Highlight));
    p.drawRect(panel_->rect().adjusted(0, 0, -1, -1));
    return true;
  }
  if (watched == panel_ && event->type() == QEvent::KeyPress && !autoMode_) {
    auto* key = static_cast<QKeyEvent*>(event);
    switch (key->key()) {
      case Qt::Key_Left:
        MoveEditorCursor(-1, 0);
        return true;
      case Qt::Key_Right:
        MoveEditorCursor(1, 0);
        return true;
      case Qt::Key_Up:
        MoveEditorCursor(0, -1);
        return true;
      case Qt::Key_Down:
        MoveEditorCursor(0, 1);
        return true;
      case Qt::Key_Space:
        if (gridKnown_) {
          Swap();
        } else {
          EnterEditorDigit('0');
        }
        return true;
      case Qt::Key_Delete:
        if (cursor_.x() >= 0 && cursor_.x() <= 8 && cursor_.y() >= 0 && cursor_.y() <= 8) {
          puzzle_[static_cast<size_t>(cursor_.y() * 9 + cursor_.x())] = '0';
          MoveEditorCursor(1, 0);
        }
        return true;
      default:
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9) {
          EnterEditorDigit(static_cast<char>('0' + key->key() - Qt::Key_0));
          return true;
        }
    }
  }
  return TOKCancelDlg::eventFilter(watched, event);
}

// ---- The checks ----

void TUserDefDlg::UpdateEditorStatus() {
  // Neither empty, nor full, nor a variant of a listed puzzle (the edited one aside).
  const int count = CountFilled(puzzle_);
  valid_ = count > 0 && count < 81;
  if (valid_) {
    const int match = known_.FindVariant(puzzle_, editMode_ ? editIndex_ : -1);
    if (match >= 0) {
      valid_ = false;
      SetListRow(match);
    } else {
      SetListRow(editIndex_);
    }
  }
  panels_[0]->setText(QString::fromStdString(FormatText(1052, count)));
  BoardRecord scratch;
  solved_ = LoadBoardFromString(scratch, puzzle_, true, checker_);
  if (solved_) {
    grid_ = scratch;
    gridKnown_ = true;
  }
  panels_[1]->setText(
      solved_ ? QString::fromStdString(FormatText(1053, checkState_.TechniqueChanges)) : T(1054));
  if (!generating_) {
    swap_->setEnabled(valid_ && (solved_ || gridKnown_));
    OKBtn()->setEnabled(valid_);
    clear_->setEnabled(true);
  }
  SetLeds();
}

void TUserDefDlg::SetLeds() {
  redLit_ = !valid_;
  greenLit_ = valid_ && solved_;
  red_->setPixmap(Led(QColor(220, 30, 30), redLit_, devicePixelRatioF()));
  green_->setPixmap(Led(QColor(30, 200, 60), greenLit_, devicePixelRatioF()));
}

// ---- Automatic mode ----

void TUserDefDlg::SetAutoMode(bool on, bool unlimited) {
  if (unlimited_) {
    // The "Stopp" button: the search ends after its current attempt.
    unlimited_ = false;
    generator_.Stop();
    return;
  }
  unlimited_ = on && unlimited;
  const bool wasOn = autoMode_;
  autoMode_ = on;
  // Showing the row may grow the dialog at once, so its height is taken first.
  const int before = height();
  trackRow_->setVisible(on);
  if (on != wasOn) {
    // The layout learns of the row at once, so that the dialog also shrinks back to its manual
    // height; the pointer follows the buttons by the height asked for, as a visible window may
    // take its new size only later.
    Client()->updateGeometry();
    layout()->activate();
    const int after = sizeHint().height();
    resize(width(), after);
    if (isVisible()) QCursor::setPos(QCursor::pos() + QPoint(0, after - before));
    panels_[2]->setText(T(on ? 1056 : 1055));
  }
  if (on) {
    autoCreate_->setText(T(1082));
    autoCreate_->setEnabled(unlimited_);
    swap_->setText(T(1050));
    swap_->setEnabled(false);
    clear_->setEnabled(false);
    if (!generator_.GenerateFullGrid(grid_)) {
      QMessageBox::critical(this, "Sudoku", T(1049));
      unlimited_ = false;
      SetAutoMode(false);
      return;
    }
    gridKnown_ = true;
    generating_ = true;
    OKBtn()->setEnabled(false);
    CancelBtn()->setEnabled(false);
    trackBar_->setVisible(false);
    best_->setText(QString::fromStdString(FormatText(1046, 81, 0)));
    const int bestCount = generator_.SearchBestPuzzle(
        unlimited_, grid_, order_,
        [this](const std::string& text) { best_->setText(QString::fromStdString(text)); });
    generating_ = false;
    OKBtn()->setEnabled(true);
    CancelBtn()->setEnabled(true);
    trackBar_->setVisible(true);
    {
      const QSignalBlocker block(trackBar_);
      trackBar_->setMinimum(bestCount);
      trackBar_->setValue(bestCount);
    }
    TrackBarChange();
    trackBar_->setFocus();
    panel_->setEnabled(false);
    autoCreate_->setEnabled(true);
    autoCreate_->setText(T(1047));
  } else if (wasOn) {
    autoCreate_->setText(T(1048));
    swap_->setText(T(1051));
    SetEditorCursor(0, 0);
    panel_->setEnabled(true);
    panel_->setFocus();
  }
  unlimited_ = false;
}

void TUserDefDlg::TrackBarChange() {
  if (!autoMode_) return;
  const int n = trackBar_->value();
  puzzle_.assign(81, '0');
  for (int i = 0; i < n && i < 81; ++i) {
    const int cell = order_[static_cast<size_t>(i)];
    puzzle_[static_cast<size_t>(cell)] = DigitChar(grid_.cells[cell]);
  }
  SetEditorCursor(-1, -1);
}

void TUserDefDlg::Swap() {
  if (autoMode_) {
    SetAutoMode(true, QGuiApplication::keyboardModifiers() & Qt::ShiftModifier);
    return;
  }
  const int x = cursor_.x(), y = cursor_.y();
  if (!gridKnown_ || x < 0 || x > 8 || y < 0 || y > 8) return;
  char& cell = puzzle_[static_cast<size_t>(y * 9 + x)];
  cell = cell >= '1' && cell <= '9' ? '0' : DigitChar(grid_.cells[y * 9 + x]);
  MoveEditorCursor(0, 0);
}

void TUserDefDlg::ClearPuzzle() {
  SetAutoMode(false);
  puzzle_.assign(81, '0');
  gridKnown_ = false;
  SetEditorCursor(0, 0);
}

// ---- Leaving ----

void TUserDefDlg::SetListRow(int row) {
  // As a list box's current row is set: the item becomes current and selected.
  list_.selectionModel()->setCurrentIndex(list_.model()->index(row, 0),
                                          QItemSelectionModel::SelectCurrent);
}

void TUserDefDlg::FormCloseQuery() {
  SetListRow(editIndex_);
  list_.setFocus();
}

void TUserDefDlg::accept() {
  BoardRecord scratch;
  if (!LoadBoardFromString(scratch, puzzle_, true, checker_) &&
      QMessageBox::warning(this, "Sudoku", T(516), QMessageBox::Ok | QMessageBox::Cancel,
                           QMessageBox::Cancel) != QMessageBox::Ok) {
    return;
  }
  FormCloseQuery();
  TOKCancelDlg::accept();
}

void TUserDefDlg::reject() {
  if (generating_) return;
  FormCloseQuery();
  TOKCancelDlg::reject();
}

}  // namespace sudoku
