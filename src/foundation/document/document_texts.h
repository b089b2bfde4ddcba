#pragma once

#include "foundation/messages/ui_text.h"

// Texts the document's boxes show beside the message table's lines.

// %1 the character and its code, as describeCharacter gives them.
const UiText UnencodableQuestion{
    "Das Zeichen %1 lässt sich in Windows-1252 nicht speichern und würde zu \"?\".\n"
    "Stattdessen als UTF-8 speichern?",
    "The character %1 cannot be stored in Windows-1252 and would become \"?\".\n"
    "Save as UTF-8 instead?"};

// After Yes to "Save changes to:" when the save failed.
const UiText ChangesNotSaved{
    "Die Änderungen wurden nicht gespeichert, darum bleibt das Dokument geöffnet.",
    "The changes were not saved, so the document stays open."};

// Followed by the path.
const UiText NotDecodable{
    "Die Datei ist lesbar, aber ihr Text lässt sich nicht entschlüsseln (UTF-16 mit ungerader "
    "Anzahl von Bytes): ",
    "The file can be read, but its text cannot be decoded (UTF-16 with an odd number of "
    "bytes): "};

// Followed by the path.
const UiText TooLargeForMemory{"Die Datei ist zu groß für den verfügbaren Arbeitsspeicher: ",
                               "The file is too large for the memory available: "};
