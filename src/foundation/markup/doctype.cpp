#include "foundation/markup/doctype.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"

namespace {

QString publicDeclaration(const char* root, const char* publicId, const char* separator,
                          const char* systemId) {
    return QStringLiteral("<!DOCTYPE %1 PUBLIC \"%2\"%3\"%4\">")
        .arg(QLatin1String(root), QLatin1String(publicId), QLatin1String(separator),
             QLatin1String(systemId));
}

} // namespace

QString docTypeDeclaration(int code) {
    switch (code) {
    case 1:
        return publicDeclaration("HTML", "-//W3C//DTD HTML 4.01 Transitional//EN", " ",
                                 "http://www.w3.org/TR/html4/loose.dtd");
    case 2:
        return publicDeclaration("HTML", "-//W3C//DTD HTML 4.01//EN", " ",
                                 "http://www.w3.org/TR/html4/strict.dtd");
    case 3:
        return publicDeclaration("HTML", "-//W3C//DTD HTML 4.01 Frameset//EN", " ",
                                 "http://www.w3.org/TR/html4/frameset.dtd");
    case 11:
        return publicDeclaration("html", "-//W3C//DTD XHTML 1.0 Transitional//EN", " ",
                                 "http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd");
    case 12:
        // Two blanks between the identifiers, as this declaration has always been written.
        return publicDeclaration("html", "-//W3C//DTD XHTML 1.0 Strict//EN", "  ",
                                 "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd");
    case 13:
        return publicDeclaration("html", "-//W3C//DTD XHTML 1.0 Frameset//EN", " ",
                                 "http://www.w3.org/TR/xhtml1/DTD/xhtml1-frameset.dtd");
    default:
        return QStringLiteral("<!DOCTYPE html>");
    }
}

QString xhtmlRootElement() {
    return QStringLiteral("<html xmlns=\"http://www.w3.org/1999/xhtml\">");
}

QString findDocType(QStringView text) {
    const qsizetype start = indexOfIgnoreAsciiCase(text, u"<!DOCTYPE");
    if (start < 0)
        return {};
    const qsizetype end = text.indexOf(QLatin1Char('>'), start);
    if (end < 0)
        return {};
    return text.mid(start, end - start + 1).toString();
}

QString generatorElement() {
    return QStringLiteral("<meta name=GENERATOR content=Hexlume>");
}

void stampGeneratorElement(EditorBuffer& editor) {
    const QString text = editor.text();
    const qsizetype found = indexOfIgnoreAsciiCase(text, u"<meta name=generator");
    if (found >= 0) {
        const qsizetype end = text.indexOf(QLatin1Char('>'), found);
        if (end < 0)
            return;
        editor.select(int(found), int(end + 1));
        editor.setSelText(generatorElement());
        return;
    }
    const qsizetype head = indexOfIgnoreAsciiCase(text, u"</head>");
    if (head < 0)
        return;
    QString stamped = text;
    stamped.replace(head, 7, generatorElement() + QStringLiteral("\r\n</head>"));
    editor.setText(stamped);
}
