#include "features/frames_objects/frames_markup.h"

#include "foundation/text/text_rules.h"

namespace {

const QString crLf = QStringLiteral("\r\n");

QString orDefault(const QString& value, const QString& fallback) {
    return isBlankText(value) ? fallback : value;
}

QString frameLine(const FrameFields& frame, const QString& name, const QString& border) {
    return QStringLiteral("<frame src=\"") + frame.source + QStringLiteral("\" name=\"") + name +
           QStringLiteral("\" scrolling=\"") + orDefault(frame.scrolling, QStringLiteral("auto")) +
           QStringLiteral("\" marginwidth=\"") + orDefault(frame.marginWidth, QStringLiteral("0")) +
           QStringLiteral("\" marginheight=\"") +
           orDefault(frame.marginHeight, QStringLiteral("0")) +
           QStringLiteral("\" frameborder=\"") + border + QStringLiteral("\" ") +
           (frame.noresize ? QStringLiteral("noresize") : QString()) + QStringLiteral(">") + crLf;
}

} // namespace

int frameCount(FrameLayout layout) {
    switch (layout) {
    case FrameLayout::Two:
        return 2;
    case FrameLayout::Three:
        return 3;
    case FrameLayout::Four:
        return 4;
    }
    return 2;
}

QString noFramesText(UiLanguage language) {
    return language == UiLanguage::German
               ? QStringLiteral(
                     "<p>Wird angezeigt, wenn der Browser keine Frames darstellen kann.</p>")
               : QStringLiteral("<p>Will be displayed if browser is unabled to handle frames.</p>");
}

QString framesetPage(const FramesFields& fields) {
    const QString border = fields.borders ? QStringLiteral("1") : QStringLiteral("0");
    auto frame = [&](int index, const char* name) {
        return frameLine(fields.frames[index], QLatin1String(name), border);
    };

    QString outer;
    QString body;
    switch (fields.layout) {
    case FrameLayout::Two:
        outer = QStringLiteral("cols=\"50%,50%\"");
        body = frame(0, "Left") + frame(1, "Right");
        break;
    case FrameLayout::Three:
        outer = QStringLiteral("rows=\"20%,80%\"");
        body = frame(0, "Top") + QStringLiteral("<frameset cols=\"30%,70%\">") + crLf +
               frame(1, "Left") + frame(2, "Right") + QStringLiteral("</frameset>") + crLf;
        break;
    case FrameLayout::Four:
        outer = QStringLiteral("rows=\"20%,60%,20%\"");
        body = frame(0, "Top") + QStringLiteral("<frameset cols=\"40%,60%\">") + crLf +
               frame(1, "Left") + frame(2, "Right") + QStringLiteral("</frameset>") + crLf +
               frame(3, "Bottom");
        break;
    }

    return QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Frameset//EN\" "
                          "\"http://www.w3.org/TR/html4/frameset.dtd\">") +
           crLf + QStringLiteral("<html>") + crLf + QStringLiteral("<head>") + crLf +
           QStringLiteral("<title>Frame page</title>") + crLf + QStringLiteral("</head>") + crLf +
           QStringLiteral("<frameset ") + outer + QStringLiteral(" frameborder=\"") + border +
           QStringLiteral("\" framespacing=\"") + border + QStringLiteral("\" border=\"") + border +
           QStringLiteral("\">") + crLf + body + QStringLiteral("<noframes>") + crLf +
           QStringLiteral("<body>") + crLf + noFramesText(fields.language) + crLf +
           QStringLiteral("</body>") + crLf + QStringLiteral("</noframes>") + crLf +
           QStringLiteral("</frameset></html>");
}

QString sourceFieldText(const QString& chosenPath) {
    const qsizetype slash = chosenPath.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? chosenPath : chosenPath.mid(slash + 1);
}
