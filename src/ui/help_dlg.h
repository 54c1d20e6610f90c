#pragma once
// The help and about dialog: fifteen pages of help, chosen in a topic list, with the game
// window's parts, the main menu and the status line explained on pictures of their own.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTabWidget>
#include <array>
#include <functional>
#include <memory>

#include "ui/ok_cancel_dialog.h"

namespace sudoku {

class SkinView;

class THelpDlg : public TOKCancelDlg {
 public:
  // `skin` is the skin in use, shown on the about-skin page; the pictures of the game window's
  // parts and commands come from the program's own skin, so the help always matches its
  // texts. `version` is the program's version.
  THelpDlg(QWidget* parent, const StartupSettings& options, const QImage& background,
           const SkinView& skin, const QString& version);
  ~THelpDlg() override;

  // Shows the page whose object name equals `name` ignoring letter case; false, and nothing
  // changes, when no page has that name.
  bool SelectPage(const QString& name);
  void ShowPage(int index);
  // A page and, on the game window and main menu pages, one of their inner pages.
  void OpenLink(const QString& link);

  QStackedWidget* PageControl() const { return pageControl_; }
  QListWidget* ListBox() const { return listBox_; }
  QTabWidget* PageControlGUI() const { return pageControlGui_; }
  QTabWidget* PageControlMenu() const { return pageControlMenu_; }

 private:
  QWidget* AddPage(int index, const QString& title);
  QLabel* AddText(QWidget* parent, const QRect& place, const QString& html);
  void BuildMethodPage(QWidget* page, int method);
  void BuildShortcutsPage(QWidget* page);
  void BuildGuiPage(QWidget* page);
  void BuildMenuPage(QWidget* page);
  void BuildStateLinePage(QWidget* page);
  void BuildOnlinePage(QWidget* page);
  void BuildAboutPage(QWidget* page, const QString& version);
  void BuildAboutSkinPage(QWidget* page);
  QTabWidget* InnerPages(QWidget* page, const char* name, const QRect& place,
                         const char* const* captions, int count,
                         const std::function<QString(int)>& text);
  void PageChanged(int index);
  void MenuIconClick(QWidget* icon);
  void ShowGuiPart(int part);

  const SkinView& skin_;
  std::unique_ptr<SkinView> programSkin_;
  QImage background_;
  bool keypadOrder_;
  QStackedWidget* pageControl_;
  QListWidget* listBox_;
  QTabWidget* pageControlGui_ = nullptr;
  QTabWidget* pageControlMenu_ = nullptr;
  std::array<QWidget*, 9> menuIcons_{};
  std::array<QWidget*, 8> guiImages_{};
  QList<QAction*> menuActions_;
  QList<QAction*> guiActions_;
};

// Opens the help dialog owned by `owner` on the page named `pageName` (ignoring letter case;
// the first page when no page has that name) and shows it modally.
void ShowHelpPage(QWidget* owner, const QString& pageName, const StartupSettings& options,
                  const QImage& background, const SkinView& skin, const QString& version);

}  // namespace sudoku
