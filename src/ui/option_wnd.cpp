#include "ui/option_wnd.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLocale>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>

#include "base/texts.h"
#include "ui/background.h"
#include "ui/main_form.h"
#include "ui/state_wnd.h"

namespace sudoku {
namespace {

QString T(int id) { return QString::fromStdString(Text(id)); }

// The skin entries: the built-in skin on grey, the others on white; the selection dark blue.
class SkinItemDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    const bool builtin = index.row() == 0;
    QColor back = builtin ? QColor(192, 192, 192) : QColor(255, 255, 255), text = Qt::black;
    if (selected) {
      back = builtin ? QColor(0, 0, 64) : QColor(0, 0, 128);
      text = builtin ? QColor(224, 224, 0) : QColor(255, 255, 0);
    }
    p->fillRect(option.rect, back);
    p->setPen(text);
    const QRect place = option.rect.adjusted(2, 0, -2, 0);
    // A long name ends in an ellipsis; its entry's tool tip has it whole.
    p->drawText(
        place, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
        option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, place.width()));
  }
  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return QSize(0, 19);
  }
};

// Narrows a caption's letters as far as needed (within reason) to fit its control.
void FitCaption(QAbstractButton* button) {
  QFont font = button->font();
  for (int stretch = 99; stretch >= 85 && button->sizeHint().width() > button->width(); --stretch) {
    font.setStretch(stretch);
    button->setFont(font);
  }
}

QWidget* Panel(QWidget* parent, const QRect& place, const QString& name) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setGeometry(place);
  return panel;
}

}  // namespace

QString VelocityLabel(int p) {
  if (p <= 0) return T(1028);
  const double d = StepDelayForVelocity(p);
  const bool fast = d < 1000;
  const QString number = QLocale().toString(fast ? 1000.0 / d : d / 1000.0, 'f', 1);
  return T(fast ? 1029 : 1030).replace("%.1f", number);
}

TOptionWnd::TOptionWnd(TSudokuMainForm& main, Settings& settings, StartupSettings& options,
                       const QImage& background)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      main_(main),
      settings_(settings),
      options_(options) {
  setObjectName("TOptionWnd");
  setFixedSize(kPanelWidth, 261);
  // The controls are placed for a small dialog font: 8 points at 96 pixels per inch.
  QFont font = this->font();
  font.setPixelSize(11);
  setFont(font);
  (new TBackground(this))->SetBkgndImage(background);
  auto* left = Panel(this, QRect(0, 0, 204, 261), "Panel_Left");
  right_ = Panel(this, QRect(204, 0, 204, 261), "Panel_Right");
  auto hint = [this](QWidget* w, const char* text) { hints_.emplace_back(w, QString::fromUtf8(text)); };

  skinButton_ = new QPushButton("&Skin wechseln  \u25B8", left);
  skinButton_->setObjectName("BitBtn_Skins");
  skinButton_->setGeometry(2, 2, 200, 21);
  hint(skinButton_, "Zeigt eine Liste der verfügbaren Skins mit deren\nHilfe das Aussehen des "
                    "Programms dem eigenen\nGeschmack angepasst werden kann.");
  connect(skinButton_, &QPushButton::clicked, this, [this] { ShowSkinList(); });

  auto* velocityPanel = Panel(left, QRect(2, 23, 200, 48), "Panel_Velocity");
  velocity_ = new QSlider(Qt::Horizontal, velocityPanel);
  velocity_->setObjectName("TrackBar_Velocity");
  velocity_->setGeometry(2, 2, 197, 28);
  velocity_->setRange(0, 25);
  velocity_->setTickPosition(QSlider::TicksAbove);
  velocityLabel_ = new QLabel("&Ablaufgeschwindigkeit: Max.", velocityPanel);
  velocityLabel_->setObjectName("Label_Velocity");
  velocityLabel_->setGeometry(2, 30, 196, 13);
  velocityLabel_->setAlignment(Qt::AlignCenter);
  velocityLabel_->setBuddy(velocity_);
  hint(velocityPanel, "Verändert die Ablaufgeschwindigkeit\nbei der automatischen Lösungsberechnung");
  connect(velocity_, &QSlider::valueChanged, this, [this](int p) { VelocityChanged(p); });

  auto* warnings = Panel(left, QRect(2, 71, 200, 60), "Panel_WarningByErrors");
  const char* warningCaptions[3] = {"Bei Fehler nicht &warnen", "Nur bei &offensichtlichen Fehlern w.",
                                    "&Bei allen Fehlern warnen"};
  const char* warningHints[3] = {
      "Es werden keine Warnungen bei Fehlern ausgegeben",
      "Verhindert nur das Setzen oder Hinzufügen von Ziffern,\ndie bereits in der "
      "Zeile/Spalte/Block vorhanden sind.\nAusnahme ist das Setzen der Felder auf [1..9].",
      "Verhindert das Setzen oder Hinzufügen von Ziffern,\nwelche nicht die Lösungsziffer sind. "
      "Ausnahme ist\ndas Setzen der Felder auf [1..9]."};
  auto* group = new QButtonGroup(this);
  for (int level = 0; level < 3; ++level) {
    warning_[level] = new QRadioButton(warningCaptions[level], warnings);
    warning_[level]->setObjectName(QString("RadioButton_WarningLevel%1").arg(level));
    warning_[level]->setGeometry(8, 4 + level * 18, 192, 17);
    hint(warning_[level], warningHints[level]);
    group->addButton(warning_[level], level);
  }
  connect(group, &QButtonGroup::idClicked, this, [this](int level) {
    options_.warningLevel = level;
    main_.Game().UpdateWarningSmiley();
    if (initialised_) settings_.WriteSettingInt(setting::kWarningLevel, level);
  });

  auto* stateWnd = Panel(left, QRect(2, 131, 200, 40), "Panel_AutostartStateWnd");
  autostart_ = new QCheckBox("Statusfenster an&zeigen", stateWnd);
  autostart_->setObjectName("CheckBox_StateWndAutostart");
  autostart_->setGeometry(8, 2, 192, 17);
  hint(autostart_, "Blendet ein frei verschiebbares Fenster ein,\nin dem Zusatzinformationen "
                   "angezeigt werden.");
  connect(autostart_, &QCheckBox::clicked, this, [this] { StateWndShownChanged(); });
  docking_ = new QCheckBox("Statusfenster an&docken", stateWnd);
  docking_->setObjectName("CheckBox_StateWndDocking");
  docking_->setGeometry(24, 20, 176, 17);
  hint(docking_, "Statusfenster verschiebt sich zusammen mit dem\nHauptfenster und ist so an "
                 "dieses angedockt.");
  connect(docking_, &QCheckBox::clicked, this, [this](bool on) {
    options_.dockingStateWnd = on;
    if (!initialised_) return;
    if (stateWnd_) {
      // Docks where it stands.
      const QPoint offset = stateWnd_->pos() - main_.pos();
      options_.offsStateWndX = offset.x();
      options_.offsStateWndY = offset.y();
    }
    settings_.WriteSettingBool(setting::kDockingStateWnd, on);
  });

  struct Box {
    QCheckBox** box;
    const char* panel;
    int top;
    const char* caption;
    const char* name;
    const char* hint;
  };
  const Box boxes[3] = {
      {&remember_, "Panel_RememberWndPos", 171, "Letzte &Fensterposition merken",
       "CheckBox_RememberWndPos",
       "Programmfenster startet das nächste Mal\nan der selben Position wie beim Verlassen\ndes "
       "Programms."},
      {&showHint_, "Panel_ShowHint", 193, "Kurz&hilfe in Dialogfenstern anzeigen",
       "CheckBox_ShowHint", "Zeigt diese Kurzinfos in Dialogfenstern an"},
      {&keypad_, "Panel_ShowInvNumBlock", 215, "Zahlenblock &umgekeht anzeigen",
       "CheckBox_ShowInvNumBlock",
       "Zeigt die Zahlen in jedem Feld wie auf\ndem Zehnerblock der Tastatur an."}};
  for (const Box& b : boxes) {
    QWidget* panel = Panel(left, QRect(2, b.top, 200, 22), b.panel);
    *b.box = new QCheckBox(QString::fromUtf8(b.caption), panel);
    (*b.box)->setObjectName(b.name);
    (*b.box)->setGeometry(8, 2, 192, 17);
    hint(panel, b.hint);
    hint(*b.box, b.hint);
  }
  connect(remember_, &QCheckBox::clicked, this, [this](bool on) {
    options_.rememberWndPos = on;
    if (initialised_) settings_.WriteSettingBool(setting::kRememberWndPos, on);
  });
  connect(showHint_, &QCheckBox::clicked, this, [this](bool on) {
    options_.globalShowHint = on;
    ApplyHints();
    if (initialised_) settings_.WriteSettingBool(setting::kGlobalShowHint, on);
  });
  connect(keypad_, &QCheckBox::clicked, this, [this](bool on) {
    options_.showInvNumBlock = on;
    if (initialised_) settings_.WriteSettingBool(setting::kShowInvNumBlock, on);
    main_.Skin().SetKeypadOrder(on);
    for (int cell = 0; cell < 81; ++cell) main_.Skin().RedrawCell(cell);
  });

  closeButton_ = new QPushButton("Schließen", left);
  closeButton_->setObjectName("Button_Close");
  closeButton_->setGeometry(2, 237, 200, 22);
  closeButton_->setShortcut(Qt::Key_Escape);
  hint(closeButton_, "Schließt den Optionen-Dialog. Den selben\nEffekt erzielt man, wenn man auf "
                     "das Haupt-\nfenster klickt.");
  connect(closeButton_, &QPushButton::clicked, this, [this] { hide(); });

  skins_ = new QListWidget(right_);
  skins_->setObjectName("ListBox_Skins");
  skins_->setGeometry(right_->rect());
  skins_->setItemDelegate(new SkinItemDelegate(skins_));
  skins_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  skins_->installEventFilter(this);
  connect(skins_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { PickSkin(skins_->row(item)); });
  right_->hide();

  // The controls take the stored values; nothing is written back meanwhile.
  velocity_->setValue(options_.velocity);
  VelocityChanged(velocity_->value());  // also at 0, so the label always matches the position
  warning_[std::clamp(options_.warningLevel, 0, 2)]->setChecked(true);
  autostart_->setChecked(options_.showStateWnd);
  docking_->setChecked(options_.dockingStateWnd);
  docking_->setEnabled(options_.showStateWnd);
  remember_->setChecked(options_.rememberWndPos);
  showHint_->setChecked(options_.globalShowHint);
  keypad_->setChecked(options_.showInvNumBlock);
  for (QAbstractButton* button : left->findChildren<QAbstractButton*>()) FitCaption(button);
  ApplyHints();
  initialised_ = true;
}

void TOptionWnd::ApplyHints() {
  for (auto& [widget, text] : hints_) widget->setToolTip(options_.globalShowHint ? text : QString());
}

void TOptionWnd::VelocityChanged(int position) {
  main_.Game().SetStepDelay(StepDelayForVelocity(position));
  velocityLabel_->setText(VelocityLabel(position));
  options_.velocity = position;
  if (initialised_) settings_.WriteSettingInt(setting::kVelocity, position);
}

void TOptionWnd::StateWndShownChanged() {
  if (stateWnd_) {
    guard_ = true;
    stateWnd_->setVisible(autostart_->isChecked());
    activateWindow();
    guard_ = false;
  }
  options_.showStateWnd = stateWnd_ ? stateWnd_->isVisible() : autostart_->isChecked();
  if (!initialised_) return;
  settings_.WriteSettingBool(setting::kShowStateWnd, options_.showStateWnd);
  docking_->setEnabled(options_.showStateWnd);
}

void TOptionWnd::Place() {
  const QRect button = main_.Skin().Layout().areas[43];
  const QRect screen =
      QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect();
  const int left = std::min(main_.x() + button.left(), screen.width() - width());
  const int top = std::min(main_.y() + button.top() + button.height(), screen.height() - height());
  move(left, top);
}

void TOptionWnd::ShowUnderButton() {
  right_->hide();
  setFixedSize(kPanelWidth, 261);
  Place();
  show();
  raise();
  activateWindow();
  skinButton_->setFocus();
}

void TOptionWnd::ShowSkinList() {
  skinList_.Refresh(main_.SkinDirectories());
  skins_->clear();
  skins_->addItem(T(1065));
  // The room for a name beside the 2 pixels on each side, and the scroll bar of a long list.
  int room = skins_->contentsRect().width() - 4;
  if ((skinList_.Count() + 1) * 19 > skins_->contentsRect().height()) {
    room -= skins_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, skins_);
  }
  for (int i = 0; i < skinList_.Count(); ++i) {
    const QString& name = skinList_.At(i).Name;
    skins_->addItem(name);
    if (skins_->fontMetrics().horizontalAdvance(name) > room) skins_->item(i + 1)->setToolTip(name);
  }
  const QString last =
      QString::fromStdString(settings_.ReadSettingString(setting::kLastSkinDLL, ""));
  if (last.isEmpty()) {
    skins_->setCurrentRow(0);
  } else {
    for (int i = 0; i < skinList_.Count(); ++i) {
      if (skinList_.At(i).FileName.compare(last, Qt::CaseInsensitive) == 0) {
        skins_->setCurrentRow(i + 1);
      }
    }
  }
  setFixedSize(2 * kPanelWidth, 261);
  right_->show();
  Place();
  skins_->setFocus();
}

void TOptionWnd::PickSkin(int row) {
  if (row < 0 || row > skinList_.Count()) return;
  const QString file = row == 0 ? QString() : skinList_.At(row - 1).FileName;
  guard_ = true;  // an error box must not hide the window
  const bool ok = main_.ChangeSkin(file, this);
  guard_ = false;
  // The focus comes back here after an error box, so that leaving the window still hides it.
  if (!ok && isVisible()) activateWindow();
  if (!ok) {
    skins_->setCurrentRow(0);
    QApplication::beep();
  }
}

bool TOptionWnd::eventFilter(QObject* watched, QEvent* event) {
  if (watched == skins_ && event->type() == QEvent::FocusOut && right_->isVisible() &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
    // The focus went to another control of the window: the list goes again and the window keeps
    // its place. A message box over the window leaves it.
    right_->hide();
    setFixedSize(kPanelWidth, 261);
  }
  return false;
}

bool TOptionWnd::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && !guard_) hide();
  return QWidget::event(event);
}

void TOptionWnd::closeEvent(QCloseEvent* event) {
  if (!main_.isVisible()) return event->accept();
  event->ignore();
  main_.close();
}

}  // namespace sudoku
