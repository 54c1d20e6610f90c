#pragma once
// The German help texts of the help dialog, as rich text. Links inside the texts name a page
// of the dialog ("TabSheet_Menu") and, after a slash, the index of an inner page.

#include <QString>
#include <array>

namespace sudoku {

struct HelpPageName {
  const char* name;   // the page's object name
  const char* topic;  // its entry in the topic list
};

inline constexpr int kHelpPageCount = 15;
inline constexpr int kGuiPage = 9;
inline constexpr int kMenuPage = 10;

extern const std::array<HelpPageName, kHelpPageCount> kHelpPages;
extern const std::array<const char*, 8> kGuiPageCaptions;
extern const std::array<const char*, 9> kMenuPageCaptions;

QString InstructionText();
// The rules of the automatic calculation: an introduction above the picture of the chain,
// the rules below it.
QString RulesIntroText();
QString RulesText();
// Method 0-5 (the pages "Methode 1" to "Methode 6").
QString MethodTitle(int method);
QString MethodText(int method);
QString ShortcutsText();
QString GuiIntroText();
QString GuiPartText(int part);
QString MenuIntroText();
QString MenuText(int page);
QString StateLineIntroText();
// The explanations beside the status line's fields and pictures: 0 the last action, 1 the
// puzzle number, 2 the running game, 3 the calculation, 4 the input modes, 5 the smiley.
QString StateLinePartText(int part);
extern const std::array<const char*, 5> kInputModeCaptions;
extern const std::array<const char*, 3> kSmileyCaptions;
QString OnlineWebText();
QString OnlineMailText();
QString OnlineSkinText();
QString AboutSkinText();

}  // namespace sudoku
