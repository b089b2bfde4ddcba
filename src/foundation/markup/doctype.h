#pragma once

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

// The declaration text for a code; every code without an entry of its own gives HTML 5's.
QString docTypeDeclaration(int code);
// The XHTML root element with its namespace.
QString xhtmlRootElement();
// The declaration the text carries, from "<!DOCTYPE" (any case) to the next ">", in the
// text's own letter case; empty when there is none or it is not closed.
QString findDocType(QStringView text);

// The generator element the program writes into every page it saves.
QString generatorElement();
// Puts the generator element into the head: replaces an unquoted one, else goes before the
// first "</head>"; a page without a head gets none.
void stampGeneratorElement(EditorBuffer& editor);
