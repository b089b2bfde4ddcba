#pragma once

#include "foundation/document/document_file.h"
#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringView>

class EditorBuffer;

// Document type codes: specification index + 10 x document index + 1, 0 when cancelled.
// Document index: 0 HTML 4, 1 XHTML, 2 HTML 5; specification: 0 Transitional, 1 Strict,
// 2 Frameset.
constexpr int docTypeCode(int documentIndex, int specificationIndex) {
    return specificationIndex + 10 * documentIndex + 1;
}
constexpr bool isXhtmlDocType(int code) {
    return code > 9 && code < 20;
}
// HTML 4 and XHTML pages keep their classic skeleton; every other code is an HTML 5 page.
constexpr bool isHtml5DocType(int code) {
    return !(code >= 1 && code <= 3) && !isXhtmlDocType(code);
}

// The declaration text for a code; every code without an entry of its own gives HTML 5's.
QString docTypeDeclaration(int code);
// The XHTML root element with its namespace.
QString xhtmlRootElement();
// The declaration the text carries, from "<!DOCTYPE" (any case) to the next ">", in the
// text's own letter case; empty when there is none or it is not closed.
QString findDocType(QStringView text);

// The charset a new page declares and the encoding Save then writes it in; the two agree.
struct NewPageCharset {
    QString name;
    TextEncoding encoding = TextEncoding::Utf8;
};
// From the charset setting: blank is UTF-8; ISO-8859-1 and Windows-1252 are written in the
// Windows-1252 code page, which holds ISO-8859-1's printable characters at the same bytes; a
// charset the editor cannot write falls back to UTF-8, so the page never declares one it is
// not written in.
NewPageCharset newPageCharset(const QString& setting);

struct NewPage {
    QString text; // lines joined by CR LF
    TextEncoding encoding = TextEncoding::Utf8;
};
// The page New puts into the editor for a chosen type. HTML 4 and XHTML: the classic skeleton
// with the charset setting; HTML 5: a clean skeleton in UTF-8 whose lang is the UI language.
NewPage newPage(int code, const QString& charsetSetting, UiLanguage language);

// The generator element the program writes into a page that has none.
QString generatorElement();
// Puts the generator element into the head. The first generator element outside comments,
// with its name quoted or not and its attributes in any order and case, is updated where it
// stands: one with an unquoted name becomes generatorElement(), a quoted one keeps the quoted
// form (and its " />"). A page without one gets generatorElement() before its first
// "</head>"; a page without a head gets none. Stamping twice gives what stamping once gives.
void stampGeneratorElement(EditorBuffer& editor);
