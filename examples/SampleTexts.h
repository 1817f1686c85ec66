#pragma once

namespace sorvane::sample {

// The sample's German text files, UTF-8 here; the generator stores them in
// Windows-1252 with Windows line breaks, as the creator program's users
// would have written them.
inline constexpr char kWelcomeText[] =
    "Willkommen bei Sorvane!\n"
    "\n"
    "Diese Datei stammt aus dem Beispielcontainer \"Beispiel.zvq\". Ein Container\n"
    "enthält Dateien und eine Liste von Konten; jedes Konto sieht seine eigene\n"
    "Auswahl der Dateien. Gäste melden sich ohne Passwort an, Jürgen mit seinem\n"
    "Benutzernamen und Passwort.\n"
    "\n"
    "Umlaute und ß bleiben beim Extrahieren erhalten: Äpfel, Öl, Übermut, Grüße.\n";

inline constexpr char kGuestBookText[] =
    "Gästebuch\n"
    "=========\n"
    "\n"
    "12.03.  Familie Köhler aus Düsseldorf: \"Schöne Grüße und vielen Dank!\"\n"
    "27.04.  Frau Weiß: \"Die Bilder sind wunderbar geworden.\"\n"
    "03.05.  Herr Özdemir: \"Bis zum nächsten Mal – wir kommen gerne wieder.\"\n";

inline constexpr char kJuergenText[] =
    "Notizen für Jürgen\n"
    "\n"
    "Diese Datei sieht nur, wer sich als Jürgen anmeldet. Gäste sehen sie nicht.\n"
    "\n"
    "- Preisliste bis Freitag prüfen (Änderungen ab 1. Juli: +2,5 %)\n"
    "- Rückruf bei Frau Weiß wegen der Fotos\n"
    "- Schlüssel für das Büro abholen\n";

}  // namespace sorvane::sample
