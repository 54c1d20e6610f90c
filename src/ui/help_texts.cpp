#include "ui/help_texts.h"

#include <QStringList>

#include "base/texts.h"

namespace sudoku {
namespace {

// Small building blocks of the rich text; the layout of each page stays readable below.
QString Heading(const QString& text) {
  return "<p style='margin-top:9px; margin-bottom:2px;'><b style='color:#800080;'>" + text +
         "</b></p>";
}
QString Para(const QString& text) {
  return "<p style='margin-top:0px; margin-bottom:5px;'>" + text + "</p>";
}
QString List(const QStringList& items) {
  QString html = "<ul style='margin-top:0px; margin-bottom:5px; margin-left:-22px;'>";
  for (const QString& item : items) html += "<li style='margin-bottom:2px;'>" + item + "</li>";
  return html + "</ul>";
}
QString Link(const QString& target, const QString& text) {
  return "<a href='" + target + "'>" + text + "</a>";
}
// Term and explanation side by side.
QString Terms(const QList<std::pair<QString, QString>>& rows, int termWidth = 118) {
  QString html = "<table cellspacing='0' cellpadding='2' style='margin-bottom:6px;'>";
  for (const auto& [term, text] : rows) {
    html += QString("<tr><td width='%1' valign='top'><b>").arg(termWidth) + term +
            "</b></td><td valign='top'>" + text + "</td></tr>";
  }
  return html + "</table>";
}
QString MenuPath(const QString& entry) {
  return "<i>„" + entry.toHtmlEscaped() + "“</i>";
}

const char* const kScopes =
    "Du wählst dort, ob sie für alle Zeilen, Spalten und 9er-Blöcke arbeitet (einmal oder "
    "„bis nichts mehr geht“), nur für alle Zeilen, Spalten oder Blöcke oder nur für die Zeile, "
    "die Spalte oder den Block des markierten Feldes.";

}  // namespace

const std::array<HelpPageName, kHelpPageCount> kHelpPages = {{
    {"TabSheet_Instruction", "Spielanleitung"},
    {"TabSheet_Rules", "Regeln bei der automatischen Lösungsberechnung"},
    {"TabSheet_Algo1", "Methode 1: Füllen mit 1..9"},
    {"TabSheet_Algo2", "Methode 2: Ziffer in benachbarten Sp./Zl. des Blocks"},
    {"TabSheet_Algo3", "Methode 3: Bereinigen von einzelnen Ziffern"},
    {"TabSheet_Algo4", "Methode 4: Einmaliges Vorkommen in 9er-Gruppe"},
    {"TabSheet_Algo5", "Methode 5: Eindeutiges Vorkommen in 3x3er-Gruppe"},
    {"TabSheet_Algo6", "Methode 6: Die gleichen x Ziffern in x Feldern"},
    {"TabSheet_Shortcuts", "Tastenkombinationen"},
    {"TabSheet_GUI", "Das Spielfeld und seine Bedienelemente"},
    {"TabSheet_Menu", "Das Hauptmenü des Programms"},
    {"TabSheet_StateLine", "Die Statusleiste"},
    {"TabSheet_Online", "Internet & E-Mail"},
    {"TabSheet_About", "Über Sudoku"},
    {"TabSheet_AboutSkin", "Über Skin"},
}};

const std::array<const char*, 8> kGuiPageCaptions = {
    "Systemmenü", "Löschen", "Einfügen", "Setzen", "Resultat", "Display", "Menü", "Speicher"};

const std::array<const char*, 9> kMenuPageCaptions = {"Dateien", "Vorlagen", "Start/Stop",
                                                      "Zurück",  "Weiter",   "Anfang",
                                                      "Memory",  "Optionen", "Hilfe"};

const std::array<const char*, 5> kInputModeCaptions = {"Setzen", "Hinzufügen", "Entfernen",
                                                       "Hinzufügen\n(fest)", "Entfernen\n(fest)"};
const std::array<const char*, 3> kSmileyCaptions = {"ohne\nWarnungen", "mit\nWarnungen",
                                                    "Hilfe\nbenutzt"};

QString InstructionText() {
  return Heading("Das Ziel") +
         Para(
             "Fülle das Spielfeld so, dass jede Zeile, jede Spalte und jeder 9er-Block "
             "(3 × 3 Felder) die Ziffern 1 bis 9 genau einmal enthält. Die vorgegebenen Ziffern "
             "des Rätsels sind hervorgehoben und lassen sich nicht ändern.") +
         Heading("Ein Sudoku wählen") +
         Para("Die Schaltfläche " + Link("TabSheet_Menu/1", "Vorlagen") +
              " (Alt+V oder F2) öffnet die Auswahl: 80 Sudokus des Programms und deine eigenen, "
              "jedes in 72 Varianten – gedreht, gespiegelt und mit verschobenen Ziffern. Die "
              "Nummer eines Sudokus, etwa 12.3.4, nennt die Vorlage, die Drehung und die "
              "Verschiebung. Dort kannst du auch eigene Sudokus eingeben oder vom Programm "
              "erzeugen lassen.") +
         Heading("Ziffern eintragen") +
         Para(
             "Jedes Feld enthält eine Menge von Kandidaten, also die Ziffern, die dort noch "
             "möglich sind. Eine feste Ziffer erscheint groß, mehrere Kandidaten erscheinen "
             "klein. Markiere ein Feld mit der Maus oder den Pfeiltasten und tippe eine Ziffer: "
             "Die erste setzt das Feld, jede weitere kommt als Kandidat hinzu. 0, die Leertaste "
             "oder Entf leeren das Feld. Mit der Maus benutzt du die drei Tastenreihen " +
             Link("TabSheet_GUI/3", "Setzen") + ", " + Link("TabSheet_GUI/2", "Einfügen") +
             " und " + Link("TabSheet_GUI/1", "Löschen") +
             ". Wie du den Eingabemodus mit „.“, „+“ und „-“ wechselst, zeigen die " +
             Link("TabSheet_Shortcuts", "Tastenkombinationen") + ".") +
         Heading("Zeit und Schritte") +
         Para(
             "Die Uhr startet mit der ersten Änderung und hält an, wenn das Sudoku gelöst ist. "
             "Jede Änderung zählt Schritte: Eine gesetzte Ziffer zählt einen Schritt, sonst "
             "zählt jede hinzugefügte oder entfernte Ziffer.") +
         Heading("Zurücknehmen und Speicherpunkte") +
         Para("Jeder Schritt lässt sich mit " + Link("TabSheet_Menu/3", "Zurück") +
              " (Alt+Z oder Rücktaste) zurücknehmen und mit " + Link("TabSheet_Menu/4", "Weiter") +
              " (Alt+W) wiederholen; " + Link("TabSheet_Menu/5", "Anfang") +
              " (Alt+A oder F4) springt an den Anfang des Spiels. In den neun " +
              Link("TabSheet_GUI/7", "Speicherpunkten") +
              " merkst du dir Spielstände, auch über das Ende des Programms hinaus.") +
         Heading("Warnungen und Lösungshilfen") +
         Para("In den " + Link("TabSheet_Menu/7", "Optionen") +
              " legst du fest, ob das Programm dich vor Fehlern bewahrt: gar nicht, nur bei "
              "offensichtlichen Fehlern (die Ziffer steht in Zeile, Spalte oder Block schon fest) "
              "oder bei allen Fehlern (die Ziffer ist nicht die Lösung). Das " +
              Link("TabSheet_Menu/8", "Hilfe-Menü") +
              " bietet die Lösungsmethoden, einen einzelnen Schritt (F9) und die automatische "
              "Lösung (" +
              Link("TabSheet_Rules", "Start/Stop") + ", F3).") +
         Heading("Hall of Fame") +
         Para(
             "Wer ein Sudoku ohne Warnungen und ohne Lösungshilfen löst, kommt mit Namen, Zeit "
             "und Schritten in die Hall of Fame dieses Sudokus, wenn die Zeit unter den zehn "
             "besten ist. Alle 72 Varianten teilen sich eine Liste. Ob das Spiel noch zählt, "
             "zeigt der Smiley in der " +
             Link("TabSheet_StateLine", "Statusleiste") + ".") +
         Heading("Beenden") +
         Para(
             "Beim Beenden merkt sich das Programm das laufende Spiel und setzt es beim "
             "nächsten Start mit Zeit und Schritten fort.");
}

QString RulesIntroText() {
  return Para(
      "Die automatische Berechnung löst ein Sudoku so weit, wie reine Logik reicht – "
      "ohne Raten und ohne Ausprobieren. Du startest sie mit " +
      Link("TabSheet_Menu/2", "Start/Stop") +
      " (Alt+S oder F3) und siehst jeder einzelnen Änderung auf dem Spielfeld zu.");
}

QString RulesText() {
  return Heading("Der Ablauf") +
         List({"Zuerst bekommen alle leeren Felder die Kandidaten 1 bis 9 (" +
                   Link("TabSheet_Algo1", "Methode 1") +
                   "). Kandidaten, die du selbst eingetragen hast, bleiben stehen.",
               "Dann folgen die " + Link("TabSheet_Algo2", "Methoden 2") + " bis " +
                   Link("TabSheet_Algo6", "6") +
                   " in fester Reihenfolge. Jede arbeitet alle Zeilen, Spalten und 9er-Blöcke "
                   "durch, bis sie nichts mehr findet.",
               "Hat eine Methode etwas geändert, beginnt die Kette wieder bei Methode 2.",
               "Findet keine Methode mehr etwas, endet die Berechnung. Dann ist das Sudoku "
               "gelöst, oder es ginge nur noch mit Probieren weiter – das tut das Programm "
               "nicht. Ein Sudoku gilt als eindeutig lösbar, wenn diese Kette es vollständig "
               "löst."}) +
         Heading("Jede Änderung ein Schritt") +
         Para(
             "Jede Änderung zählt Schritte und lässt sich einzeln zurücknehmen. Das Feld, das "
             "sich gleich ändert, wird markiert und zeigt zuerst noch seinen alten Inhalt.") +
         Heading("Einen Schritt weiter (F9)") +
         Para(
             "F9 macht genau eine Änderung: Sind Felder leer, füllt der erste Schritt alle "
             "leeren Felder mit 1 bis 9, danach ändert jeder Schritt ein einziges Feld.") +
         Heading("Anhalten und Tempo") +
         Para(
             "Ein zweiter Druck auf Start/Stop (Alt+S oder F3) hält die Berechnung sofort an, "
             "auch mitten in einer Wartezeit; ebenso ein neues Sudoku oder das Beenden des "
             "Programms. Nach mehr als 999 Änderungen hält sie von selbst an. Das Tempo stellst "
             "du in den " +
             Link("TabSheet_Menu/7", "Optionen") +
             " mit der Ablaufgeschwindigkeit ein, von „Maximum“ ohne Pause bis zu 5 Sekunden "
             "je Änderung. Das Programm bleibt dabei bedienbar.") +
         Heading("Lösungshilfen zählen") +
         Para(
             "Die automatische Berechnung, F9 und alle Einträge des Hilfe-Menüs mit „(:-&lt;)“ "
             "sind Lösungshilfen: Ein Spiel, in dem du sie benutzt, kommt nicht in die Hall of "
             "Fame.");
}

QString MethodTitle(int method) {
  static const char* const titles[6] = {
      "Methode 1: Füllen mit 1..9",
      "Methode 2: Ziffer in benachbarten Spalten und Zeilen des Blocks",
      "Methode 3: Bereinigen von einzelnen Ziffern",
      "Methode 4: Einmaliges Vorkommen in 9er-Gruppe",
      "Methode 5: Eindeutiges Vorkommen in 3x3er-Gruppe",
      "Methode 6: Die gleichen x Ziffern in x Feldern"};
  return titles[std::clamp(method, 0, 5)];
}

QString MethodText(int method) {
  switch (method) {
    case 0:
      return Para(
                 "Wer mit Kandidaten arbeitet, trägt zuerst überall alle Ziffern von 1 bis 9 "
                 "ein und streicht dann, was nicht passen kann. Das Eintragen erledigt diese "
                 "Methode auf einen Schlag. Du findest sie im Hilfe-Menü unter " +
                 MenuPath("Felder auf 1...9 setzen") + ":") +
             List({"<b>Alle freien Felder</b> (F5) füllt die leeren Felder,",
                   "<b>Alle Felder</b> (F6) füllt alle Felder außer den Vorgaben, auch die, in "
                   "denen schon Ziffern stehen,",
                   "<b>Markiertes Feld</b> (F7) füllt nur das markierte Feld."}) +
             Para(
                 "Das Füllen zählt als ein einziger Schritt. Nach F5 und F6 bleibt die Eingabe "
                 "auf „Entfernen“, so dass jede getippte Ziffer aus dem markierten Feld "
                 "gestrichen wird; mit „.“ geht es zurück zum Setzen. Das Füllen ist keine "
                 "Lösungshilfe, die Warnungen prüfen es nicht. Die automatische Berechnung "
                 "beginnt immer mit diesem Schritt für die leeren Felder.");
    case 1:
      return Para(
                 "Diese Methode arbeitet allein mit festen Ziffern und braucht keine "
                 "Kandidaten. Durch jeden 9er-Block laufen drei Zeilen. Steht eine Ziffer in "
                 "den beiden anderen Zeilen schon fest, aber noch nicht im Block, dann muss sie "
                 "im Block in der dritten Zeile stehen. Ein Feld dieser Zeile scheidet aus, wenn "
                 "es schon eine feste Ziffer hat oder seine Spalte die Ziffer bereits enthält. "
                 "Bleibt nur ein Feld übrig, bekommt es die Ziffer.") +
             Para(
                 "Im Beispiel steht die 3 in der ersten und in der zweiten Zeile fest, aber "
                 "nicht im linken Block. Dort bleibt für sie nur die untere Zeile, und deren "
                 "andere Felder tragen schon 5 und 8: Das freie Feld bekommt die 3.") +
             Para("Mit Spalten geht es genauso. Im Hilfe-Menü: " +
                  MenuPath("Ziffer in benachbarten Spalten/Zeilen des Blocks (:-<)") +
                  ". Die Methode prüft immer alle Blöcke, bis sie nichts mehr findet.");
    case 2:
      return Para(
                 "Eine feste Ziffer kann in ihrer Zeile, ihrer Spalte und ihrem 9er-Block "
                 "nirgends sonst stehen. Diese Methode streicht sie deshalb aus den Kandidaten "
                 "aller anderen Felder der Gruppe.") +
             Para(
                 "Im Beispiel stehen 5, 2 und 7 in der Zeile fest; sie verschwinden aus den "
                 "übrigen Feldern der Zeile.") +
             Para(
                 "Nach dem Füllen mit 1..9 ist dies der wichtigste Schritt. Oft bleibt dabei in "
                 "einem Feld nur eine Ziffer übrig, die beim nächsten Durchgang wieder andere "
                 "Felder bereinigt.") +
             Para("Im Hilfe-Menü: " + MenuPath("Bereinigen von einzelnen Ziffern (:-<)") + ". " +
                  kScopes);
    case 3:
      return Para(
                 "Jede Ziffer kommt in jeder Zeile, jeder Spalte und jedem 9er-Block genau "
                 "einmal vor. Ist eine Ziffer in einer solchen Gruppe nur noch in einem "
                 "einzigen Feld Kandidat, dann gehört sie dorthin, ganz gleich, wie viele "
                 "Kandidaten das Feld sonst noch hat.") +
             Para(
                 "Im Beispiel kann die 7 in der Zeile nur noch im Feld mit 2, 4, 7 und 8 "
                 "stehen. Das Feld wird auf 7 gesetzt.") +
             Para("Im Hilfe-Menü: " + MenuPath("Einmaliges Vorkommen in 9er-Gruppe (:-<)") + ". " +
                  kScopes);
    case 4:
      return Para(
                 "Liegen in einer Zeile alle Kandidaten einer Ziffer im selben 9er-Block, dann "
                 "steht die Ziffer in diesem Block auf jeden Fall in dieser Zeile. Aus den "
                 "übrigen Feldern des Blocks wird sie gestrichen. Für Spalten gilt dasselbe.") +
             Para(
                 "Auch umgekehrt: Liegen in einem Block alle Kandidaten einer Ziffer in derselben "
                 "Zeile oder Spalte, dann verschwindet die Ziffer aus den Feldern dieser Zeile "
                 "oder Spalte außerhalb des Blocks.") +
             Para(
                 "Im Beispiel kann die 4 in der oberen Zeile nur im linken Block stehen. Deshalb "
                 "wird sie aus den anderen Feldern dieses Blocks gestrichen. Die Methode greift "
                 "erst ab zwei Feldern; ist es nur eines, ist das Methode 4.") +
             Para("Im Hilfe-Menü: " + MenuPath("Eindeutiges Vorkommen in 3x3er-Gruppe (:-<)") +
                  ". " + kScopes);
    default:
      return Para(
                 "Haben zwei Felder einer Gruppe genau dieselben zwei Kandidaten, etwa 4 und "
                 "8, dann teilen sich diese Felder die 4 und die 8, auch wenn noch offen ist, "
                 "welche wohin gehört. In allen anderen Feldern der Gruppe können 4 und 8 "
                 "nicht mehr stehen.") +
             Para(
                 "Das gilt für jede Anzahl: drei Felder mit denselben drei Kandidaten, vier "
                 "Felder mit denselben vier und so weiter. Die Mengen müssen genau gleich sein; "
                 "drei Felder mit den Paaren 1-2, 2-3 und 1-3 zählen hier nicht.") +
             Para(
                 "Im Beispiel halten zwei Felder der Zeile genau 4 und 8. Aus den anderen "
                 "Feldern werden 4 und 8 gestrichen.") +
             Para("Im Hilfe-Menü: " + MenuPath("Die gleichen x Ziffern in x Feldern (:-<)") + ". " +
                  kScopes);
  }
}

QString ShortcutsText() {
  const char* const rows[][3] = {
      {"Alt+D", "", "Menü „Dateien“ öffnen"},
      {"Alt+V", "F2", "Dialog „Vorlagen“: ein Sudoku wählen"},
      {"Alt+S", "F3", "„Start/Stop“: automatische Berechnung starten oder anhalten"},
      {"Alt+Z", "Rücktaste", "„Zurück“: einen Schritt zurücknehmen"},
      {"Alt+W", "Alt+Rücktaste", "„Weiter“: einen Schritt wiederholen"},
      {"Alt+A", "F4", "„Anfang“: zurück an den Anfang des Spiels"},
      {"Alt+M", "", "Menü „Memory“ mit den Speicherpunkten öffnen"},
      {"Alt+O", "", "Optionen öffnen"},
      {"Alt+H", "", "Hilfe-Menü öffnen"},
      {"Strg+C", "Strg+Einfg", "Feld in die Zwischenablage kopieren"},
      {"Strg+V", "Umsch+Einfg", "Feld aus der Zwischenablage einfügen"},
      {"F1", "", "diese Hilfe"},
      {"F5", "", "alle freien Felder auf 1 bis 9 setzen"},
      {"F6", "", "alle Felder auf 1 bis 9 setzen"},
      {"F7", "", "das markierte Feld auf 1 bis 9 setzen"},
      {"F9", "", "den nächsten Zug vorschlagen und ausführen"},
      {". (Punkt)", "", "nächste Ziffern setzen"},
      {"+ (Plus)", "", "nächste Ziffern hinzufügen"},
      {"- (Minus)", "", "nächste Ziffern entfernen"},
      {"+ +", "", "dauerhaft hinzufügen (bis zur nächsten Umschaltung)"},
      {"- -", "", "dauerhaft entfernen (bis zur nächsten Umschaltung)"},
      {"Strg+Ziffer", "", "Ziffer entfernen, im Modus „Entfernen“ hinzufügen"},
      {"Umsch+Ziffer", "", "Ziffer setzen"},
  };
  QString html =
      "<table width='100%' cellspacing='0' cellpadding='1'>"
      "<tr style='background-color:#800080; color:white;'><th align='left'>&nbsp;Taste</th>"
      "<th align='left'>Alternative</th><th align='left'>Funktion</th></tr>";
  bool shaded = false;
  for (const auto& row : rows) {
    html += QString(
                "<tr style='background-color:%1;'><td width='108'>&nbsp;<b>%2</b></td>"
                "<td width='118'>%3</td><td>%4</td></tr>")
                .arg(shaded ? "#ece4cc" : "#f8f3e4", QString(row[0]).toHtmlEscaped(),
                     QString(row[1]).toHtmlEscaped(), QString(row[2]));
    shaded = !shaded;
  }
  html += "</table>";
  return html +
         Para(
             "<br>Außerdem bewegen die Pfeiltasten die Markierung (ohne NumLock auch schräg mit "
             "7, 9, 1 und 3 des Ziffernblocks), 0, Leertaste und Entf leeren das Feld, "
             "Alt+Pfeiltaste überträgt die Kandidaten des markierten Feldes in die Felder "
             "rechts, unten, links oder oben, Strg+P druckt und Alt+F4 beendet das Programm.");
}

QString GuiIntroText() {
  return Para(
             "Das Spielfenster besteht aus acht Teilen. Klicke im Bild auf einen Teil oder auf "
             "seine Nummer, oder drücke Alt+1 bis Alt+8: Unten erscheint, wozu er dient.") +
         Para(
             "Das Bild zeigt den Standard-Skin. Andere Skins ordnen die Teile anders an, "
             "ihre Aufgaben bleiben gleich.");
}

QString GuiPartText(int part) {
  switch (part) {
    case 0:
      return Terms({{"Titelleiste",
                     "Mit gedrückter linker Maustaste auf der Titelleiste verschiebst du das "
                     "Fenster."},
                    {"Minimieren", "Legt das Fenster in die Taskleiste."},
                    {Link("TabSheet_Menu/0", "Schließen"),
                     "Beendet das Programm wie „Programm beenden“ im Menü Dateien. Das laufende "
                     "Spiel wird gespeichert und beim nächsten Start fortgesetzt."}}) +
             Para("Minimieren und Schließen wirken beim Loslassen der Maustaste.");
    case 1:
      return Para(
                 "Die Tasten 1 bis 9 dieser Reihe <b>entfernen</b> die Ziffer aus dem markierten "
                 "Feld. Sie wirken erst beim Loslassen der Maustaste: Ziehst du die Maus vorher "
                 "auf eine andere Zifferntaste, gilt diese, ziehst du sie ganz weg, geschieht "
                 "nichts.") +
             Para(
                 "Auf der Tastatur schaltet „-“ die nächsten Ziffern auf Entfernen, „- -“ "
                 "dauerhaft; Strg+Ziffer entfernt ebenfalls. Mit der Warnung „Nur bei "
                 "offensichtlichen Fehlern“ lässt sich die letzte Ziffer eines Feldes nicht "
                 "entfernen.");
    case 2:
      return Para(
                 "Die Tasten dieser Reihe <b>fügen</b> die Ziffer dem markierten Feld als "
                 "weiteren Kandidaten <b>hinzu</b>; was schon im Feld steht, bleibt. Ein Feld, "
                 "dem Ziffern hinzugefügt wurden, zeigt auch eine einzelne Ziffer klein, bis sie "
                 "gesetzt wird oder ihre Zeile, Spalte oder ihr Block vollständig ist.") +
             Para(
                 "Auf der Tastatur fügt nach dem ersten Eintrag in ein Feld jede weitere Ziffer "
                 "hinzu; „+“ schaltet die nächsten Ziffern auf Hinzufügen, „+ +“ dauerhaft. Die "
                 "Tasten wirken beim Loslassen der Maustaste.");
    case 3:
      return Para(
                 "Die Tasten dieser Reihe <b>setzen</b> das markierte Feld auf genau diese "
                 "Ziffer; sie erscheint groß, alle anderen Kandidaten des Feldes verschwinden.") +
             Para(
                 "Auf der Tastatur setzt die erste Ziffer nach dem Markieren eines Feldes, "
                 "ebenso Umsch+Ziffer und jede Ziffer nach „.“. Mit der Warnung „Nur bei "
                 "offensichtlichen Fehlern“ lässt sich keine Ziffer setzen, die in Zeile, Spalte "
                 "oder Block schon fest steht; mit „Bei allen Fehlern warnen“ nur die richtige.");
    case 4:
      return Para(
                 "Das Spielfeld mit seinen 81 Feldern. Ein Klick markiert ein Feld, die "
                 "Pfeiltasten bewegen die Markierung; am Ende einer Zeile geht es in der nächsten "
                 "weiter. Die Vorgaben sind hervorgehoben und unveränderlich.") +
             Para(
                 "Eine feste Ziffer erscheint groß, mehrere Kandidaten klein in der Anordnung "
                 "des Ziffernblocks: 7 8 9 oben, 1 2 3 unten. Die Option „Zahlenblock umgekeht "
                 "anzeigen“ schaltet auf 1 2 3 oben um. Ist jede Gruppe vollständig und "
                 "richtig, ist das Sudoku gelöst und die Uhr hält an.");
    case 5:
      return Terms(
          {{"Zeit",
            "Läuft ab der ersten Änderung, der Doppelpunkt blinkt dabei. „-:--:--.-“ "
            "heißt: Dieses Spiel wird nicht gewertet, etwa nach dem Abruf eines "
            "Speicherpunkts aus einem früheren Spiel."},
           {"Schritte", "Die Schritte des Spiels (angezeigt bis 999)."},
           {"Gruppen", "Zeigt, welche Spalten, Zeilen und 9er-Blöcke schon vollständig sind."}});
    case 6:
      return "<p style='margin-top:0px; margin-bottom:5px;'><b>" +
             Link("TabSheet_Menu/0", "Das Menü") + "</b></p>" +
             Para(
                 "Die neun Schaltflächen öffnen die Menüs und Befehle des Programms: Dateien, "
                 "Vorlagen, Start/Stop, Zurück, Weiter, Anfang, Memory, Optionen und Hilfe. Eine "
                 "blasse Schaltfläche ist gerade nicht verfügbar, zum Beispiel „Zurück“ am "
                 "Anfang eines Spiels.");
    default:
      return Para(
                 "Die neun Speicherpunkte merken sich je einen Spielstand, auch über das Ende "
                 "des Programms hinaus. Ein Klick auf einen leeren Speicherpunkt speichert den "
                 "aktuellen Stand, ein Klick auf einen belegten ruft ihn ab.") +
             Para(
                 "Gehört der Speicherpunkt zum laufenden Spiel, springt es einfach dorthin "
                 "zurück. Stammt er aus einem früheren Spiel, beginnt ein Spiel ohne Zeit und "
                 "ohne Wertung; läuft gerade die Uhr, fragt das Programm vorher nach. Ein "
                 "frisches Sudoku lässt sich noch nicht speichern, und jeden Stand nur einmal.") +
             Para("Speicherpunkte löschen: siehe " + Link("TabSheet_Menu/6", "Menü Löschen") + ".");
  }
}

QString MenuIntroText() {
  return Para(
             "Die neun Schaltflächen des Spielfensters. Klicke auf ein Bild, um zu sehen, was "
             "es tut, oder wähle die Seite hier mit Alt+D, Alt+V, Alt+S, Alt+Z, Alt+W, Alt+A, "
             "Alt+L, Alt+O oder Alt+H.") +
         Para("Die Tasten für das Spielfenster stehen auf jeder Seite in Klammern.");
}

QString MenuText(int page) {
  switch (page) {
    case 0:
      return Para("Öffnet das Menü „Dateien“ (Alt+D):") +
             Terms({{"Spiel oder Liste speichern",
                     "als Sudoku-Datei (*.sud) – das ganze Spiel mit allen Schritten oder nur der "
                     "aktuelle Stand –, als Bild (*.bmp), als Metadatei (*.emf, schwarz/weiß oder "
                     "farbig), als Text (*.txt, *.csv) oder die Liste der eigenen Sudokus."},
                    {"Spiel oder Liste laden",
                     "lädt eine Sudoku-Datei oder übernimmt eine Liste (*.txt) in die eigenen "
                     "Sudokus."},
                    {"Leeres Spielfeld", "beendet das Spiel und leert das Spielfeld."},
                    {"Hall of Fame", "die zehn besten Zeiten des aktuellen Sudokus."},
                    {"Drucken",
                     "druckt das Sudoku, seine Lösung oder beides (Strg+P); "
                     "„Drucker einrichten“ wählt den Drucker."},
                    {"Alle Einstellungen löschen",
                     "entfernt nach Rückfrage alle Einstellungen samt Speicherpunkten, eigenen "
                     "Sudokus und Hall of Fame und beendet das Programm."},
                    {"Programm beenden", "Alt+F4; das Spiel wird für den nächsten Start gemerkt."}},
                   170);
    case 1:
      return Para(
                 "Öffnet die Auswahl der Sudokus (Alt+V oder F2): die 80 Vorlagen des "
                 "Programms und deine eigenen. Mit den Schiebereglern „Drehen“ und „Versch.“ "
                 "wählst du eine der 72 Varianten. Zu jedem Sudoku stehen die Nummer, die Zahl "
                 "der vorgegebenen Felder und die Schritte, die die automatische Lösung braucht "
                 "– ein gutes Maß für die Schwierigkeit; „?“ heißt, dass sie es nicht schafft.") +
             Para(
                 "„Eigenes“ öffnet einen Editor, in dem du ein Sudoku eingibst oder vom Programm "
                 "erzeugen lässt. Eigene Sudokus lassen sich bearbeiten und löschen; „Reset“ "
                 "entfernt alle eigenen Sudokus. „Drucken“ druckt die markierten Sudokus. OK oder "
                 "ein "
                 "Doppelklick startet das gewählte Sudoku.");
    case 2:
      return Para(
                 "Startet die automatische Lösungsberechnung (Alt+S oder F3); ein zweiter Klick "
                 "hält sie an. Wie sie vorgeht, steht unter " +
                 Link("TabSheet_Rules", "Regeln bei der automatischen Lösungsberechnung") + ".") +
             Para(
                 "Ohne geladenes Sudoku und bei einem gelösten ist die Schaltfläche nicht "
                 "verfügbar. Die automatische Lösung ist eine Lösungshilfe: Das Spiel kommt "
                 "danach nicht mehr in die Hall of Fame.");
    case 3:
      return Para(
                 "Nimmt den letzten Schritt zurück (Alt+Z oder Rücktaste), ganz gleich, ob du "
                 "ihn gemacht hast oder eine Lösungsmethode. Schritt für Schritt geht es so bis "
                 "zum Anfang des Spiels zurück.") +
             Para("Während einer Berechnung ist „Zurück“ nicht verfügbar.");
    case 4:
      return Para("Wiederholt einen zurückgenommenen Schritt (Alt+W oder Alt+Rücktaste).") +
             Para(
                 "Machst du nach „Zurück“ eine neue Änderung, sind die zurückgenommenen Schritte "
                 "verloren, und „Weiter“ ist nicht mehr verfügbar.");
    case 5:
      return Para(
                 "Springt an den Anfang des Spiels (Alt+A oder F4): Das Spielfeld zeigt wieder "
                 "nur die Vorgaben, der Schrittzähler steht auf 0, die Uhr läuft weiter. Mit "
                 "„Weiter“ kommst du Schritt für Schritt wieder nach vorn.") +
             Para(
                 "Steht das Spiel schon am Anfang, beginnt es ganz neu: Die Uhr steht wieder auf "
                 "0:00:00.0, und das Spiel zählt wieder für die Hall of Fame.");
    case 6:
      return Para("Öffnet das Menü der " + Link("TabSheet_GUI/7", "Speicherpunkte") + " (Alt+M):") +
             Terms({{"Speicherpunkt setzen/abrufen",
                     "wie ein Klick auf den Speicherpunkt 1 bis 9 im Spielfenster."},
                    {"Alle Speicherpunkte löschen", "leert alle neun."},
                    {"… löschen bis", "leert die Speicherpunkte 1 bis zum gewählten."},
                    {"… löschen ab", "leert die Speicherpunkte vom gewählten bis 9."},
                    {"Einen Speicherpunkt löschen", "leert nur den gewählten."}},
                   190) +
             Para("Gelöschte Speicherpunkte lassen sich nicht zurückholen.");
    case 7:
      return Para(
                 "Öffnet das Optionsfenster (Alt+O). Jede Änderung gilt sofort, und das Fenster "
                 "schließt sich, sobald du woanders hinklickst.") +
             Terms({{"Skin wechseln", "ein anderes Aussehen des Spielfensters."},
                    {"Ablaufgeschwindigkeit", "das Tempo der automatischen Berechnung."},
                    {"Warnungen",
                     "„Bei Fehler nicht warnen“, „Nur bei offensichtlichen Fehlern w.“ oder „Bei "
                     "allen Fehlern warnen“. Mit Warnungen zählt ein Spiel nicht für die Hall of "
                     "Fame."},
                    {"Statusfenster", "anzeigen und am Spielfenster andocken."},
                    {"Weitere",
                     "die letzte Fensterposition merken, die Kurzhilfe in "
                     "Dialogfenstern anzeigen und die Anordnung der kleinen Ziffern "
                     "umkehren."}},
                   150);
    default:
      return Para("Öffnet das Hilfe-Menü (Alt+H). Einträge mit „(:-&lt;)“ sind Lösungshilfen.") +
             Terms({{"Felder auf 1...9 setzen", Link("TabSheet_Algo1", "Methode 1") +
                                                    ": alle freien Felder (F5), alle "
                                                    "Felder (F6) oder das markierte Feld (F7)."},
                    {"Lösungsmethoden",
                     Link("TabSheet_Algo2", "Methode 2") + " bis " + Link("TabSheet_Algo6", "6") +
                         ", jeweils für alle Gruppen oder nur die des markierten Feldes."},
                    {"Einen Schritt weiter", "eine einzelne Änderung (F9)."},
                    {"Kopieren, Einfügen",
                     "die Kandidaten eines Feldes als Text, etwa „1,4,9“ (Strg+C, Strg+V)."},
                    {"Felder ausfüllen nach",
                     "überträgt die Kandidaten des markierten Feldes in die noch nicht festen "
                     "Felder rechts, unten, links, oben (Alt+Pfeiltaste), im Block, in der "
                     "Spalte oder in der Zeile."},
                    {"Hilfe", "diese Hilfe (F1), „Über Sudoku“ und „Über Skin“."}});
  }
}

QString StateLineIntroText() {
  return Para(
      "Die Statusleiste ist ein kleines eigenes Fenster, zu Beginn direkt unter dem "
      "Spielfenster. Du kannst sie an jeder Stelle mit der Maus verschieben; ist sie "
      "angedockt, wandert sie mit dem Spielfenster mit. Beides stellst du in den " +
      Link("TabSheet_Menu/7", "Optionen") + " ein.");
}

QString StateLinePartText(int part) {
  switch (part) {
    case 0:
      return "<b>Letzte Aktion oder Fehler:</b> was zuletzt geschehen ist. Lehnt das Programm "
             "eine Eingabe ab, steht hier der Grund, etwa „" +
             QString::fromStdString(Text(1059) + " " + Text(519)) +
             "“, und ein Signalton erklingt.";
    case 1:
      return "<b>Sudoku-Nummer:</b> Vorlage, Drehung und Verschiebung des aktuellen Sudokus.";
    case 2:
      return "<b>Sanduhr:</b> läuft, solange die Uhr des Spiels läuft.";
    case 3:
      return "<b>Zahnrad:</b> dreht sich, solange eine Berechnung läuft.";
    case 4:
      return "<b>Eingabemodus:</b> was eine getippte Ziffer mit dem markierten Feld macht; "
             "„fest“ bleibt auch beim Wechsel des Feldes.";
    default:
      return "<b>Smiley:</b> ob das Spiel noch für die Hall of Fame zählt. Sind Warnungen "
             "eingeschaltet, endet das mit der ersten geprüften Eingabe, ebenso nach einer "
             "Lösungshilfe.";
  }
}

QString OnlineWebText() {
  return Para(
      "Neuigkeiten rund um Sudoku, neue Skins und neue Versionen findest du auf der "
      "Homepage:");
}

QString OnlineMailText() {
  return Para("Fragen, Anregungen oder einen Fehler gefunden? Schreib uns eine E-Mail:");
}

QString OnlineSkinText() {
  return Para("Ein Klick auf eine Adresse öffnet deinen Browser oder dein E-Mail-Programm.") +
         Para(
             "Neue Skins sind Dateien wie das mitgelieferte „SdSkinNacht.rcc“. Lege sie in "
             "den Ordner des Programms; danach stehen sie in den Optionen unter „Skin wechseln“ "
             "zur Wahl.");
}

QString AboutSkinText() {
  return Para(
      "Der Skin bestimmt das Aussehen des Spielfensters: seine Bilder, seine Form und "
      "die Lage aller Schaltflächen. Einen anderen Skin wählst du in den " +
      Link("TabSheet_Menu/7", "Optionen") + " mit „Skin wechseln“.");
}

}  // namespace sudoku
