#include "features/frames_objects/iframe_markup.h"

#include "foundation/document/editor_buffer.h"

QString MakeFrame(const IFrameFields& f) {
    const QString nl = QStringLiteral("\r\n");
    // The fallback is English in both languages: it is read by the page's visitors.
    return QStringLiteral("<iframe src=\"") + f.EditSource + QStringLiteral("\" width=\"") +
           f.EditBreite + QStringLiteral("\" height=\"") + f.EditHohe +
           QStringLiteral("\" name=\"") + f.EditName + QStringLiteral("\">") + nl +
           QStringLiteral("<p>Your browser is unable to display inline frames:") + nl +
           QStringLiteral("Use a simple link instead:<a href=\"") + f.EditSource +
           QStringLiteral("\">") + f.EditName + QStringLiteral("</a></p>") + nl +
           QStringLiteral("</iframe>") + nl;
}

void InsertIFrame(EditorBuffer& editor, const QString& iFrameSource) {
    if (iFrameSource.isEmpty())
        return;
    editor.setSelText(iFrameSource + editor.selText());
}
