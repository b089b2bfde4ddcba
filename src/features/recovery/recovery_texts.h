#pragma once

#include "foundation/messages/ui_text.h"

// What the recovery dialog and the notes about changes on disk say.
namespace RecoveryText {

inline const UiText Title{"Ungespeicherte Änderungen", "Unsaved changes"};
inline const UiText KeptDocument{
    "Hexlume wurde beendet, ohne die Änderungen an %1 zu speichern. Sie wurden am %2 gesichert.",
    "Hexlume ended without saving the changes to %1. They were kept on %2."};
inline const UiText KeptUntitled{"Hexlume wurde beendet, ohne ein unbenanntes Dokument zu "
                                 "speichern. Es wurde am %1 gesichert.",
                                 "Hexlume ended without saving an untitled document. It was kept "
                                 "on %1."};
inline const UiText KeptScratch{
    "Hexlume wurde beendet, während der einfache Texteditor geänderten Text enthielt. Er wurde "
    "am %1 gesichert.",
    "Hexlume ended while the simple text editor held changed text. It was kept on %1."};
inline const UiText ChangedAfter{"Die Datei wurde danach von einem anderen Programm geändert.",
                                 "The file on disk was changed by another program after that."};
inline const UiText GoneAfter{"Die Datei gibt es inzwischen nicht mehr.",
                              "The file no longer exists on disk."};
inline const UiText Question{
    "Wiederherstellen öffnet den gesicherten Text als geändertes Dokument; Verwerfen löscht ihn; "
    "Später bietet ihn beim nächsten Start wieder an.",
    "Recover opens the kept text as a modified document; Discard deletes it; Later offers it "
    "again at the next start."};
inline const UiText Recover{"&Wiederherstellen", "&Recover"};
inline const UiText Discard{"&Verwerfen", "&Discard"};
inline const UiText Later{"&Später", "&Later"};

inline const UiText Reloaded{"%1 wurde von einem anderen Programm geändert und neu geladen.",
                             "%1 was changed by another program and has been reloaded."};
inline const UiText ReloadQuestion{
    "%1 wurde von einem anderen Programm geändert.\n\nJa lädt die Datei neu, Ihre Änderungen "
    "gehen verloren. Nein behält Ihre Fassung.",
    "%1 was changed by another program.\n\nYes reloads the file and loses your changes. No keeps "
    "yours."};
inline const UiText Deleted{"%1 wurde von einem anderen Programm gelöscht. Ihr Text bleibt "
                            "geöffnet; Speichern legt die Datei wieder an.",
                            "%1 was deleted by another program. Your text stays open; Save "
                            "writes the file again."};

} // namespace RecoveryText
