#include "foundation/markup/doctype.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"

#include <QStringList>

namespace {

QString publicDeclaration(const char* root, const char* publicId, const char* separator,
                          const char* systemId) {
    return QStringLiteral("<!DOCTYPE %1 PUBLIC \"%2\"%3\"%4\">")
        .arg(QLatin1String(root), QLatin1String(publicId), QLatin1String(separator),
             QLatin1String(systemId));
}

const QString CrLf = QStringLiteral("\r\n");
const QString QuotedGenerator = QStringLiteral("<meta name=\"generator\" content=\"Hexlume\"");

bool isTagSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f';
}

struct GeneratorScan {
    // The first generator element: [start, end), whether its name value was quoted and
    // whether it ends in "/>".
    qsizetype start = -1;
    qsizetype end = -1;
    bool quotedName = false;
    bool closedEmpty = false;
    // A generator element that never ends: the page is left alone.
    bool unclosed = false;
    qsizetype headEnd = -1; // the first "</head>"
};

// Reads the attributes of the tag whose name ends at p; a ">" inside a quoted value ends
// nothing. Returns the index of the closing ">", -1 when the tag never ends.
qsizetype scanMetaTag(QStringView text, qsizetype p, bool& generator, bool& quotedName) {
    const qsizetype n = text.size();
    while (true) {
        while (p < n && (isTagSpace(text[p]) || text[p] == u'/'))
            ++p;
        if (p >= n)
            return -1;
        if (text[p] == u'>')
            return p;
        const qsizetype nameStart = p;
        while (p < n && !isTagSpace(text[p]) && text[p] != u'=' && text[p] != u'>' &&
               text[p] != u'/')
            ++p;
        const QStringView name = text.mid(nameStart, p - nameStart);
        qsizetype q = p;
        while (q < n && isTagSpace(text[q]))
            ++q;
        if (q >= n || text[q] != u'=')
            continue;
        p = q + 1;
        while (p < n && isTagSpace(text[p]))
            ++p;
        if (p >= n)
            return -1;
        QStringView value;
        bool quoted = false;
        if (text[p] == u'"' || text[p] == u'\'') {
            const qsizetype close = text.indexOf(text[p], p + 1);
            if (close < 0)
                return -1;
            value = text.mid(p + 1, close - p - 1);
            quoted = true;
            p = close + 1;
        } else {
            const qsizetype valueStart = p;
            while (p < n && !isTagSpace(text[p]) && text[p] != u'>')
                ++p;
            value = text.mid(valueStart, p - valueStart);
        }
        if (equalsIgnoreAsciiCase(name, u"name") &&
            equalsIgnoreAsciiCase(value.trimmed(), u"generator")) {
            generator = true;
            quotedName = quoted;
        }
    }
}

// One pass over the tags, comments skipped, so the stamp and a later stamp see the same
// elements.
GeneratorScan scanForGenerator(QStringView text) {
    GeneratorScan scan;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while ((i = text.indexOf(u'<', i)) >= 0) {
        if (text.mid(i).startsWith(u"<!--")) {
            const qsizetype close = text.indexOf(u"-->", i + 4);
            if (close < 0)
                break;
            i = close + 3;
            continue;
        }
        if (scan.headEnd < 0 && matchesIgnoreAsciiCaseAt(text, i, u"</head>"))
            scan.headEnd = i;
        if (!matchesIgnoreAsciiCaseAt(text, i, u"<meta") || i + 5 >= n ||
            !(isTagSpace(text[i + 5]) || text[i + 5] == u'/' || text[i + 5] == u'>')) {
            ++i;
            continue;
        }
        bool generator = false;
        bool quotedName = false;
        const qsizetype close = scanMetaTag(text, i + 5, generator, quotedName);
        if (close < 0) {
            scan.unclosed = generator;
            break;
        }
        if (generator) {
            scan.start = i;
            scan.end = close + 1;
            scan.quotedName = quotedName;
            scan.closedEmpty = close > i && text[close - 1] == u'/';
            return scan;
        }
        i = close + 1;
    }
    return scan;
}

QString classicPage(int code, const QString& charset) {
    const QStringList lines{
        isXhtmlDocType(code) ? xhtmlRootElement() : QStringLiteral("<html>"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta http-equiv=\"content-type\" content=\"text/html; charset=") +
            charset + QStringLiteral("\">"),
        QuotedGenerator + QLatin1Char('>'),
        QStringLiteral("<title>Untitled</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body background=\"background.jpg\" bgcolor=\"#FFFFFF\" "
                       "text=\"#000000\" link=\"#FF9966\" vlink=\"#FF9900\" alink=\"#800080\">"),
        QString(),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return docTypeDeclaration(code) + CrLf + lines.join(CrLf);
}

QString html5Page(UiLanguage language) {
    const QStringList lines{
        docTypeDeclaration(docTypeCode(2, 0)),
        language == UiLanguage::German ? QStringLiteral("<html lang=\"de\">")
                                       : QStringLiteral("<html lang=\"en\">"),
        QStringLiteral("<head>"),
        QStringLiteral("<meta charset=\"utf-8\">"),
        QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"),
        QuotedGenerator + QLatin1Char('>'),
        QStringLiteral("<title>Untitled</title>"),
        QStringLiteral("</head>"),
        QStringLiteral("<body>"),
        QString(),
        QStringLiteral("</body>"),
        QStringLiteral("</html>"),
    };
    return lines.join(CrLf);
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

NewPageCharset newPageCharset(const QString& setting) {
    const QString name = setting.trimmed();
    if (equalsIgnoreAsciiCase(name, u"ISO-8859-1") || equalsIgnoreAsciiCase(name, u"Windows-1252"))
        return {name, TextEncoding::Ansi};
    return {QStringLiteral("UTF-8"), TextEncoding::Utf8};
}

NewPage newPage(int code, const QString& charsetSetting, UiLanguage language) {
    // HTML 5 knows only UTF-8.
    if (isHtml5DocType(code))
        return {html5Page(language), TextEncoding::Utf8};
    const NewPageCharset charset = newPageCharset(charsetSetting);
    return {classicPage(code, charset.name), charset.encoding};
}

QString generatorElement() {
    return QStringLiteral("<meta name=GENERATOR content=Hexlume>");
}

void stampGeneratorElement(EditorBuffer& editor) {
    const QString text = editor.text();
    const GeneratorScan scan = scanForGenerator(text);
    if (scan.unclosed)
        return;
    if (scan.start >= 0) {
        const QString element = !scan.quotedName   ? generatorElement()
                                : scan.closedEmpty ? QuotedGenerator + QStringLiteral(" />")
                                                   : QuotedGenerator + QLatin1Char('>');
        if (QStringView(text).mid(scan.start, scan.end - scan.start) == element)
            return;
        editor.select(int(scan.start), int(scan.end));
        editor.setSelText(element);
        return;
    }
    if (scan.headEnd < 0)
        return;
    QString stamped;
    stamped.reserve(text.size() + generatorElement().size() + 2);
    stamped += QStringView(text).left(scan.headEnd);
    stamped += generatorElement();
    stamped += CrLf;
    stamped += QStringLiteral("</head>");
    stamped += QStringView(text).mid(scan.headEnd + 7);
    editor.setText(stamped);
}
