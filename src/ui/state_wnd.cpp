#include "ui/state_wnd.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include "base/texts.h"
#include "ui/background.h"
#include "ui/main_form.h"
#include "ui/program_art.h"

namespace sudoku {

QFrame* StatusBevel(QWidget* parent, const QRect& place) {
  auto* bevel = new QFrame(parent);
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(place);
  return bevel;
}

void StatusText(QWidget* parent, QLabel* (&labels)[2], const QRect& place, Qt::Alignment align,
                const QString& text) {
  QFont font("MS Sans Serif");
  font.setPointSize(8);
  const QColor colours[2] = {Qt::white, QColor(128, 0, 128)};
  for (int i = 0; i < 2; ++i) {
    labels[i] = new QLabel(text, parent);
    labels[i]->setFont(font);
    labels[i]->setAlignment(align | Qt::AlignVCenter);
    labels[i]->setGeometry(place.translated(i, i));
    QPalette palette = labels[i]->palette();
    palette.setColor(QPalette::WindowText, colours[i]);
    labels[i]->setPalette(palette);
    labels[i]->setAttribute(Qt::WA_TransparentForMouseEvents);
  }
  // The purple text reads in front; the white one behind it only lights its upper left edge.
  labels[1]->raise();
}

TStateWnd::TStateWnd(TSudokuMainForm& main, Settings& settings, StartupSettings& options,
                     const QImage& background)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      main_(main),
      settings_(settings),
      options_(options) {
  setObjectName("StateWnd");
  setWindowTitle("Sudoku");
  setFixedSize(681, 34);
  auto* panel = new QFrame(this);
  panel->setObjectName("Panel_Bkgnd");
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(2);
  panel->setGeometry(rect());
  auto* client = new QWidget(panel);
  client->setGeometry(4, 4, 673, 26);
  (new TBackground(client))->SetBkgndImage(background);
  StatusBevel(panel, QRect(6, 6, 435, 22));
  StatusText(panel, lastAction_, QRect(9, 9, 426, 13), Qt::AlignLeft, "");
  StatusBevel(panel, QRect(444, 6, 130, 22));
  StatusText(panel, gameNumber_, QRect(446, 9, 125, 13), Qt::AlignHCenter, "Sudoku-Nr.: -----");
  started_ = new AnimatedPicture(panel, GameRunningFrames);
  started_->setGeometry(577, 6, 22, 22);
  running_ = new AnimatedPicture(panel, CalculationFrames);
  running_->setGeometry(602, 6, 22, 22);
  inputMode_ = new AnimatedPicture(panel, InputModeFrames);
  inputMode_->setGeometry(627, 6, 22, 22);
  smiley_ = new AnimatedPicture(panel, SmileyFrames);
  smiley_->setGeometry(652, 6, 22, 22);

  // The window is dragged by any point of its panel.
  hook_.handler = [this](QObject*, QEvent* e, bool& handled) {
    const QEvent::Type type = e->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease) {
      return;
    }
    auto* mouse = static_cast<QMouseEvent*>(e);
    if (type == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
      handled = true;
      if (!(windowHandle() && windowHandle()->startSystemMove())) {
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
      }
    } else if (type == QEvent::MouseMove && dragging_) {
      handled = true;
      move(mouse->globalPosition().toPoint() - dragOffset_);
    } else if (type == QEvent::MouseButtonRelease && dragging_) {
      handled = true;
      dragging_ = false;
    }
  };
  hook_.SetWinControl(panel);

  Place();
  if (options_.showStateWnd) show();
  started_->Animate(main_.Game().Has(gfClockRunning));
  main_.SetStatusLine(this);
  ShowLastAction(QString::fromStdString(Text(1057)));
  UpdateGameNumber(main_.PuzzleNameText());
  main_.Game().UpdateWarningSmiley();
  // The game may have been restored before this window existed: show its pictures as they are.
  inputMode_->SetFrame(main_.Game().InputModeFrame());
  smiley_->SetFrame(main_.Game().SmileyFrame());
  created_ = true;
}

TStateWnd::~TStateWnd() {
  settings_.WriteSettingInt(setting::kStateWndPosX, x());
  settings_.WriteSettingInt(setting::kStateWndPosY, y());
  settings_.WriteSettingInt(setting::kOffsStateWndX, options_.offsStateWndX);
  settings_.WriteSettingInt(setting::kOffsStateWndY, options_.offsStateWndY);
  main_.SetStatusLine(nullptr);
}

void TStateWnd::Place() {
  const QPoint main = main_.pos();
  if (!options_.offsStateWndStored) {
    // A first start: docked right under the main window rather than over its corner.
    options_.offsStateWndX = 0;
    options_.offsStateWndY = main_.height();
    options_.offsStateWndStored = true;
  }
  QPoint at(main.x(), main.y() + main_.height());
  if (options_.dockingStateWnd) {
    at = main + QPoint(options_.offsStateWndX, options_.offsStateWndY);
  } else if (options_.rememberWndPos) {
    const QRect screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
    // At least 20 pixels stay on the screen.
    at.setX(settings_.ReadSettingInt(setting::kStateWndPosX, x(), 20 - width(), screen.width() - 20));
    at.setY(settings_.ReadSettingInt(setting::kStateWndPosY, y(), 20 - height(),
                                     screen.height() - 20));
  }
  movingByProgram_ = true;
  move(at);
  movingByProgram_ = false;
}

void TStateWnd::MoveDocked(const QPoint& mainTopLeft) {
  movingByProgram_ = true;
  move(mainTopLeft + QPoint(options_.offsStateWndX, options_.offsStateWndY));
  movingByProgram_ = false;
}

void TStateWnd::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!created_ || movingByProgram_) return;
  // The user moved it: a docked window keeps this distance from now on.
  const QPoint offset = pos() - main_.pos();
  options_.offsStateWndX = offset.x();
  options_.offsStateWndY = offset.y();
}

void TStateWnd::closeEvent(QCloseEvent* event) {
  // Closing the status window ends the program; once the main window is gone (the program
  // ends) it closes like any window.
  if (!main_.isVisible()) return event->accept();
  event->ignore();
  main_.close();
}

void TStateWnd::FollowMinimised(bool minimised) {
  // A tool window has no button of its own to come back from.
  if (minimised) {
    hide();
  } else if (options_.showStateWnd) {
    show();
  }
}

void TStateWnd::SetStayOnTop(bool on) {
  const bool visible = isVisible();
  setWindowFlag(Qt::WindowStaysOnTopHint, on);
  if (visible) show();
}

void TStateWnd::SetText(QLabel* const (&labels)[2], const QString& text) {
  for (QLabel* label : labels) label->setText(text);
}

void TStateWnd::ShowLastAction(const QString& text) {
  SetText(lastAction_, QString::fromStdString(Text(1058)) + " " + text);
}

void TStateWnd::ShowError(const QString& text) {
  SetText(lastAction_, QString::fromStdString(Text(1059)) + " " + text);
}

void TStateWnd::UpdateGameNumber(const QString& name) {
  const QString shown = name.isEmpty() ? "-----" : name;
  SetText(gameNumber_, QString::fromStdString(FormatText(1069, shown.toUtf8().constData())));
}

}  // namespace sudoku
