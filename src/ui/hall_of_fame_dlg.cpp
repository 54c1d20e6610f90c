#include "ui/hall_of_fame_dlg.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "base/cp1252.h"
#include "base/texts.h"
#include "game/time_format.h"
#include "ui/program_art.h"
#include "ui/win_sound.h"

namespace sudoku {

// ---- The switch ----

TPictureSwitch::TPictureSwitch(QWidget* parent)
    : QAbstractButton(parent),
      off_([](qreal ratio) { return SwitchPicture(false, ratio); }, devicePixelRatioF()),
      on_([](qreal ratio) { return SwitchPicture(true, ratio); }, devicePixelRatioF()) {
  setCheckable(true);
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
  resize(sizeHint());
}

QSize TPictureSwitch::sizeHint() const {
  return off_.Current().deviceIndependentSize().toSize();
}

void TPictureSwitch::paintEvent(QPaintEvent*) {
  auto& look = isChecked() || isDown() ? on_ : off_;
  QPainter(this).drawImage(QPointF(0, 0), look.At(devicePixelRatioF()));
}

// ---- The picture dialog ----

TPictureDlg::TPictureDlg(QWidget* parent, ForRatio<QImage>::Paint picture)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      picture_(std::move(picture), devicePixelRatioF()) {
  setFixedSize(picture_.Current().deviceIndependentSize().toSize());
  switch_ = new TPictureSwitch(this);
  // The click itself does not toggle: SwitchOn shows the press and closes.
  connect(switch_, &QAbstractButton::clicked, this, [this] {
    switch_->setChecked(false);
    SwitchOn();
  });
}

void TPictureDlg::Wait(int ms) {
  if (waiting_) return;
  waiting_ = true;
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
  waiting_ = false;
}

void TPictureDlg::SwitchOn() {
  if (waiting_) return;
  switch_->setChecked(true);
  switch_->repaint();
  Wait(200);
  switch_->setChecked(false);
  switch_->repaint();
  Wait(100);
  accept();
}

void TPictureDlg::paintEvent(QPaintEvent*) {
  QPainter(this).drawImage(QPointF(0, 0), picture_.At(devicePixelRatioF()));
}

void TPictureDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    SwitchOn();
    return;
  }
  QDialog::keyPressEvent(event);
}

bool TPictureDlg::eventFilter(QObject* watched, QEvent* event) {
  // The dialog sees Enter before its children: in the name field it makes no character.
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      SwitchOn();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TPictureDlg::showEvent(QShowEvent* event) {
  const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
  if (screen) move(screen->availableGeometry().center() - rect().center());
  QDialog::showEvent(event);
}

// ---- The greeting of a winner ----

TEndGameDlg::TEndGameDlg(QWidget* parent) : TPictureDlg(parent, EndGamePicture) {
  Switch()->move(24, 265);
  name_ = new QLineEdit(this);
  name_->setGeometry(315, 270, 161, 27);
  name_->setFrame(false);
  name_->setMaxLength(15);
  QFont font("Arial Black");
  font.setPixelSize(16);
  name_->setFont(font);
  QPalette palette = name_->palette();
  palette.setColor(QPalette::Base, QColor(164, 80, 23));
  palette.setColor(QPalette::Text, QColor(255, 255, 0));
  palette.setColor(QPalette::Highlight, QColor(255, 255, 0));
  palette.setColor(QPalette::HighlightedText, QColor(164, 80, 23));
  name_->setPalette(palette);
  name_->installEventFilter(this);
  name_->setFocus();
}

QString TEndGameDlg::AskName() {
  name_->clear();
  if (exec() != QDialog::Accepted) return {};
  return name_->text().trimmed();
}

// ---- The table ----

QString DottedNameLine(const QString& name, const QFontMetrics& metrics, int width) {
  const auto line = [&](int dots) { return name + ' ' + QString(dots, '.') + ':'; };
  // The longest run that fits, found by halving the range 0..80.
  int low = 0, high = 80, dots = 40;
  while (high - low > 1) {
    if (metrics.horizontalAdvance(line(dots)) < width) {
      low = dots;
    } else {
      high = dots;
    }
    dots = (low + high) / 2;
  }
  return line(low);
}

namespace {

// The labels' font: bold italic serif whose lines are `height` pixels high (a Windows font
// height counts the whole cell), so ten lines fit the 310-pixel columns.
QFont LabelFont(int height) {
  QFont font("Times New Roman");
  font.setBold(true);
  font.setItalic(true);
  font.setPixelSize(height);
  const int cell = QFontMetrics(font).height();
  if (cell > height) font.setPixelSize(std::max(1, height * height / cell));
  return font;
}

}  // namespace

THallOfFameDlg::THallOfFameDlg(QWidget* parent, const std::string& id, const HallOfFameTable& table)
    : TPictureDlg(parent, [lineHeight = QFontMetrics(LabelFont(27)).lineSpacing()](qreal ratio) {
        return HallOfFamePicture(lineHeight, ratio);
      }) {
  Switch()->move(275, 460);
  struct Column {
    QRect rect;
    int fontHeight;
    QColor colour;
    Qt::Alignment alignment;
  };
  const QColor yellow(255, 210, 0);
  const Column columns[4] = {
      {{196, 105, 250, 24}, 21, QColor(102, 255, 0), Qt::AlignHCenter | Qt::AlignTop},
      {{64, 142, 300, 310}, 27, yellow, Qt::AlignRight | Qt::AlignTop},
      {{377, 142, 130, 310}, 27, yellow, Qt::AlignLeft | Qt::AlignTop},
      {{517, 142, 80, 310}, 27, yellow, Qt::AlignLeft | Qt::AlignTop}};
  for (int i = 0; i < 4; ++i) {
    const QFont font = LabelFont(columns[i].fontHeight);
    for (int shadow = 0; shadow < 2; ++shadow) {
      auto* label = new QLabel(this);
      label->setFont(font);
      label->setAlignment(columns[i].alignment);
      label->setGeometry(columns[i].rect.translated(shadow ? -2 : 0, shadow ? -2 : 0));
      QPalette palette = label->palette();
      palette.setColor(QPalette::WindowText, shadow ? columns[i].colour : QColor(Qt::black));
      label->setPalette(palette);
      (shadow ? coloured_ : black_)[i] = label;
    }
  }

  const QFontMetrics names(black_[1]->font());
  QStringList nameLines, timeLines, stepLines;
  const int filled = table.FilledPlaces();
  for (int place = 0; place < 10; ++place) {
    const bool shown = place < filled;
    const HallOfFameEntry& entry = table.places[static_cast<size_t>(place)];
    const QString name = shown ? QString::fromStdString(Cp1252ToUtf8(entry.name)) : QString();
    nameLines << DottedNameLine(name, names, black_[1]->width());
    timeLines << QString::fromStdString(FormatTime(shown ? entry.timeMs : 0));
    char steps[24];
    std::snprintf(steps, sizeof steps, "[%.3u]", shown ? entry.steps : 0u);
    stepLines << QString::fromLatin1(steps);
  }
  const QString texts[4] = {QString::fromStdString(FormatText(1068, Cp1252ToUtf8(id).c_str())),
                            nameLines.join('\n'), timeLines.join('\n'), stepLines.join('\n')};
  for (int i = 0; i < 4; ++i) {
    black_[i]->setText(texts[i]);
    coloured_[i]->setText(texts[i]);
  }
  Switch()->raise();
}

// ---- The port ----

HallOfFameWindows::HallOfFameWindows(Settings& settings, QWidget* parent)
    : hallOfFame_(settings), parent_(parent) {
  playSound = [this] {
    if (!sound_) sound_ = std::make_unique<WinSound>();
    sound_->PlayWinSound();
  };
  askName = [this] { return TEndGameDlg(parent_).AskName(); };
  showTable = [](THallOfFameDlg& dialog) { dialog.exec(); };
}

HallOfFameWindows::~HallOfFameWindows() = default;

void HallOfFameWindows::GameWon(const std::string& puzzleId, uint32_t timeMs, int steps) {
  playSound();
  if (puzzleId.empty()) return;
  const QString name = askName();
  if (name.isEmpty()) return;
  hallOfFame_.Enter(puzzleId, Utf8ToCp1252(name.toStdString()), timeMs,
                    static_cast<uint32_t>(std::max(steps, 0)));
  if (onEntered) onEntered();
  ShowHallOfFame(puzzleId);
}

void HallOfFameWindows::ShowHallOfFame(const std::string& puzzleId) {
  const auto table = hallOfFame_.Read(puzzleId);
  if (!table) return;
  THallOfFameDlg dialog(parent_, puzzleId, *table);
  showTable(dialog);
}

}  // namespace sudoku
