#include "ui/help_dlg.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "base/texts.h"
#include "skin/skin_modules.h"
#include "skin/skin_view.h"
#include "ui/animated_picture.h"
#include "ui/background.h"
#include "ui/help_art.h"
#include "ui/help_texts.h"
#include "ui/program_art.h"
#include "ui/state_wnd.h"

namespace sudoku {
namespace {

const QColor kPurple(128, 0, 128);
constexpr int kPageWidth = 633;
constexpr int kPageHeight = 495;
constexpr int kMargin = 16;
constexpr int kBodyTop = 42;

// The names of the main menu's icons, left to right and top to bottom.
const char* const kMenuIconNames[9] = {"Image1_Dateien", "Image2_Vorlagen", "Image3_StartStop",
                                       "Image4_Zurueck", "Image5_Weiter",   "Image6_Anfang",
                                       "Image7_Memory",  "Image8_Optionen", "Image9_Hilfe"};
// Alt + these letters choose the inner pages of the main menu page.
const char kMenuKeys[9] = {'D', 'V', 'S', 'Z', 'W', 'A', 'L', 'O', 'H'};

QFont Font(int points, bool bold = false, bool italic = false) {
  QFont font = QApplication::font();
  font.setPointSize(points);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

void SetTextColour(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, colour);
  widget->setPalette(palette);
}

// "&1:" shows its mnemonic underlined, without taking a shortcut of its own: the dialog's
// action lists own the keys.
QString MnemonicHtml(const QString& caption) {
  const qsizetype amp = caption.indexOf('&');
  if (amp < 0 || amp + 1 >= caption.size()) return caption.toHtmlEscaped();
  return caption.left(amp).toHtmlEscaped() + "<u>" + caption.mid(amp + 1, 1).toHtmlEscaped() +
         "</u>" + caption.mid(amp + 2).toHtmlEscaped();
}

// A picture that can be clicked, with a frame while it is the chosen one. It is drawn for the
// pixel ratio of its screen.
class HelpPicture : public QWidget {
 public:
  HelpPicture(QWidget* parent, ForRatio<QImage>::Paint paint, int tag)
      : QWidget(parent), image_(std::move(paint), devicePixelRatioF()) {
    setProperty("tag", tag);
    resize(image_.Current().deviceIndependentSize().toSize());
  }
  void SetClick(std::function<void()> click) {
    click_ = std::move(click);
    setCursor(Qt::PointingHandCursor);
  }
  void SetChosen(bool chosen) {
    chosen_ = chosen;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect(), image_.At(devicePixelRatioF()));
    if (chosen_ || (hover_ && click_)) {
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(chosen_ ? QColor(255, 196, 40) : QColor(255, 255, 255, 170), 2));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 3, 3);
    }
  }
  void enterEvent(QEnterEvent*) override {
    hover_ = true;
    update();
  }
  void leaveEvent(QEvent*) override {
    hover_ = false;
    update();
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        click_) {
      click_();
    }
  }

 private:
  ForRatio<QImage> image_;
  std::function<void()> click_;
  bool chosen_ = false;
  bool hover_ = false;
};

// A label that reacts to a click, for the numbers of the game window's parts and the addresses.
class ClickLabel : public QLabel {
 public:
  ClickLabel(const QString& text, QWidget* parent, std::function<void()> click)
      : QLabel(text, parent), click_(std::move(click)) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
      click_();
    }
  }

 private:
  std::function<void()> click_;
};

// The skin's whole window, dimmed, as the ground on which its parts are shown, with a margin
// on each side for the parts' numbers and the lines from each number to its part.
class SkinMap : public QWidget {
 public:
  SkinMap(QWidget* parent, ForRatio<QImage>::Paint skin, const QSize& size, int margin)
      : QWidget(parent),
        margin_(margin),
        ground_(
            [skin = std::move(skin), size](qreal ratio) {
              QImage dimmed = skin(ratio);
              QPainter p(&dimmed);
              p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
              p.fillRect(QRectF(QPointF(0, 0), dimmed.deviceIndependentSize()),
                         QColor(20, 20, 30, 150));
              p.end();
              QImage ground = dimmed.scaled(size * dimmed.devicePixelRatio(), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation);
              ground.setDevicePixelRatio(dimmed.devicePixelRatio());
              return ground;
            },
            devicePixelRatioF()) {
    resize(size.width() + 2 * margin, size.height());
  }
  void AddLeader(const QLineF& line) { leaders_.push_back(line); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.drawImage(QPointF(margin_, 0), ground_.At(devicePixelRatioF()));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(122, 82, 0), 1.5));
    for (const QLineF& line : leaders_) p.drawLine(line);
  }

 private:
  int margin_;
  ForRatio<QImage> ground_;
  std::vector<QLineF> leaders_;
};

// Vertical places for labels of height `h` that want to stand at `wanted` (top edges) in a
// column from 0 to `bottom`: as near as possible, 2 pixels apart at least, in the same order.
std::vector<int> SpreadLabels(const std::vector<int>& wanted, int h, int bottom) {
  std::vector<size_t> order(wanted.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](size_t a, size_t b) { return wanted[a] < wanted[b]; });
  std::vector<int> top(wanted.size());
  int next = 0;
  for (size_t i : order) {
    top[i] = std::max(wanted[i], next);
    next = top[i] + h + 2;
  }
  int last = bottom;
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    top[*it] = std::max(0, std::min(top[*it], last - h));
    last = top[*it] - 2;
  }
  return top;
}

// An image scaled to fit into `box`, keeping its proportions; never enlarged.
QSize FitInto(const QSize& image, const QSize& box) {
  if (image.width() <= box.width() && image.height() <= box.height()) return image;
  return image.scaled(box, Qt::KeepAspectRatio);
}

}  // namespace

THelpDlg::THelpDlg(QWidget* parent, const StartupSettings& options, const QImage& background,
                   const SkinView& skin, const QString& version)
    : TOKCancelDlg(parent, options, background),
      skin_(skin),
      programSkin_(std::make_unique<SkinView>()),
      background_(background),
      keypadOrder_(options.showInvNumBlock) {
  // Cut pictures come from the skin's pictures at the screen's ratio.
  programSkin_->SetDevicePixelRatio(devicePixelRatioF());
  programSkin_->ApplySkin(kBuiltinSkinRoot);
  setObjectName("THelpDlg");
  setWindowTitle("Sudoku Hilfe");
  // One button only, in the panel beside the topics: the base's OK is not used.
  OKBtn()->setDefault(false);
  OKBtn()->setEnabled(false);
  OKBtn()->hide();
  PanelBottom()->hide();
  setFixedSize(kPageWidth + 292, kPageHeight);

  pageControl_ = new QStackedWidget(Client());
  pageControl_->setObjectName("PageControl");
  pageControl_->setGeometry(0, 0, kPageWidth, kPageHeight);

  auto* panel = new QFrame(Client());
  panel->setObjectName("Panel_Right");
  panel->setGeometry(kPageWidth, 0, 292, kPageHeight);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  (new TBackground(panel))->SetBkgndImage(background);
  auto* versionLabel = new QLabel(QString("Version %1").arg(version), panel);
  versionLabel->setObjectName("Label_Version");
  versionLabel->setFont(Font(10, true));
  SetTextColour(versionLabel, kPurple);
  versionLabel->setAlignment(Qt::AlignCenter);
  versionLabel->setGeometry(16, 14, 260, 22);
  listBox_ = new QListWidget(panel);
  listBox_->setObjectName("ListBox");
  listBox_->setGeometry(16, 46, 260, 384);
  listBox_->setToolTip("In dieser Liste wird die Hilfeseite ausgewählt.");
  listBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  listBox_->setUniformItemSizes(true);
  // The longest topics fit the list's width only a little closer together.
  QFont listFont = listBox_->font();
  listFont.setLetterSpacing(QFont::PercentageSpacing, 95);
  listBox_->setFont(listFont);
  QPalette listColours = listBox_->palette();
  listColours.setColor(QPalette::Base, QColor(204, 204, 204));
  listBox_->setPalette(listColours);
  for (const HelpPageName& page : kHelpPages) {
    auto* item = new QListWidgetItem(QString::fromUtf8(page.topic), listBox_);
    item->setSizeHint(QSize(0, 20));
    item->setToolTip(QString::fromUtf8(page.topic));
  }
  QPushButton* close = CancelBtn();
  close->setParent(panel);
  close->setText("Schließen");
  close->setToolTip("Schließt das Hilfefenster.");
  close->setDefault(true);
  close->setGeometry(16 + 70, 446, 120, 30);
  close->show();

  for (int i = 0; i < kHelpPageCount; ++i) {
    const QString topic = QString::fromUtf8(kHelpPages[static_cast<size_t>(i)].topic);
    QWidget* page = AddPage(i, i >= 2 && i <= 7 ? MethodTitle(i - 2) : topic);
    switch (i) {
      case 0:
        AddText(page, QRect(kMargin, kBodyTop, kPageWidth - 2 * kMargin, 440), InstructionText());
        break;
      case 1: {
        auto* chain = new HelpPicture(page, CalculationChainPicture, 0);
        chain->move(kMargin, 106);
        AddText(page, QRect(kMargin, kBodyTop, kPageWidth - 2 * kMargin, 62), RulesIntroText());
        AddText(page, QRect(kMargin, 230, kPageWidth - 2 * kMargin, 252), RulesText());
        break;
      }
      case 2:
      case 3:
      case 4:
      case 5:
      case 6:
      case 7:
        BuildMethodPage(page, i - 2);
        break;
      case 8:
        BuildShortcutsPage(page);
        break;
      case 9:
        BuildGuiPage(page);
        break;
      case 10:
        BuildMenuPage(page);
        break;
      case 11:
        BuildStateLinePage(page);
        break;
      case 12:
        BuildOnlinePage(page);
        break;
      case 13:
        BuildAboutPage(page, version);
        break;
      default:
        BuildAboutSkinPage(page);
        break;
    }
  }

  // The two action lists: each works only while its page is shown.
  for (int i = 0; i < 9; ++i) {
    auto* action = new QAction(this);
    action->setObjectName(QString("Action_Menu_%1").arg(i));
    action->setData(i);
    action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(kMenuKeys[i])));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, i] { pageControlMenu_->setCurrentIndex(i); });
    addAction(action);
    menuActions_ << action;
  }
  for (int i = 0; i < 8; ++i) {
    auto* action = new QAction(this);
    action->setObjectName(QString("Action_GUI_%1").arg(i));
    action->setData(i);
    action->setShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + i)));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, [this, i] { ShowGuiPart(i); });
    addAction(action);
    guiActions_ << action;
  }

  connect(listBox_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ShowPage(row);
  });
  connect(pageControl_, &QStackedWidget::currentChanged, this,
          [this](int index) { PageChanged(index); });
  pageControl_->setCurrentIndex(0);
  PageChanged(0);
  listBox_->setFocus();
}

QWidget* THelpDlg::AddPage(int index, const QString& title) {
  auto* page = new QWidget;
  page->setObjectName(kHelpPages[static_cast<size_t>(index)].name);
  (new TBackground(page))->SetBkgndImage(background_);
  if (!title.isEmpty() && index != 13) {
    auto* heading = new QLabel(title, page);
    heading->setObjectName(QString("Label_Title_%1").arg(index));
    heading->setFont(Font(13, true));
    SetTextColour(heading, kPurple);
    heading->setGeometry(kMargin, 10, kPageWidth - 2 * kMargin, 26);
  }
  pageControl_->addWidget(page);
  return page;
}

QLabel* THelpDlg::AddText(QWidget* parent, const QRect& place, const QString& html) {
  // A scroll area that lets the page's tile show through; it scrolls only if a text is longer
  // than its place.
  auto* area = new QScrollArea(parent);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  area->viewport()->setAutoFillBackground(false);
  if (!place.isNull()) area->setGeometry(place);
  auto* label = new QLabel(html);
  label->setTextFormat(Qt::RichText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setFont(Font(9));
  label->setTextInteractionFlags(Qt::LinksAccessibleByMouse);
  connect(label, &QLabel::linkActivated, this, &THelpDlg::OpenLink);
  area->setWidget(label);
  label->setAutoFillBackground(false);
  if (place.isNull() && parent->layout()) parent->layout()->addWidget(area);
  return label;
}

void THelpDlg::BuildMethodPage(QWidget* page, int method) {
  // The text on the left, the example before and after the method on the right.
  const auto picture = [method, keypadOrder = keypadOrder_](bool after) {
    return [=](qreal ratio) { return MethodPicture(method, after, keypadOrder, ratio); };
  };
  const int width = picture(false)(1).width();
  const int left = kPageWidth - kMargin - width;
  AddText(page, QRect(kMargin, kBodyTop, left - 14 - kMargin, 442), MethodText(method));
  int y = kBodyTop + 2;
  for (int k = 0; k < 2; ++k) {
    auto* caption = new QLabel(k == 0 ? "Vorher" : "Nachher", page);
    caption->setFont(Font(9, true));
    SetTextColour(caption, kPurple);
    caption->setGeometry(left, y, width, 18);
    if (k == 1) {
      auto* arrow = new QLabel("\u2193", page);
      arrow->setFont(Font(16, true));
      SetTextColour(arrow, kPurple);
      arrow->setAlignment(Qt::AlignCenter);
      arrow->setGeometry(left, y - 4, width, 26);
    }
    auto* shown = new HelpPicture(page, picture(k == 1), kMethodPictureId + 2 * method + k);
    shown->setObjectName(QString("Image_Algo%1_%2").arg(method + 1).arg(k));
    shown->move(left, y + 20);
    y += 20 + shown->height() + 12;
  }
  auto* key = new QLabel(page);
  key->setFont(Font(8));
  key->setWordWrap(true);
  key->setText(
      "<table cellspacing='0' cellpadding='1'><tr>"
      "<td><span style='background-color:#ffe77d;'>&nbsp;&nbsp;&nbsp;&nbsp;</span> gibt den "
      "Ausschlag</td><td>&nbsp;&nbsp;<span style='background-color:#c1ecb4;'>&nbsp;&nbsp;&nbsp;"
      "&nbsp;</span> geändert</td></tr><tr><td><span style='color:#cd1919;'><s><b>&nbsp;5&nbsp;"
      "</b></s></span> wird gestrichen</td><td>&nbsp;&nbsp;<span style='background-color:"
      "#e0e5f0;'>&nbsp;<b>5</b>&nbsp;</span> Vorgabe</td></tr></table>");
  key->setGeometry(left, y, width, 36);
  key->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void THelpDlg::BuildShortcutsPage(QWidget* page) {
  AddText(page, QRect(kMargin, kBodyTop, kPageWidth - 2 * kMargin, 442), ShortcutsText());
}

QTabWidget* THelpDlg::InnerPages(QWidget* page, const char* name, const QRect& place,
                                 const char* const* captions, int count,
                                 const std::function<QString(int)>& text) {
  auto* tabs = new QTabWidget(page);
  tabs->setObjectName(name);
  tabs->setGeometry(place);
  tabs->setUsesScrollButtons(false);
  for (int i = 0; i < count; ++i) {
    auto* inner = new QWidget;
    inner->setObjectName(QString("%1_%2").arg(name).arg(i));
    (new TBackground(inner))->SetBkgndImage(background_);
    auto* layout = new QVBoxLayout(inner);
    layout->setContentsMargins(10, 8, 6, 6);
    AddText(inner, QRect(), text(i));
    tabs->addTab(inner, QString::fromUtf8(captions[i]));
  }
  return tabs;
}

void THelpDlg::BuildGuiPage(QWidget* page) {
  // The whole window of the program's own skin, dimmed, with its eight parts lit on it; each
  // part's number stands in the margin beside it, never on a part, joined to it by a line.
  std::array<ClickLabel*, kGuiPartCount> numbers{};
  int margin = 0;
  for (int part = 0; part < kGuiPartCount; ++part) {
    const QString caption = QString("&%1:").arg(part + 1);
    auto* number = new ClickLabel(MnemonicHtml(caption), page, [this, part] { ShowGuiPart(part); });
    number->setObjectName(QString("Label_GUI_%1").arg(part + 1));
    number->setProperty("tag", part);
    number->setProperty("caption", caption);
    number->setFont(Font(8, true));
    number->setAlignment(Qt::AlignCenter);
    number->setStyleSheet(
        "QLabel { background-color: #ffd24a; color: #2a0a2a; border: 1px solid #7a5200;"
        " border-radius: 3px; }");
    number->resize(number->sizeHint() + QSize(6, 0));
    margin = std::max(margin, number->width() + 8);
    numbers[static_cast<size_t>(part)] = number;
  }
  const SkinView* skin = programSkin_.get();
  const QSize skinSize = skin->Size();
  const QSize room(420 - 2 * margin, 268);
  const QSize pictureSize = skinSize.isEmpty() ? room : skinSize.scaled(room, Qt::KeepAspectRatio);
  auto* map = new SkinMap(
      page, [skin](qreal ratio) { return SkinPicture(*skin, ratio); }, pictureSize, margin);
  map->setObjectName("Image_GUI_Map");
  map->move(kMargin, kBodyTop + 2);
  const double scale = skinSize.isEmpty() ? 1.0 : double(pictureSize.width()) / skinSize.width();
  std::array<QRect, kGuiPartCount> places;
  for (int part = 0; part < kGuiPartCount; ++part) {
    const QRect r = GuiPartRect(*skin, part);
    QRect place(margin + static_cast<int>(std::lround(r.x() * scale)),
                static_cast<int>(std::lround(r.y() * scale)),
                std::max(8, static_cast<int>(std::lround(r.width() * scale))),
                std::max(8, static_cast<int>(std::lround(r.height() * scale))));
    // A part that the skin lacks still gets a place, at the picture's right edge.
    if (r.isEmpty()) place = QRect(margin + pictureSize.width() - 30, 4 + part * 32, 26, 26);
    places[static_cast<size_t>(part)] = place;
    auto* picture = new HelpPicture(
        map, [skin, part](qreal ratio) { return GuiPartPicture(*skin, part, ratio); },
        kGuiPartPictureId + part);
    picture->setObjectName(QString("Image_GUI_%1").arg(part));
    picture->setGeometry(place);
    picture->SetClick([this, picture] {
      // The inner page is the last character of the picture's name.
      ShowGuiPart(picture->objectName().right(1).toInt());
    });
    guiImages_[static_cast<size_t>(part)] = picture;
  }
  // Each number goes to the margin on its part's side, level with the part's middle as far as
  // the other numbers there leave room.
  for (const bool right : {false, true}) {
    std::vector<int> parts, wanted;
    for (int part = 0; part < kGuiPartCount; ++part) {
      const QRect& place = places[static_cast<size_t>(part)];
      if ((place.center().x() > map->width() / 2) != right) continue;
      parts.push_back(part);
      wanted.push_back(place.center().y() - numbers[static_cast<size_t>(part)]->height() / 2);
    }
    if (parts.empty()) continue;
    const int h = numbers[static_cast<size_t>(parts[0])]->height();
    const std::vector<int> tops = SpreadLabels(wanted, h, map->height());
    for (size_t i = 0; i < parts.size(); ++i) {
      ClickLabel* number = numbers[static_cast<size_t>(parts[i])];
      const QRect& place = places[static_cast<size_t>(parts[i])];
      number->setParent(map);
      number->move(right ? map->width() - number->width() : 0, tops[i]);
      number->show();
      const QPointF from(right ? number->x() : number->x() + number->width(),
                         number->y() + number->height() / 2.0);
      const QPointF to(right ? place.right() + 1 : place.left(),
                       std::clamp(from.y(), double(place.top()), double(place.bottom())));
      map->AddLeader(QLineF(from, to));
      number->raise();
    }
  }
  const int textLeft = kMargin + map->width() + 14;
  AddText(page, QRect(textLeft, kBodyTop, kPageWidth - kMargin - textLeft, 268), GuiIntroText());
  pageControlGui_ = InnerPages(page, "PageControl_GUI", QRect(kMargin, 318, 601, 166),
                               kGuiPageCaptions.data(), 8, GuiPartText);
  connect(pageControlGui_, &QTabWidget::currentChanged, this, [this](int part) {
    for (size_t i = 0; i < guiImages_.size(); ++i) {
      static_cast<HelpPicture*>(guiImages_[i])->SetChosen(static_cast<int>(i) == part);
    }
  });
  static_cast<HelpPicture*>(guiImages_[0])->SetChosen(true);
}

void THelpDlg::ShowGuiPart(int part) {
  if (pageControlGui_ && part >= 0 && part < pageControlGui_->count()) {
    pageControlGui_->setCurrentIndex(part);
  }
}

void THelpDlg::BuildMenuPage(QWidget* page) {
  constexpr int kCellW = 130, kCellH = 42, kPitchX = 138, kPitchY = 48;
  for (int i = 0; i < kCommandCount; ++i) {
    const SkinView* skin = programSkin_.get();
    const QString caption = QString::fromUtf8(kMenuPageCaptions[static_cast<size_t>(i)]);
    auto* icon = new HelpPicture(
        page, [skin, i, caption](qreal ratio) { return CommandPicture(*skin, i, caption, ratio); },
        kCommandPictureId + i);
    icon->setObjectName(kMenuIconNames[i]);
    const QSize size = FitInto(icon->size(), QSize(kCellW, kCellH));
    icon->setGeometry(kMargin + (i % 3) * kPitchX, kBodyTop + 4 + (i / 3) * kPitchY, size.width(),
                      size.height());
    icon->SetClick([this, icon] { MenuIconClick(icon); });
    menuIcons_[static_cast<size_t>(i)] = icon;
  }
  const int textLeft = kMargin + 2 * kPitchX + kCellW + 14;
  AddText(page, QRect(textLeft, kBodyTop, kPageWidth - kMargin - textLeft, 146), MenuIntroText());
  pageControlMenu_ = InnerPages(page, "PageControl_Menu", QRect(kMargin, 196, 601, 288),
                                kMenuPageCaptions.data(), 9, MenuText);
  connect(pageControlMenu_, &QTabWidget::currentChanged, this, [this](int index) {
    for (size_t i = 0; i < menuIcons_.size(); ++i) {
      static_cast<HelpPicture*>(menuIcons_[i])->SetChosen(static_cast<int>(i) == index);
    }
  });
  static_cast<HelpPicture*>(menuIcons_[0])->SetChosen(true);
}

void THelpDlg::MenuIconClick(QWidget* icon) {
  // The inner page follows from where the icon stands in the grid.
  const QWidget* first = menuIcons_[0];
  const int dx = menuIcons_[1]->x() - first->x();
  const int dy = menuIcons_[3]->y() - first->y();
  if (dx <= 0 || dy <= 0) return;
  const int column = (icon->x() - first->x()) / dx;
  const int row = (icon->y() - first->y()) / dy;
  pageControlMenu_->setCurrentIndex(row * 3 + column);
}

void THelpDlg::BuildStateLinePage(QWidget* page) {
  AddText(page, QRect(kMargin, kBodyTop, kPageWidth - 2 * kMargin, 58), StateLineIntroText());

  // The status window, a little narrower, with an example in each field.
  constexpr int kBarLeft = 10, kBarTop = 104, kTextWidth = 367;
  auto* bar = new QFrame(page);
  bar->setObjectName("Panel_StateLine");
  bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bar->setLineWidth(2);
  bar->setGeometry(kBarLeft, kBarTop, kTextWidth + 246, 34);
  QLabel* labels[2];
  StatusBevel(bar, QRect(6, 6, kTextWidth, 22));
  StatusText(bar, labels, QRect(9, 9, kTextWidth - 9, 13), Qt::AlignLeft,
             QString::fromStdString(Text(1058) + " " + Text(1062)));
  const int numberLeft = 6 + kTextWidth + 3;
  StatusBevel(bar, QRect(numberLeft, 6, 130, 22));
  StatusText(bar, labels, QRect(numberLeft + 2, 9, 125, 13), Qt::AlignHCenter,
             QString::fromStdString(FormatText(1069, "12.3.4")));
  const int picturesLeft = numberLeft + 133;
  QList<QImage> (*const frames[4])(qreal) = {GameRunningFrames, CalculationFrames, InputModeFrames,
                                             SmileyFrames};
  for (int i = 0; i < 4; ++i) {
    auto* picture = new AnimatedPicture(bar, frames[i]);
    picture->setGeometry(picturesLeft + i * 25, 6, 22, 22);
    if (i < 2) picture->Animate(true);
  }

  // What each field and picture means.
  int y = kBarTop + 46;
  AddText(page, QRect(kMargin, y, 601, 36), StateLinePartText(0));
  AddText(page, QRect(kMargin, y + 38, 601, 20), StateLinePartText(1));
  for (int i = 0; i < 2; ++i) {
    auto* picture = new AnimatedPicture(page, i == 0 ? GameRunningFrames : CalculationFrames);
    picture->setGeometry(kMargin, y + 64 + i * 28, 22, 22);
    picture->Animate(true);
    AddText(page, QRect(kMargin + 30, y + 66 + i * 28, 571, 20), StateLinePartText(2 + i));
  }
  y += 124;
  AddText(page, QRect(kMargin, y, 601, 36), StateLinePartText(4));
  for (int frame = 0; frame < 5; ++frame) {
    auto* picture = new AnimatedPicture(page, InputModeFrames);
    picture->setObjectName(QString("Image_InputMode_%1").arg(frame));
    picture->SetFrame(frame);
    picture->setGeometry(kMargin + frame * 110 + 44, y + 38, 22, 22);
    auto* caption =
        new QLabel(QString::fromUtf8(kInputModeCaptions[static_cast<size_t>(frame)]), page);
    caption->setFont(Font(8));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setGeometry(kMargin + frame * 110, y + 62, 110, 30);
  }
  y += 96;
  AddText(page, QRect(kMargin, y, 601, 36), StateLinePartText(5));
  for (int frame = 0; frame < 3; ++frame) {
    auto* picture = new AnimatedPicture(page, SmileyFrames);
    picture->setObjectName(QString("Image_Smiley_%1").arg(frame));
    picture->SetFrame(frame);
    picture->setGeometry(kMargin + frame * 110 + 44, y + 38, 22, 22);
    auto* caption =
        new QLabel(QString::fromUtf8(kSmileyCaptions[static_cast<size_t>(frame)]), page);
    caption->setFont(Font(8));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    caption->setGeometry(kMargin + frame * 110, y + 62, 110, 30);
  }
}

void THelpDlg::BuildOnlinePage(QWidget* page) {
  auto address = [&](const char* name, const QString& text, const QString& url, int y) {
    auto* label = new ClickLabel(text, page, [url] { QDesktopServices::openUrl(QUrl(url)); });
    label->setObjectName(name);
    QFont font = Font(11, true);
    font.setUnderline(true);
    label->setFont(font);
    SetTextColour(label, Qt::blue);
    label->move(80, y);
    label->adjustSize();
  };
  (new HelpPicture(page, WebSign, 0))->move(kMargin, 60);
  AddText(page, QRect(80, 58, 537, 22), OnlineWebText());
  const QString web = QString::fromStdString(Text(1075));
  address("Label_HomepageStart", web, web, 82);
  (new HelpPicture(page, MailSign, 0))->move(kMargin, 140);
  AddText(page, QRect(80, 138, 537, 22), OnlineMailText());
  const QString mail = QString::fromStdString(Text(1076));
  address("Label_EMail", mail, "mailto:" + mail + "?subject=Sudoku", 162);
  AddText(page, QRect(kMargin, 222, 601, 120), OnlineSkinText());
}

void THelpDlg::BuildAboutPage(QWidget* page, const QString& version) {
  auto* picture = new HelpPicture(
      page, [version](qreal ratio) { return AboutPicture(version, ratio); }, kAboutPictureId);
  picture->setObjectName("Image_About");
  picture->move((kPageWidth - picture->width()) / 2, (kPageHeight - picture->height()) / 2);
}

void THelpDlg::BuildAboutSkinPage(QWidget* page) {
  auto* name = new QLabel(
      QString::fromStdString(FormatText(1080, skin_.SkinName().toUtf8().constData())), page);
  name->setObjectName("Label_AboutSkin_SkinName");
  name->setFont(Font(12, true, true));
  SetTextColour(name, kPurple);
  name->setGeometry(kMargin, kBodyTop + 2, 601, 24);
  auto* copyright = new QLabel(skin_.SkinCopyright(), page);
  copyright->setObjectName("Label_AboutSkin_Copyright");
  copyright->setFont(Font(9, true, true));
  SetTextColour(copyright, kPurple);
  copyright->setGeometry(kMargin, kBodyTop + 28, 601, 20);
  if (!skin_.Size().isEmpty()) {
    const QSize size = FitInto(skin_.Size(), QSize(601, 318));
    auto* preview = new HelpPicture(
        page, [this](qreal ratio) { return SkinPicture(skin_, ratio); }, 0);
    preview->setObjectName("Image_AboutSkin_Preview");
    preview->setGeometry((kPageWidth - size.width()) / 2, kBodyTop + 56, size.width(),
                         size.height());
  }
  AddText(page, QRect(kMargin, 424, 601, 60), AboutSkinText());
}

bool THelpDlg::SelectPage(const QString& name) {
  for (int i = 0; i < pageControl_->count(); ++i) {
    if (pageControl_->widget(i)->objectName().compare(name, Qt::CaseInsensitive) == 0) {
      ShowPage(i);
      return true;
    }
  }
  return false;
}

void THelpDlg::ShowPage(int index) {
  if (index >= 0 && index < pageControl_->count()) pageControl_->setCurrentIndex(index);
}

void THelpDlg::PageChanged(int index) {
  listBox_->setCurrentRow(index);
  for (QAction* action : menuActions_) action->setEnabled(index == kMenuPage);
  for (QAction* action : guiActions_) action->setEnabled(index == kGuiPage);
}

void THelpDlg::OpenLink(const QString& link) {
  if (link.startsWith("http", Qt::CaseInsensitive) || link.startsWith("mailto:")) {
    QDesktopServices::openUrl(QUrl(link));
    return;
  }
  const QString pageName = link.section('/', 0, 0);
  bool hasInner = false;
  const int inner = link.section('/', 1, 1).toInt(&hasInner);
  if (!SelectPage(pageName) || !hasInner) return;
  if (pageControl_->currentIndex() == kGuiPage) ShowGuiPart(inner);
  if (pageControl_->currentIndex() == kMenuPage && inner >= 0 &&
      inner < pageControlMenu_->count()) {
    pageControlMenu_->setCurrentIndex(inner);
  }
}

THelpDlg::~THelpDlg() = default;

void ShowHelpPage(QWidget* owner, const QString& pageName, const StartupSettings& options,
                  const QImage& background, const SkinView& skin, const QString& version) {
  THelpDlg dialog(owner, options, background, skin, version);
  dialog.SelectPage(pageName);
  dialog.exec();
}

}  // namespace sudoku
