#include "editor/editor_setup.h"

#include "editor/scintilla_buffer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFont>
#include <Qsci/qsciscintilla.h>

namespace {

// The control's own accessibility bridge counts the characters from the start of the document
// at every change and caret move, which makes typing at the end of a large document slow.
// Without an assistive technology listening, the editor gets a plain widget's interface; with
// one, the control's own answers.
QAccessibleInterface* plainEditorAccessible(const QString& className, QObject* object) {
    if (className != QLatin1String("QsciScintillaBase") || !object || !object->isWidgetType() ||
        QAccessible::isActive())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::EditableText);
}

void preferPlainAccessible(QsciScintilla* editor) {
    // Asked before the control's factory, which the first control installed.
    static const bool installed = [] {
        QAccessible::installFactory(plainEditorAccessible);
        return true;
    }();
    Q_UNUSED(installed);
    if (QAccessible::isActive())
        return;
    // The control's interface may already stand from its construction.
    if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(editor);
        made && made->textInterface())
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
}

constexpr int NumberMargin = 0;
constexpr int BookmarkMargin = 1;
constexpr int FoldMargin = 2;

int bookmarkMask() {
    int mask = 0;
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i)
        mask |= 1 << ScintillaBuffer::bookmarkMarker(i);
    return mask;
}

void defineBookmarkMarkers(QsciScintilla* editor) {
    for (int i = 0; i < EditorBuffer::BookmarkCount; ++i) {
        const int marker = ScintillaBuffer::bookmarkMarker(i);
        // The digit itself marks the line, so two bookmarks on a line stay told apart.
        editor->markerDefine(char('0' + i), marker);
        editor->setMarkerForegroundColor(Qt::white, marker);
        editor->setMarkerBackgroundColor(QColor(0, 0, 128), marker);
    }
}

} // namespace

QFont editorFont(int points) {
    QFont font(QStringLiteral("Courier New"), points);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

void applyGutterFont(QsciScintilla* editor) {
    editor->setMarginsFont(editorFont(editor_setup::GutterFontPoints));
}

void setupEditor(QsciScintilla* editor) {
    preferPlainAccessible(editor);
    editor->setUtf8(true);
    editor->setEolMode(QsciScintilla::EolWindows);
    editor->setFont(editorFont(editor_setup::FontPoints));
    applyGutterFont(editor);

    editor->setTabWidth(editor_setup::TabWidth);
    editor->setIndentationsUseTabs(false);
    editor->setTabIndents(true);
    editor->setBackspaceUnindents(true);
    editor->setAutoIndent(true);
    editor->setBraceMatching(QsciScintilla::SloppyBraceMatch);
    editor->SendScintilla(QsciScintillaBase::SCI_SETENDATLASTLINE, 0UL);
    editor->SendScintilla(QsciScintillaBase::SCI_SETPASTECONVERTENDINGS, 1UL);
    // Measuring text is most of the cost of wrapping and painting: the layouts of the lines
    // on screen are kept between paints, and the widths of many more short runs of markup,
    // which repeat throughout a page.
    editor->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                          long(QsciScintillaBase::SC_CACHE_PAGE));
    editor->SendScintilla(QsciScintillaBase::SCI_SETPOSITIONCACHE, 4096UL);
    setWordWrap(editor, true);

    editor->setMarginType(NumberMargin, QsciScintilla::NumberMargin);
    editor->setMarginType(BookmarkMargin, QsciScintilla::SymbolMargin);
    editor->setMarginMarkerMask(NumberMargin, 0);
    editor->setMarginMarkerMask(BookmarkMargin, bookmarkMask());
    editor->setMarginWidth(FoldMargin, 0);
    defineBookmarkMarkers(editor);
    setLineNumbers(editor, false);
}

void setLineNumbers(QsciScintilla* editor, bool on) {
    using namespace editor_setup;
    const int numbers = on ? GutterWidthWithNumbers - BookmarkStripWidth : 0;
    const int strip = on ? BookmarkStripWidth : GutterWidthWithoutNumbers;
    editor->setMarginLineNumbers(NumberMargin, on);
    editor->setMarginWidth(NumberMargin, numbers);
    editor->setMarginWidth(BookmarkMargin, strip);
    editor->setMarginSensitivity(NumberMargin, true);
    editor->setMarginSensitivity(BookmarkMargin, true);
}

void setRightEdge(QsciScintilla* editor, int column) {
    editor->setEdgeMode(QsciScintilla::EdgeLine);
    editor->setEdgeColumn(column);
}

void setWordWrap(QsciScintilla* editor, bool on) {
    editor->setWrapMode(on ? QsciScintilla::WrapWord : QsciScintilla::WrapNone);
    // The wrapper keeps a layout for every line of a wrapped document, and the control walks
    // all of them at each styled stretch: most of the time the first look at the end of a
    // large document took. The lines on screen are enough.
    editor->SendScintilla(QsciScintillaBase::SCI_SETLAYOUTCACHE,
                          long(QsciScintillaBase::SC_CACHE_PAGE));
}

bool wordWrap(const QsciScintilla* editor) {
    return editor->wrapMode() != QsciScintilla::WrapNone;
}
