#include "features/frames_objects/iframe_markup.h"

#include "foundation/document/editor_buffer.h"

QString iFrameElement(const IFrameFields& f) {
    const QString crLf = QStringLiteral("\r\n");
    // The fallback is English in both languages: it is read by the page's visitors.
    return QStringLiteral("<iframe src=\"") + f.source + QStringLiteral("\" width=\"") + f.width +
           QStringLiteral("\" height=\"") + f.height + QStringLiteral("\" name=\"") + f.name +
           QStringLiteral("\">") + crLf +
           QStringLiteral("<p>Your browser is unable to display inline frames:") + crLf +
           QStringLiteral("Use a simple link instead:<a href=\"") + f.source +
           QStringLiteral("\">") + f.name + QStringLiteral("</a></p>") + crLf +
           QStringLiteral("</iframe>") + crLf;
}

void insertIFrame(EditorBuffer& editor, const QString& element) {
    if (element.isEmpty())
        return;
    editor.setSelText(element + editor.selText());
}
