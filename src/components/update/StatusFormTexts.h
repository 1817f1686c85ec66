#pragma once

namespace sorvane::texts {

// The update wizard's own texts; \r\n are its line breaks.
inline constexpr char kStatusCaption[] = "Updates installieren";
inline constexpr const char* kStepTitles[] = {
    "Willkommen",           "Auf neue Updates prüfen", "Ergebnis der Prüfung",
    "Download der Updates", "Installieren",            "Abschließen der Installation",
};
inline constexpr char kSettingsTitle[] = "Einstellungen";

inline constexpr char kWelcome[] =
    "In regelmäßigen Abständen sollte im Internet nach Programmverbesserungen und -updates gesucht werden, um "
    "möglichen Programmfehlern vorzubeugen.\r\nKlicken Sie auf \"Weiter\", um jetzt nach neuen Updates zu suchen, "
    "oder auf \"Abbrechen\", um zu einem anderen Zeitpunkt nach Programmverbesserungen zu suchen.\r\n\r\nKlicken "
    "Sie auf \"Einstellungen\", um festzulegen, ob und in welchen Abständen Sie zum Suchen nach Updates "
    "aufgefordert werden möchten.";
inline constexpr char kCheckPage[] =
    "Stellen Sie sicher, dass eine Internetverbindung besteht, und klicken Sie auf \"Jetzt auf neue Updates "
    "prüfen\".";
inline constexpr char kCheckButton[] = "Jetzt auf neue Updates prüfen";
inline constexpr char kDownloadPage[] =
    "Die Updates werden jetzt heruntergeladen. Bitten warten Sie, bis der Download abgeschlossen ist, oder klicken "
    "Sie auf \"Download abbrechen\", wenn Sie die Updates zu einer anderen Zeit herunterladen wollen.";
inline constexpr char kInstallPage[] =
    "Das Update kann jetzt installiert werden.\r\nKlicken Sie auf \"Weiter\", um den Vorgang fortzusetzen und die "
    "Installation durchzuführen.\r\n\r\nAktivieren Sie das Kontrollfeld \"Programm automatisch neu starten\", um "
    "die Anwendung nach der Installation sofort neu zu starten.";
inline constexpr char kRestartBox[] = "Programm automatisch neu starten";
inline constexpr char kFinishPage[] =
    "Die Installation wurde vorbereitet.\r\nKlicken SIe auf \"Beenden\", um die alten Dateien zu ersetzen. Ein "
    "Neustart des Computers ist nicht erforderlich.\r\n\r\nWenn Sie nicht die Option zum automatischen Neustart "
    "des Programms aktiviert haben, müssen Sie das Programm nach der Installation manuell neu starten.";
inline constexpr char kSettingsGroup[] = "Wie oft wollen Sie zum Suchen nach Updates aufgefordert werden?";
inline constexpr char kNoAutoUpdate[] = "Niemals automatisch zum Updaten auffordern";
inline constexpr char kNoAutoUpdateNote[] =
    "Wenn Sie diese Option aktivieren, werden Sie nicht automatisch zum Suchen nach neuen Updates aufgefordert. "
    "Sie haben dann aber immer noch die Möglichkeit, über die Tastenkombination Strg+U die Suche nach Updates zu "
    "starten.";
inline constexpr char kAutoUpdate[] = "Regelmäßig in bestimmten Abständen zum Updaten auffordern";
inline constexpr char kAutoUpdateNote[] =
    "Aktivieren Sie diese Option, um in festgelegten Abständen automatisch zum Suchen nach neuen Updates "
    "aufgefordert zu werden. Dies geschieht dann jeweils unmittelbar nach dem Starten des Programms.";
inline constexpr char kEvery[] = "Alle";
inline constexpr char kDays[] = "Tage an Updates erinnern";

inline constexpr char kNoUpdate[] =
    "Es stehen keine neuen Updates zur Verfügung. Klicken Sie auf \"Beenden\", um den Assistenten zu verlassen.";
inline constexpr char kUpdateAvailable[] =
    "Es stehen neue Updates zum Download bereit.\r\n\r\nDie Updates beheben folgende Probleme bzw. stellen "
    "folgende neue Funktionen zur Verfügung:\r\n%s\r\n\r\nKlicken Sie auf \"Weiter\", um die Updates jetzt "
    "herunterzuladen.";
// Before kNoUpdate, when the update list offers an archive without its size.
inline constexpr char kNoArchiveSize[] =
    "Die Update-Liste nennt die Größe des Update-Archivs nicht (\"Size\"), daher wird es nicht heruntergeladen.";
inline constexpr char kNotCompleted[] =
    "Der Download wurde nicht vollendet.\r\n\r\nKlicken Sie auf \"Erneut versuchen\", um den Download erneut zu "
    "starten.\r\nKlicken Sie auf \"Abbrechen\", um den Assistenten zu beenden.";
inline constexpr char kCompleted[] =
    "Die Update-Dateien wurden erfolgreich heruntergeladen. Klicken Sie auf \"Weiter\", um die Updates zu "
    "installieren.";
inline constexpr char kInstallFilesMissing[] =
    "Die Installationsdateien wurden nicht gefunden. Klicken Sie auf \"Abbrechen\" und versuchen Sie es später "
    "noch einmal.";

inline constexpr char kNext[] = "Weiter >";
inline constexpr char kFinish[] = "Beenden";
inline constexpr char kCancel[] = "Abbrechen";
inline constexpr char kSettings[] = "Einstellungen";
inline constexpr char kSave[] = "Speichern";
inline constexpr char kCancelDownload[] = "Download ab&brechen";
inline constexpr char kRetry[] = "Erneut versuchen";
inline constexpr char kAbortQuestion[] = "Soll der Download wirklich abgebrochen werden?";
inline constexpr char kConfirmTitle[] = "Bestätigung";

inline constexpr char kNoConnection[] = "Es besteht keine Internetverbindung.";
inline constexpr char kNoConnectionTitle[] = "Internetverbindung erforderlich";

}  // namespace sorvane::texts
