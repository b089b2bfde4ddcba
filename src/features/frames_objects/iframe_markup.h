#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

class EditorBuffer;

// What TFormIFrame holds; the defaults are the dialog's first state.
struct IFrameFields {
    UiLanguage Sprache = UiLanguage::German;
    QString EditName = QStringLiteral("Inline Page");
    QString EditBreite = QStringLiteral("400");
    QString EditHohe = QStringLiteral("400");
    QString EditSource = QStringLiteral("Seite.htm");
};

// The iframe element with its fallback paragraph (iFrameSource), fields as typed.
QString MakeFrame(const IFrameFields& fields);

// Puts the element in front of the selection, whose text stays; nothing for an empty element.
void InsertIFrame(EditorBuffer& editor, const QString& iFrameSource);
