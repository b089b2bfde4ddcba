#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringView>

#include <functional>

class EditorBuffer;

// Which element the DIV/SPAN dialog and its commands write.
enum class DivSpanTag { Div, Span };

// The texts of the DIV/SPAN dialog. Every opening and every closing resets them.
struct DivFields {
    QString cssClass;
    QString id;
    QString style;
    QString textAlign;
};

struct DivSpanTags {
    QString openingTag;
    QString closingTag;
};

// "<DIV>" or "<SPAN>", what the dialog shows as its tag name.
QString divSpanCaption(DivSpanTag tag);
// The style text each opening puts into the style field.
QString divSpanDefaultStyle(DivSpanTag tag);
// The closing tag the DIV and SPAN commands write after the selection.
QString divSpanClosingTag(DivSpanTag tag);

// Opening: the fields cleared, the element's default style in the style field.
DivFields divFieldsForOpening(DivSpanTag tag);

// The first "#" and then the first "." go, after trimming, as the dialog does with what the
// user typed for an ID or a class.
QString cleanSelectorName(QStringView name);

// OK: the opening tag from the trimmed and cleaned fields, and the closing tag. Writes the
// cleaned class and ID back into their fields.
DivSpanTags composeDivSpanTags(DivFields& fields, DivSpanTag tag);

enum class SelectorKind { Id, Class };

// The look-up buttons: with a name, the first rule "#id" or ".class" in the document (exact
// letter case) up to its "}"; without one, every style block in document order, each followed
// by a line break. Empty when nothing is found.
QString lookUpStyle(QStringView documentText, SelectorKind kind, QStringView fieldText);
QString findStyleRule(QStringView documentText, QStringView key);
QString collectStyleBlocks(QStringView documentText);

// Shown when a look-up finds nothing.
QString styleNotFoundMessage(UiLanguage language);

// The DIV and SPAN commands after the dialog: openingTag + selection + the closing tag. A
// blank openingTag (Cancel) changes nothing; a selection of blanks is wrapped like any other.
void wrapSelection(EditorBuffer& editor, DivSpanTag tag, const QString& openingTag);
// The DIV and SPAN commands: askForOpeningTag opens the dialog for the element.
void wrapSelectionInDivOrSpan(EditorBuffer& editor, DivSpanTag tag,
                              const std::function<QString(DivSpanTag tag)>& askForOpeningTag);
