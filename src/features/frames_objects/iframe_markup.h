#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>

class EditorBuffer;

// What the iFrame dialog holds; the defaults are the dialog's first state.
struct IFrameFields {
    UiLanguage language = UiLanguage::German;
    QString name = QStringLiteral("Inline Page");
    QString width = QStringLiteral("400");
    QString height = QStringLiteral("400");
    QString source = QStringLiteral("Seite.htm");
};

// The iframe element with its fallback paragraph, fields as typed.
QString iFrameElement(const IFrameFields& fields);

// Puts the element in front of the selection, whose text stays; nothing for an empty element.
void insertIFrame(EditorBuffer& editor, const QString& element);
