#include "features/find_replace/bookmark_actions.h"

#include "foundation/messages/captions.h"
#include "widgets/feature_context.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>

#include <algorithm>

using Sci = QsciScintillaBase;

BookmarkActions::BookmarkActions(FeatureContext& context) : QObject(&context), m_context(context) {
    createMenus();
    QsciScintilla* editor = m_context.editor();
    connect(editor, &QsciScintilla::marginClicked, this,
            [this](int, int line, Qt::KeyboardModifiers) { toggleBookmarkAt(line); });
    // New, every load and a rewrite of the whole text take bookmarks away without these
    // actions; none comes back that way, so only checked items need a look.
    connect(editor, &QsciScintilla::textChanged, this, [this] {
        if (std::any_of(m_setItems.begin(), m_setItems.end(),
                        [](QAction* a) { return a->isChecked(); }))
            refreshChecks();
    });
    for (QMenu* menu : {m_setMenu, m_gotoMenu})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshChecks(); });
    applyLanguage();
    connect(&m_context, &FeatureContext::languageChanged, this, [this] { applyLanguage(); });
}

void BookmarkActions::createMenus() {
    QMenu* popup = m_context.menus().editorPopup;
    // German captions are the built-in ones; the language switch rewrites them.
    m_setMenu = new QMenu(QStringLiteral("Lesezeichen setzen..."), popup);
    m_setMenu->setObjectName(QStringLiteral("setBookmarkMenu"));
    m_gotoMenu = new QMenu(QStringLiteral("Gehe zu Lesezeichen..."), popup);
    m_gotoMenu->setObjectName(QStringLiteral("gotoBookmarkMenu"));
    popup->addMenu(m_setMenu);
    popup->addMenu(m_gotoMenu);
    m_context.captionFromMessage(m_setMenu, 210);
    m_context.captionFromMessage(m_gotoMenu, 211);
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        QAction* set = m_setMenu->addAction(QString());
        set->setObjectName(QStringLiteral("setBookmark%1Item").arg(n));
        set->setCheckable(true);
        set->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+%1").arg(n)));
        connect(set, &QAction::triggered, this, [this, n] { setBookmark(n); });
        m_setItems << set;
        QAction* go = m_gotoMenu->addAction(QString());
        go->setObjectName(QStringLiteral("gotoBookmark%1Item").arg(n));
        go->setCheckable(true);
        go->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(n)));
        connect(go, &QAction::triggered, this, [this, n] { gotoBookmark(n); });
        m_gotoItems << go;
    }
    QAction* clear = popup->addAction(QStringLiteral("Lesezeichen löschen"));
    clear->setObjectName(QStringLiteral("clearBookmarksItem"));
    m_context.captionFromMessage(clear, 212);
    connect(clear, &QAction::triggered, this, [this] { clearAllBookmarks(); });
    // Bookmark keys work anywhere in the window, not only while the pop-up is open.
    m_context.window()->addActions(m_setItems);
    m_context.window()->addActions(m_gotoItems);
}

void BookmarkActions::applyLanguage() {
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        const QString caption = bookmarkItemCaption(m_context.messages(), n);
        m_setItems[n]->setText(caption);
        m_gotoItems[n]->setText(caption);
    }
}

void BookmarkActions::setBookmark(int number) {
    EditorBuffer& buffer = m_context.buffer();
    if (buffer.isEmpty())
        return;
    buffer.clearBookmark(number);
    buffer.setBookmark(number, buffer.caretLine() - 1);
    m_columns[number] = buffer.caretColumn();
    refreshChecks();
}

void BookmarkActions::gotoBookmark(int number) {
    const int line = m_context.buffer().bookmark(number);
    if (line < 0)
        return;
    // The column holds as far as the line, which may have become shorter, reaches.
    QsciScintilla* editor = m_context.editor();
    const long start = editor->SendScintilla(Sci::SCI_POSITIONFROMLINE, line);
    const long end = editor->SendScintilla(Sci::SCI_GETLINEENDPOSITION, line);
    long at = editor->SendScintilla(Sci::SCI_POSITIONRELATIVECODEUNITS, start,
                                    long(qMax(m_columns[number] - 1, 0)));
    if (at < start || at > end)
        at = end;
    editor->SendScintilla(Sci::SCI_GOTOPOS, at);
    editor->setFocus();
}

void BookmarkActions::clearAllBookmarks() {
    m_context.buffer().clearAllBookmarks();
    refreshChecks();
}

void BookmarkActions::toggleBookmarkAt(int line) {
    EditorBuffer& buffer = m_context.buffer();
    if (line < 0 || line >= buffer.lineCount())
        return;
    // A click in the gutter puts the caret on the clicked line, so a new bookmark marks the
    // line the user clicked rather than wherever the caret was.
    m_context.editor()->setCursorPosition(line, 0);
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        if (buffer.bookmark(n) == line) {
            buffer.clearBookmark(n);
            refreshChecks();
            return;
        }
    }
    // The free bookmark is read from the document itself: the check marks may not have been
    // refreshed since a load cleared them.
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        if (buffer.bookmark(n) < 0) {
            setBookmark(n);
            return;
        }
    }
}

void BookmarkActions::refreshChecks() {
    for (int n = 0; n < EditorBuffer::BookmarkCount; ++n) {
        const bool set = m_context.buffer().bookmark(n) >= 0;
        m_setItems[n]->setChecked(set);
        m_gotoItems[n]->setChecked(set);
    }
}
