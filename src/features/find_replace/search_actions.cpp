#include "features/find_replace/search_actions.h"

#include "editor/editor_setup.h"
#include "features/find_replace/bookmark_actions.h"
#include "features/find_replace/find_dialog.h"
#include "features/find_replace/goto_line.h"
#include "features/find_replace/replace_dialog.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
#include "widgets/feature_context.h"
#include "widgets/work_progress.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QIcon>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Replace all says how much it changed: a text may hold more matches than are in sight.
const UiText ReplacedCount{"Ersetzt: %1", "Replaced: %1"};
// Status panel 2 after the toggle, the same in both languages.
const QString WordWrapOn = QStringLiteral("WW=on");
const QString WordWrapOff = QStringLiteral("WW=off");
// Shown for a while over the status panels when a document too large to wrap opened with word
// wrap off.
const UiText WordWrapHeld{
    "Großes Dokument: Zeilenbegrenzung aus, sie lässt sich wieder einschalten",
    "Large document: word wrap is off and can be switched on again"};
constexpr int WordWrapHeldShownMs = 10000;
constexpr int FindHintLine = 85;
constexpr int WordWrapHintLine = 64;

QIcon wrapIcon(bool on) {
    return QIcon(on ? QStringLiteral(":/icons/hx-search-wrap-on.svg")
                    : QStringLiteral(":/icons/hx-search-wrap-off.svg"));
}

} // namespace

SearchActions::SearchActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_find(new FindDialog(m_context.window())),
      m_replace(new ReplaceDialog(m_context.window())) {
    const FeatureMenus& a = m_context.menus();
    // German captions are the built-in ones; the language switch rewrites them.
    a.edit->addSeparator();
    connect(menuItem("findItem", QStringLiteral("Suchen..."), "Ctrl+F", 147), &QAction::triggered,
            this, [this] { showFindDialog(); });
    connect(menuItem("findNextItem", QStringLiteral("Weitersuchen"), "F3", 148),
            &QAction::triggered, this, [this] { findNext(); });
    connect(menuItem("replaceItem", QStringLiteral("Ersetzen..."), "Ctrl+R", 149),
            &QAction::triggered, this, [this] { showReplaceDialog(); });
    connect(menuItem("goToLineItem", QStringLiteral("Gehe zu Zeile..."), "Ctrl+G", 151),
            &QAction::triggered, this, [this] { goToLine(); });

    connect(popupItem("findPopupItem", QStringLiteral("Suchen"), 203), &QAction::triggered, this,
            [this] { showFindDialog(); });
    connect(popupItem("findNextPopupItem", QStringLiteral("Weitersuchen"), 204),
            &QAction::triggered, this, [this] { findNext(); });
    connect(popupItem("replacePopupItem", QStringLiteral("Ersetzen"), 205), &QAction::triggered,
            this, [this] { showReplaceDialog(); });
    a.editorPopup->addSeparator();
    // The bookmark items follow the search items in the pop-up.
    m_bookmarks = new BookmarkActions(m_context);

    a.tableBar->addSeparator();
    m_findButton =
        a.tableBar->addAction(QIcon::fromTheme(QStringLiteral("edit-find"),
                                               QIcon(QStringLiteral(":/icons/hx-search-find.svg"))),
                              QString());
    m_findButton->setObjectName(QStringLiteral("findButton"));
    m_context.hintFromMessage(m_findButton, FindHintLine);
    connect(m_findButton, &QAction::triggered, this, [this] { showFindDialog(); });

    // The toggle stands with the editing buttons of the standard bar, after undo.
    m_wrapButton = new QAction(wrapIcon(true), QString(), a.standardBar);
    m_wrapButton->setObjectName(QStringLiteral("wordWrapButton"));
    const QList<QAction*> standard = a.standardBar->actions();
    const qsizetype undo = standard.indexOf(a.undoButton);
    a.standardBar->insertAction(standard.value(undo + 1), m_wrapButton);
    m_context.hintFromMessage(m_wrapButton, WordWrapHintLine);
    connect(m_wrapButton, &QAction::triggered, this, [this] { toggleWordWrap(); });
    connect(&m_context, &FeatureContext::wordWrapHeld, this, [this](bool held) {
        m_context.showWordWrapState(held ? WordWrapOff : WordWrapOn);
        m_wrapButton->setIcon(wrapIcon(!held));
        if (auto* window = qobject_cast<QMainWindow*>(m_context.window()); window && held)
            window->statusBar()->showMessage(WordWrapHeld.in(m_context.uiLanguage()),
                                             WordWrapHeldShownMs);
    });

    connect(m_find, &FindDialog::findNext, this,
            [this] { m_search.find(m_context.commandContext(), m_find->fields()); });
    connect(m_replace, &ReplaceDialog::findNext, this,
            [this] { m_search.findForReplace(m_context.commandContext(), m_replace->fields()); });
    connect(m_replace, &ReplaceDialog::replace, this,
            [this] { DocumentSearch::replaceSelection(m_context.buffer(), m_replace->fields()); });
    connect(m_replace, &ReplaceDialog::replaceAll, this, [this] {
        qsizetype replaced = 0;
        {
            WorkProgress progress(m_context);
            replaced = DocumentSearch::replaceAll(m_context.buffer(), m_replace->fields());
        }
        if (replaced > 0)
            m_bookmarks->refreshChecks();
        m_context.prompter().information(ReplacedCount.in(m_context.uiLanguage()).arg(replaced));
    });

    applyLanguage();
    connect(&m_context, &FeatureContext::languageChanged, this, [this] { applyLanguage(); });
}

QAction* SearchActions::menuItem(const char* name, const QString& caption, const char* shortcut,
                                 int captionLine) {
    QAction* action = m_context.menus().edit->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    m_context.captionFromMessage(action, captionLine);
    return action;
}

QAction* SearchActions::popupItem(const char* name, const QString& caption, int captionLine) {
    QAction* action = m_context.menus().editorPopup->addAction(caption);
    action->setObjectName(QLatin1String(name));
    m_context.captionFromMessage(action, captionLine);
    return action;
}

void SearchActions::applyLanguage() {
    m_find->setLanguage(m_context.uiLanguage());
    m_replace->setLanguage(m_context.uiLanguage());
}

void SearchActions::showModeless(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void SearchActions::showFindDialog() {
    DocumentSearch::beginFind(m_context.buffer());
    m_find->setLanguage(m_context.uiLanguage());
    showModeless(m_find);
}

void SearchActions::findNext() {
    if (m_search.findNext(m_context.commandContext()) == SearchOutcome::Found)
        m_context.editor()->setFocus();
}

void SearchActions::showReplaceDialog() {
    DocumentSearch::beginReplace(m_context.buffer());
    m_replace->clearTexts();
    m_replace->setLanguage(m_context.uiLanguage());
    showModeless(m_replace);
}

void SearchActions::goToLine() {
    const QString answer = QInputDialog::getText(
        m_context.window(), QLatin1String(goto_line::Title),
        m_context.messages().message(goto_line::PromptLine), QLineEdit::Normal, QString());
    const std::optional<int> line = gotoLineTarget(answer, m_context.buffer().lineCount());
    if (!line) {
        m_context.prompter().message(m_context.messages().message(goto_line::InvalidLine));
        return;
    }
    gotoLineAndCenter(*line);
}

void SearchActions::gotoLineAndCenter(int line) {
    QsciScintilla* editor = m_context.editor();
    editor->setCursorPosition(line, 0);
    const long visible = editor->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line);
    const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                          qMax(0L, visible - onScreen / 2));
    editor->setFocus();
}

void SearchActions::toggleWordWrap() {
    QsciScintilla* editor = m_context.editor();
    const bool on = !wordWrap(editor);
    setWordWrap(editor, on);
    m_context.showWordWrapState(on ? WordWrapOn : WordWrapOff);
    m_wrapButton->setIcon(wrapIcon(on));
}
