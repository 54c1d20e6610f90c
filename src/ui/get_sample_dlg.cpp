#include "ui/get_sample_dlg.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "base/texts.h"
#include "model/puzzle_string.h"
#include "ui/background.h"
#include "ui/user_def_dlg.h"

namespace sudoku {
namespace {

constexpr int kItemHeight = 159;
constexpr int kColumns = 5;
constexpr int kClientWidth = 845;
const QColor kListBackground(204, 204, 204);
const QColor kGivenFace(255, 204, 204);

void RaisedFrame(QPainter& p, const QRect& r) {
  p.setPen(Qt::white);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(128, 128, 128));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

void SunkenFrame(QPainter& p, const QRect& r) {
  p.setPen(QColor(128, 128, 128));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(Qt::white);
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace

// The catalogue as rows without data of their own: the delegate draws each from the texts.
class SampleListModel : public QAbstractListModel {
 public:
  SampleListModel(const std::vector<std::string>& samples, QObject* parent)
      : QAbstractListModel(parent), samples_(samples) {}
  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(samples_.size());
  }
  QVariant data(const QModelIndex&, int) const override { return {}; }
  // After the texts changed in any way.
  void Reset() {
    beginResetModel();
    endResetModel();
  }
  // Around dropping the texts from `first` on; the selection of the others stays.
  void BeginRemoveFrom(int first) {
    beginRemoveRows(QModelIndex(), first, static_cast<int>(samples_.size()) - 1);
  }
  void EndRemove() { endRemoveRows(); }
  // After a text was appended.
  void Appended() {
    const int row = static_cast<int>(samples_.size()) - 1;
    beginInsertRows(QModelIndex(), row, row);
    endInsertRows();
  }

 private:
  const std::vector<std::string>& samples_;
};

// The list runs in columns of two, scrolling sideways: the page keys turn a page of columns.
class SampleListView : public QListView {
 public:
  using QListView::QListView;

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    if (action != MovePageUp && action != MovePageDown)
      return QListView::moveCursor(action, modifiers);
    const int count = model()->rowCount();
    if (count == 0) return {};
    const QSize grid = gridSize();
    const int perColumn = std::max(1, viewport()->height() / std::max(1, grid.height()));
    const int columns = std::max(1, viewport()->width() / std::max(1, grid.width()));
    const int step = perColumn * columns;
    const int row = std::max(currentIndex().row(), 0);
    const int to =
        action == MovePageDown ? std::min(row + step, count - 1) : std::max(row - step, 0);
    return model()->index(to, 0);
  }
};

namespace {

// Each item is a small board of its variant, on the background tile that scrolls with the list.
class SampleDelegate : public QStyledItemDelegate {
 public:
  SampleDelegate(TGetSampleDlg& dialog, const QImage& tile)
      : QStyledItemDelegate(dialog.ListBox()),
        dialog_(dialog),
        tile_(tile.isNull() ? QPixmap() : QPixmap::fromImage(tile)) {}

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return dialog_.ListBox()->gridSize();
  }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QRect r = option.rect;
    // Drawn at the screen's pixel ratio, so that the small boards stay sharp.
    const qreal ratio = painter->device()->devicePixelRatio();
    QImage item(r.size() * ratio, QImage::Format_RGB32);
    item.setDevicePixelRatio(ratio);
    QPainter p(&item);
    const bool selected = option.state & QStyle::State_Selected;
    item.fill(selected ? option.palette.color(QPalette::Highlight) : kListBackground);
    const QRect inner = QRect(QPoint(0, 0), r.size()).adjusted(3, 3, -3, -3);
    if (!tile_.isNull()) {
      QListView* list = dialog_.ListBox();
      const QRect first = list->visualRect(list->model()->index(0, 0));
      const QPoint shift = r.topLeft() - first.topLeft() + inner.topLeft();
      const int w = tile_.width(), h = tile_.height();
      p.drawTiledPixmap(inner, tile_, QPoint((shift.x() % w + w) % w, (shift.y() % h + h) % h));
    }
    RaisedFrame(p, inner.adjusted(0, 0, -1, -1));
    const std::string text = dialog_.Variant(index.row());
    QFont font("Liberation Sans");
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    for (int k = 0; k < 81; ++k) {
      const int P = k / 27, r9 = (k / 9) % 3, B = (k % 9) / 3, c = k % 3;
      const QRect cell(6 + 50 * B + 16 * c, 6 + 50 * P + 16 * r9, 15, 15);
      SunkenFrame(p, cell.adjusted(-1, -1, 0, 0));
      if (static_cast<size_t>(k) < text.size() && text[k] >= '1' && text[k] <= '9') {
        p.fillRect(cell.adjusted(1, 1, -1, -1), kGivenFace);
        p.setPen(Qt::black);
        p.drawText(cell, Qt::AlignCenter, QString(QChar(text[k])));
      }
    }
    p.end();
    painter->drawImage(r.topLeft(), item);
  }

 private:
  TGetSampleDlg& dialog_;
  QPixmap tile_;
};

QLabel* InfoLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  QFont font("Arial");
  font.setBold(true);
  font.setPixelSize(13);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(128, 0, 128));
  label->setPalette(palette);
  return label;
}

QSlider* VerticalSlider(QWidget* parent, int maximum, const QString& name, const char* hint) {
  auto* slider = new QSlider(Qt::Vertical, parent);
  slider->setObjectName(name);
  slider->setRange(0, maximum);
  slider->setInvertedAppearance(true);
  slider->setTickPosition(QSlider::TicksBothSides);
  slider->setToolTip(QString::fromUtf8(hint));
  return slider;
}

}  // namespace

TGetSampleDlg::TGetSampleDlg(QWidget* parent, Settings& settings, StartupSettings& options,
                             CataloguePort& port, const QImage& background)
    : TOKCancelDlg(parent, options, background),
      settings_(settings),
      options_(options),
      background_(background),
      catalogue_(settings, port) {
  setWindowTitle("Beispiele");
  setObjectName("TGetSampleDlg");

  auto* client = new QHBoxLayout(Client());
  client->setContentsMargins(0, 0, 0, 0);
  client->setSpacing(0);
  list_ = new SampleListView(Client());
  model_ = new SampleListModel(samples_, list_);
  list_->setModel(model_);
  list_->setObjectName("ListBox_Sudoku");
  list_->setFlow(QListView::TopToBottom);
  list_->setWrapping(true);
  list_->setUniformItemSizes(true);
  list_->setResizeMode(QListView::Adjust);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setSpacing(0);
  QPalette palette = list_->palette();
  palette.setColor(QPalette::Base, kListBackground);
  list_->setPalette(palette);
  list_->setToolTip(
      "Bitte wähle hier ein Sudoku aus und übernimm\ndieses durch Klick auk OK "
      "oder Doppelklick\nauf das Sudoku ins Spielfeld.");
  list_->setItemDelegate(new SampleDelegate(*this, background));
  client->addWidget(list_, 1);

  auto* modify = new QWidget(Client());
  modify->setObjectName("Panel_Modify");
  modify->setFixedWidth(46);
  (new TBackground(modify))->SetBkgndImage(background);
  auto* sliders = new QVBoxLayout(modify);
  sliders->setContentsMargins(2, 4, 2, 4);
  direction_ = VerticalSlider(modify, 7, "TrackBar_Direction",
                              "Dieser Schieberegler dreht und spiegelt\nalle Sudokus in den 8 "
                              "Schritten: Normal,\n90°/180°/270° gegen Uhrzeigersinn und\nalle 4 "
                              "gespiegelte Varianten .");
  shift_ = VerticalSlider(modify, 8, "TrackBar_NumShift",
                          "Dieser Schieberegler verschiebt die Werte der\nZiffern um 0 bis +8. "
                          "Ergeben sich dabei Zahlen\ngrößer als 9, wird wieder bei 1 "
                          "weitergezählt.");
  for (auto [slider, caption] : {std::pair{direction_, "&Drehen"}, std::pair{shift_, "&Versch."}}) {
    auto* label = new QLabel(caption, modify);
    label->setBuddy(slider);
    label->setAlignment(Qt::AlignCenter);
    sliders->addWidget(label);
    sliders->addWidget(slider, 1, Qt::AlignHCenter);
    connect(slider, &QSlider::valueChanged, this, [this] {
      list_->viewport()->update();
      ShowInfo();
    });
  }
  client->addWidget(modify);

  // Under the list the focused item's data; the bottom panel holds the buttons for own puzzles
  // beside OK and Cancel.
  auto* info = new QWidget(this);
  info->setObjectName("Panel_Info");
  (new TBackground(info))->SetBkgndImage(background);
  auto* infoRow = new QHBoxLayout(info);
  infoRow->setContentsMargins(8, 4, 8, 0);
  for (auto [caption, value] : {std::pair{"Sud.-Nr.:", &number_}, std::pair{"Felder:", &fields_},
                                std::pair{"Schritte:", &steps_}}) {
    infoRow->addWidget(InfoLabel(info, caption));
    *value = InfoLabel(info, "");
    (*value)->setMinimumWidth(72);
    infoRow->addWidget(*value);
  }
  infoRow->addStretch(1);
  static_cast<QVBoxLayout*>(layout())->insertWidget(1, info);
  auto* bottom = static_cast<QHBoxLayout*>(PanelBottom()->layout());
  int at = 0;
  auto button = [&](const char* caption, const char* name, const char* hint) {
    auto* b = new QPushButton(QString::fromUtf8(caption), PanelBottom());
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(hint));
    b->setAutoDefault(false);
    bottom->insertWidget(at++, b);
    return b;
  };
  userDef_ = button("&Eigenes", "Button_UserDef",
                    "Öffnet ein Fenster, indem ein eigenes\nSudoku eingegeben oder vom "
                    "Programm\nberechnet werden kann.");
  edit_ = button("&Bearbeiten", "Button_Edit",
                 "Öffnet ein Fenster, in dem eines der selbst ein-\ngegebenen oder vom Programm "
                 "berechneten\nSudokus bearbeitet werden kann.");
  delete_ = button("&Löschen", "Button_Delete",
                   "Löscht die in der Liste markierten Sudokus.\nDie vorgegebenen Vorlagen "
                   "können nicht\ngelöscht werde.");
  reset_ = button("&Reset", "Button_Reset",
                  "Setzt die Beispiel-Liste auf die vom Programm\nbereitgestellten Sudokus "
                  "zurück. Alle eigenen\noder automatisch berechneten Sudokus\nwerden gelöscht.");
  print_ = button("&Drucken", "Button_Print",
                  "Druckt die ausgewählten Sudokus und,\nwenn gewünscht, die Auflösung.");
  connect(userDef_, &QPushButton::clicked, this, [this] { NewSample(); });
  connect(edit_, &QPushButton::clicked, this, [this] { EditSample(); });
  connect(delete_, &QPushButton::clicked, this, [this] { DeleteSamples(); });
  connect(reset_, &QPushButton::clicked, this, [this] { ResetSamples(); });
  connect(print_, &QPushButton::clicked, this, [this] {
    if (onPrint) onPrint();
  });

  // A click and the keys that move the focus (arrows, Home, End, page keys) all run the
  // selection update for the focused item.
  connect(list_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    UpdateButtons();
    ShowInfo();
  });
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { UpdateButtons(); });
  connect(list_, &QListView::doubleClicked, this, [this] { accept(); });

  // Five columns and exactly two rows of items above the scroll bar.
  const int listWidth = kClientWidth - 46 - 2 * list_->frameWidth();
  list_->setGridSize(QSize(listWidth / kColumns, kItemHeight));
  const int height = 2 * kItemHeight + list_->horizontalScrollBar()->sizeHint().height() +
                     2 * list_->frameWidth() + info->sizeHint().height() +
                     PanelBottom()->sizeHint().height() + 4;
  setFixedSize(kClientWidth, height);

  Refill();
  SelectItem(samples_.empty() ? -1 : 0, true);
  list_->setFocus();
}

void TGetSampleDlg::Refill() {
  catalogue_.FillSampleList(samples_);
  model_->Reset();
  knownValid_ = false;
  UpdateButtons();
}

int TGetSampleDlg::CurrentRow() const {
  const QModelIndex current = list_->currentIndex();
  return current.isValid() ? current.row() : -1;
}

bool TGetSampleDlg::IsSelected(int row) const {
  return list_->selectionModel()->isSelected(model_->index(row, 0));
}

const PuzzleIndex& TGetSampleDlg::Known() {
  if (!knownValid_) {
    known_.Clear();
    known_.Reserve(samples_.size());
    for (size_t i = 0; i < samples_.size(); ++i) known_.Add(samples_[i], static_cast<int>(i));
    knownValid_ = true;
  }
  return known_;
}

std::string TGetSampleDlg::Variant(int i) const {
  if (i < 0 || static_cast<size_t>(i) >= samples_.size()) return {};
  return TransformSudoku(samples_[static_cast<size_t>(i)], Shift(), Transformation());
}

std::string TGetSampleDlg::ChosenPuzzle() const {
  return Variant(CurrentRow());
}

std::string TGetSampleDlg::ChosenNumber() const {
  const int i = CurrentRow();
  return i < 0 ? std::string() : Number(i);
}

std::string TGetSampleDlg::Number(int i) const {
  return SampleNumber(i + 1, Transformation(), Shift()).substr(0, 15);
}

std::vector<PrintListEntry> TGetSampleDlg::SelectedForPrint() const {
  std::vector<PrintListEntry> entries;
  for (int i = 0; i < static_cast<int>(samples_.size()); ++i) {
    if (IsSelected(i)) entries.push_back({Variant(i), Number(i)});
  }
  return entries;
}

void TGetSampleDlg::SelectItem(int i, bool select) {
  QItemSelectionModel* selection = list_->selectionModel();
  if (i >= 0 && i < model_->rowCount(QModelIndex())) {
    const QModelIndex index = model_->index(i, 0);
    if (select) selection->select(index, QItemSelectionModel::Select);
    selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    list_->scrollTo(index);
  } else {
    selection->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
  }
  UpdateButtons();
  ShowInfo();
}

void TGetSampleDlg::UpdateButtons() {
  const int builtin = catalogue_.BuiltinCount();
  // The selection as ranges: no walk over all items.
  const QItemSelection selection = list_->selectionModel()->selection();
  bool any = false, builtinSelected = false;
  for (const QItemSelectionRange& range : selection) {
    if (range.isEmpty()) continue;
    any = true;
    builtinSelected |= range.top() < builtin;
  }
  delete_->setEnabled(any && !builtinSelected);
  edit_->setEnabled(CurrentRow() >= builtin);
  print_->setEnabled(any);
  reset_->setEnabled(static_cast<int>(samples_.size()) > builtin);
}

void TGetSampleDlg::ShowInfo() {
  const int i = CurrentRow();
  if (i < 0) {
    number_->clear();
    steps_->clear();
    fields_->clear();
    return;
  }
  const std::string variant = Variant(i);
  steps_->setText(StepsOf(variant));
  number_->setText(QString::fromStdString(SampleNumber(i + 1, Transformation(), Shift())));
  fields_->setText(QString::number(CountFilled(variant)));
}

QString TGetSampleDlg::StepsOf(const std::string& variant) {
  auto [at, added] = stepsCache_.try_emplace(variant, -1);
  if (added) {
    BoardRecord board;
    if (LoadBoardFromString(board, variant, true, solver_)) at->second = runState_.TechniqueChanges;
  }
  return at->second < 0 ? QString("?") : QString::number(at->second);
}

std::optional<std::string> TGetSampleDlg::RunEditor(bool edit) {
  if (runEditor) return runEditor(edit);
  TUserDefDlg editor(this, edit, *list_, samples_, Known(), settings_, options_, background_);
  if (editor.exec() != QDialog::Accepted) return std::nullopt;
  return editor.PuzzleText();
}

void TGetSampleDlg::NewSample() {
  if (auto text = RunEditor(false)) {
    samples_.push_back(*text);
    if (knownValid_) known_.Add(samples_.back(), static_cast<int>(samples_.size()) - 1);
    model_->Appended();
    list_->clearSelection();
    SelectItem(static_cast<int>(samples_.size()) - 1, true);
  }
  UpdateButtons();
}

void TGetSampleDlg::EditSample() {
  const int i = CurrentRow();
  if (i < catalogue_.BuiltinCount() || i < 0) return;
  if (auto text = RunEditor(true)) {
    samples_[static_cast<size_t>(i)] = *text;
    knownValid_ = false;
    list_->viewport()->update();
    ShowInfo();
  }
  UpdateButtons();
}

void TGetSampleDlg::DeleteSamples() {
  if (QMessageBox::question(this, "Sudoku", QString::fromStdString(Text(1026)),
                            QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  std::vector<int> selected;
  for (const QModelIndex& index : list_->selectionModel()->selectedIndexes()) {
    selected.push_back(index.row());
  }
  const size_t before = samples_.size();
  const int focus = catalogue_.DeleteOwnSamples(samples_, selected, CurrentRow());
  list_->clearSelection();
  if (samples_.size() != before) {
    knownValid_ = false;
    model_->Reset();
  }
  SelectItem(focus, true);
}

void TGetSampleDlg::ResetSamples() {
  if (QMessageBox::question(this, "Sudoku", QString::fromStdString(Text(1025)),
                            QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::No) != QMessageBox::Yes) {
    return;
  }
  const int builtin = catalogue_.BuiltinCount();
  const bool own = static_cast<int>(samples_.size()) > builtin;
  const int current = CurrentRow();
  if (own) model_->BeginRemoveFrom(builtin);
  const int focus = catalogue_.ResetSamples(samples_, current);
  if (own) model_->EndRemove();
  knownValid_ = false;
  SelectItem(focus, false);
  reset_->setEnabled(false);
}

void TGetSampleDlg::accept() {
  catalogue_.StoreOwnSamples(samples_);
  TOKCancelDlg::accept();
}

void TGetSampleDlg::reject() {
  if (!closedByTitle_) catalogue_.StoreOwnSamples(samples_);
  TOKCancelDlg::reject();
}

void TGetSampleDlg::closeEvent(QCloseEvent* event) {
  closedByTitle_ = true;
  TOKCancelDlg::closeEvent(event);
  closedByTitle_ = false;
}

void TGetSampleDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    // The command asks even when built-in puzzles are selected, then keeps them.
    if (list_->selectionModel()->hasSelection()) DeleteSamples();
  } else if (event->key() == Qt::Key_Insert) {
    NewSample();
  } else {
    TOKCancelDlg::keyPressEvent(event);
  }
}

}  // namespace sudoku
