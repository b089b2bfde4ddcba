#pragma once

#include "foundation/document/document_file.h"
#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringView>

#include <optional>

class Prompter;

// "ŧ" (U+0167): the character starting at `at` (a surrogate pair as one) and its code.
QString describeCharacter(QStringView text, qsizetype at);

// A save in the code page turns every character it cannot hold into "?". Before such a save
// the user chooses UTF-8 with byte-order mark instead, or no save. Returns the format to write:
// the given one when it holds the whole text, the UTF-8 one when the user agrees, nullopt when
// the user declines.
std::optional<DocumentFormat> losslessFormat(QStringView text, const DocumentFormat& format,
                                             Prompter& prompter, UiLanguage language);
