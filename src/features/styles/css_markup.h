#pragma once

#include <QString>

#include <functional>

class EditorBuffer;

// The dialogs' trimming: every character up to U+0020 goes at both ends, nothing else.
QString trimBlanks(QStringView text);

// The texts of the CSS dialog, one per property as the user typed or chose it. The dialog keeps
// them from one use to the next; resetCssFieldsForOpening says what each opening resets.
struct CssFields {
    // The class or ID name, with or without its prefix.
    QString selector = QStringLiteral(".myClass");
    // A class ("." prefix); otherwise an ID ("#" prefix).
    bool isClass = true;
    QString position;
    QString top;
    QString left;
    QString width;
    QString padding;
    QString margin;
    QString borderWidth;
    QString borderColour;
    QString borderStyle;
    QString fontFamily = QStringLiteral("Arial,Helvetica");
    QString fontSize = QStringLiteral("12px");
    QString fontWeight;
    QString fontStyle;
    // The CSS "color" property.
    QString textColour;
    QString textDecoration;
    QString textAlign;
    // What goes inside "url(...)".
    QString backgroundImageUrl;
    QString backgroundRepeat;
    QString backgroundPosition;
    QString backgroundAttachment;
    QString backgroundColour;
    // Whether the five rules for the link states below are written.
    bool useLinkStyles = false;
    QString linkStyle = QStringLiteral("font-weight:bold; color:blue; text-decoration:underline;");
    QString visitedStyle =
        QStringLiteral("font-weight:bold; color:silver; text-decoration:underline;");
    QString focusStyle = QStringLiteral("font-weight:bold; color:red; text-decoration:underline;");
    QString hoverStyle = QStringLiteral("font-weight:bold; color:purple; text-decoration:none; ");
    QString activeStyle =
        QStringLiteral("font-weight:bold; color:black; text-decoration:underline;");
};

// The choices of the dialog's lists (every list also takes free text).
struct CssChoices {
    static const QStringList& position();
    static const QStringList& borderWidth();
    // Ends with an empty item.
    static const QStringList& borderStyle();
    static const QStringList& fontWeight();
    static const QStringList& fontStyle();
    static const QStringList& textDecoration();
    static const QStringList& textAlign();
    static const QStringList& backgroundRepeat();
    static const QStringList& backgroundPosition();
    static const QStringList& backgroundAttachment();
};

// What every opening resets: the three colour fields and the link-styles box. Everything
// else keeps what the user left in it.
void resetCssFieldsForOpening(CssFields& fields);

// OK: the STYLE element (block mode) or the bare property list (one-line mode). Writes the
// finished selector back into `selector` unless block mode skipped it.
QString composeStyle(CssFields& fields, bool oneLine);

// The style command after the dialog: puts "\r\n" + style + "\r\n" right before the first
// "</head>" in any letter case, else in front of the selection, which stays after it. A blank
// style changes nothing.
void insertStyleElement(EditorBuffer& editor, const QString& style);

// The style command: askForStyle opens the dialog in block mode and gives its style text.
void defineStyle(EditorBuffer& editor, const std::function<QString()>& askForStyle);
