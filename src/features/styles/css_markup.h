#pragma once

#include <QString>

#include <functional>

class EditorBuffer;

// The dialogs' trimming: every character up to U+0020 goes at both ends, nothing else.
QString TrimBlanks(QStringView text);

// The texts of the CSS dialog (TFormCss), named as its controls. The dialog keeps them from
// one use to the next; CssDialogOpening says what each opening resets.
struct CssFields {
    // Selector.
    QString EditClass = QStringLiteral(".myClass");
    // Class chosen ("." prefix); otherwise ID ("#" prefix).
    bool RadioButton1 = true;
    // Misc/Position.
    QString ComboBoxPosition;
    QString EditTop;
    QString EditLeft;
    QString EditWidth;
    QString EditPadding;
    QString EditMargin;
    // Border.
    QString EditBorder;
    QString EditBColor;
    QString ComboBStyle;
    // Font.
    QString EditFont = QStringLiteral("Arial,Helvetica");
    QString EditFontSize = QStringLiteral("12px");
    QString ComboBoxWeight;
    QString ComboBoxStyle;
    QString EditFColor;
    QString ComboBox1; // text-decoration
    QString ComboBox2; // text-align
    // Background.
    QString EditBackUrl;
    QString ComboRepeat;
    QString ComboPosition;
    QString ComboAttach;
    QString EditBgColor;
    // Links.
    bool CheckBox1 = false;
    QString Edit1 = QStringLiteral("font-weight:bold; color:blue; text-decoration:underline;");
    QString Edit2 = QStringLiteral("font-weight:bold; color:silver; text-decoration:underline;");
    QString Edit3 = QStringLiteral("font-weight:bold; color:red; text-decoration:underline;");
    QString Edit4 = QStringLiteral("font-weight:bold; color:purple; text-decoration:none; ");
    QString Edit5 = QStringLiteral("font-weight:bold; color:black; text-decoration:underline;");
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
void CssDialogOpening(CssFields& fields);

// OK: the STYLE element (block mode) or the bare property list (one-line mode). Writes the
// finished selector back into the class field unless block mode skipped it.
QString CssDialogOk(CssFields& fields, bool oneLine);

// Font2Click after the dialog: puts "\r\n" + style + "\r\n" right before the first "</head>"
// in any letter case, else in front of the selection, which stays after it. A blank style
// changes nothing.
void InsertStyleElement(EditorBuffer& editor, const QString& myStyle);

// The style command: runDialog opens the dialog in block mode and gives its MyStyle.
void Font2Click(EditorBuffer& editor, const std::function<QString()>& runDialog);
