#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringView>

#include <functional>

class EditorBuffer;

// TFormDIV's Typ.
enum DivType { DivTyp = 0, SpanTyp = 1 };

// The texts of the DIV/SPAN dialog, named as its controls. Every opening and every closing
// resets them.
struct DivFields {
    QString Edit1;     // class
    QString Edit2;     // ID
    QString Edit3;     // style
    QString ComboBox1; // text-align
};

struct DivResult {
    QString HtmlCode;
    QString HTMClose;
};

// "<DIV>" or "<SPAN>", what the dialog shows as its tag name.
QString DivTagName(int typ);
// The style text each opening puts into the style field.
QString DivDefaultStyle(int typ);
// The closing literal the DIV and SPAN commands write after the selection.
QString DivClosingLiteral(int typ);

// Opening: the fields cleared, the type's default style in the style field.
DivFields DivDialogOpening(int typ);

// The first "#" and then the first "." go, after trimming, as the dialog does with what the
// user typed for an ID or a class.
QString CleanDivName(QStringView name);

// OK: the opening tag from the trimmed and cleaned fields, and the closing tag. Writes the
// cleaned class and ID back into their fields.
DivResult DivDialogOk(DivFields& fields, int typ);

enum class DivLookup { Id, Class };

// The look-up buttons: with a name, the first rule "#id" or ".class" in the document (exact
// letter case) up to its "}"; without one, every style block in document order, each followed
// by a line break. Empty when nothing is found.
QString DivLookupResult(QStringView documentText, DivLookup kind, QStringView fieldText);
QString FindStyleRule(QStringView documentText, QStringView key);
QString CollectStyleBlocks(QStringView documentText);

// Shown when a look-up finds nothing; German for 0, English otherwise.
QString DivLookupMessage(UiLanguage sprache);

// Div1Click and Span1Click after the dialog: htmlCode + selection + the closing literal. A
// blank htmlCode (Cancel) changes nothing; a selection of blanks is wrapped like any other.
void WrapInDivOrSpan(EditorBuffer& editor, int typ, const QString& htmlCode);
void DivSpanCommand(EditorBuffer& editor, int typ,
                    const std::function<QString(int typ)>& runDialog);
