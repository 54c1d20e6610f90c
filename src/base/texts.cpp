#include "base/texts.h"

#include <cstdio>
#include <unordered_map>
#include <vector>

namespace sudoku {
namespace {

const std::unordered_map<int, const char*>& Table() {
  static const std::unordered_map<int, const char*> table = {
      {512, "Fehler bei Laden eines Skin-Bitmaps aufgetreten."},
      {513, "Fehler bei Laden von Ressource-Daten aufgetreten."},
      {514, "Fehler bei Laden von Ressource-DLL aufgetreten."},
      {515, "Fehler bei Laden des Skin-Namens aufgetreten."},
      {516, "Das Sudoku hat keine eindeutige Lösung, die vom Programm gefunden werden kann."},
      {518, "Das Sudoku ist bereits gelöst."},
      {519, "Die Zahl ist bereits eindeutig vorhanden."},
      {520, "Eine der eingefügten Zahlen ist bereits eindeutig vorhanden."},
      {521, "Die Zahl ist nicht die Lösung für dieses Feld."},
      {522, "Die vorgegebenen Zahlen können nicht geändert werden."},
      {523, "Bitte wähle zuerst ein Sudoku aus."},
      {524, "Ein neues Sudoku läßt sich nich speichern"},
      {525, "Während der Berechnung läßt sich das Spiel nicht speichern"},
      {526, "Dieser Spielstand ist bereits gespeichert"},
      {527, "Fehler beim Kopieren des Feldes aufgetreten"},
      {528, "Fehler beim Einfügen in das Feld aufgetreten"},
      {529, "Ungültiger Dateiheader, Datei ist keine Sudoku-Datei."},
      {530, "Fehler in der Dateistruktur."},
      {531, "Fehler beim Lesen der Datei."},
      {532, "Fehler beim Schreiben der Datei."},
      {533,
       "Die DLL mit dem eingestellten Skin wurde nicht gefunden. Es wird das Standard-Skin "
       "geladen."},
      {534,
       "Die DLL mit dem eingestellten Skin konnte nicht geladen werden. Es wird das "
       "Standard-Skin geladen."},
      {535,
       "Das Spiel konnte nicht wieder hergestellt werden, da es mit einer älteren "
       "Programmversion gespeichert wurde."},
      {537, "Bitte zuerst die automatische Berechnung stoppen."},
      {1024, "&Hinzufügen"},
      {1025, "Sollen wirklich alle selbstdefinierten Sudoku-Rätsel wirklich gelöscht werden?"},
      {1026, "Sollen die ausgewählten eigenen Sudoku-Rätsel wirklich gelöscht werden?"},
      {1027, "Soll das laufende Spiel wirklich abgebrochen werden?"},
      {1028, "&Ablaufgeschwindigkeit: Maximum"},
      {1029, "&Ablaufgeschwindigkeit: %.1f Op/Sek"},
      {1030, "&Ablaufgeschwindigkeit: %.1f Sek/Op"},
      {1031, "Suche die gleichen x Ziffern in x Feldern einer Zeile"},
      {1032, "Suche die gleichen x Ziffern in x Feldern einer Spalte"},
      {1033, "Suche die gleichen x Ziffern in x Feldern eines 9er-Blocks"},
      {1034, "Suche eindeutiges Vorkommen in einer 3x3-Gruppe einer Zeile"},
      {1035, "Suche eindeutiges Vorkommen in einer 3x3-Gruppe einer Spalte"},
      {1036, "Suche eindeutiges Vorkommen in einer 3x3-Gruppe eines 9er-Blocks"},
      {1037, "Suche einmaliges Vorkommen in einer 9-Gruppe einer Zeile"},
      {1038, "Suche einmaliges Vorkommen in einer 9-Gruppe einer Spalte"},
      {1039, "Suche einmaliges Vorkommen in einer 9-Gruppe eines 9er-Blocks"},
      {1040, "Bereinigen der Felder von alleinstehenden Ziffern einer Zeile"},
      {1041, "Bereinigen der Felder von alleinstehenden Ziffern einer Spalte"},
      {1042, "Bereinigen der Felder von alleinstehenden Ziffern eines 9er-Blocks"},
      {1043, "Setze alle leeren Felder auf alle Ziffern von 1 bis 9"},
      {1044, "Setze alle möglichen Felder auf alle Ziffern von 1 bis 9"},
      {1045, "Setze markiertes Felder auf alle Ziffern von 1 bis 9"},
      {1046, "Beste Möglichkeit: %d Werte, %d Schritte"},
      {1047, "M&anuell"},
      {1048, "&Auto"},
      {1049, "Kein Sudoku in der vorgegebenen Zeit gefunden."},
      {1050, "&Wiederholen"},
      {1051, "&Wechseln"},
      {1052, " Felder: %d"},
      {1053, " Schritte: %d"},
      {1054, " Schritte: ?"},
      {1055, "Manuell"},
      {1056, "Auto"},
      {1057, "Ruhezustand"},
      {1058, "Letzte Aktion:"},
      {1059, "Fehler:"},
      {1060, "Manuelles Setzen/Hinzufügen/Löschen oder Einfügen von Zahlen"},
      {1061, "Gleiche eindeutige Ziffern in benachbarten Spalten u. Zeilen des Blocks"},
      {1062, "Einen Schritt rückgängig gemacht"},
      {1063, "Einen Schritt wiederholt"},
      {1064, "Zurück an den Anfang gesetzt"},
      {1065, "Standard-Skin"},
      {1066, "Sudoku Nr. %s"},
      {1067, "Sollen alle Einstellungen gelöscht und das Programm beendet werden?"},
      {1068, "Sudoku Nr. %s"},
      {1069, "Sudoku Nr.: %s"},
      {1070,
       "Diese Aktion wird das laufende Spiel beenden und den Rückgängig-Speicher löschen.\n"
       "Das gespeicherte Spiel kann fortgesetzt werden, aber die Zeit läuft nicht mehr und\n"
       "für dieses Spiel gibt es keine Wertung."},
      {1071, "Sudoku %u"},
      {1072, "Es wurden keine neuen Sudokus zur Liste der eigenen Sudokus hinzugefügt."},
      {1073, "Es wurde %d neues Sudoku zur Liste der eigenen Sudokus hinzugefügt."},
      {1074, "Es wurden %d neue Sudokus zur Liste der eigenen Sudokus hinzugefügt."},
      {1075, "https://quillbrook.example/sudoku"},
      {1076, "sudoku@quillbrook.example"},
      {1077, "Speicherpunkt &%d setzen"},
      {1078, "Speicherpunkt &%d abrufen"},
      {1079, "(kein Copyright-Vermerk)"},
      {1080, "Skin: %s"},
      {1081, "&Über Skin: %s"},
      {1082, "&Stopp"},
      {41001, "Zwischenablage wird von einer anderen Anwendung verwendet."},
      {41002, "Zwischenablage kann nicht geleert werden."},
      {41003,
       "Zum Kopieren in die Zwischenablage konnte nicht genug Speicher zugewiesen werden."},
      {41004, "Kein Text in der Zwischenablage verfügbar."},
  };
  return table;
}

}  // namespace

std::string Text(int id) {
  auto it = Table().find(id);
  return it == Table().end() ? std::string() : std::string(it->second);
}

std::string FormatText(int id, ...) {
  const std::string format = Text(id);
  va_list args;
  va_start(args, id);
  va_list copy;
  va_copy(copy, args);
  const int size = std::vsnprintf(nullptr, 0, format.c_str(), copy);
  va_end(copy);
  std::string out;
  if (size > 0) {
    std::vector<char> buffer(static_cast<size_t>(size) + 1);
    std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
    out.assign(buffer.data(), static_cast<size_t>(size));
  }
  va_end(args);
  return out;
}

}  // namespace sudoku
