#include "app/search_controller.h"

#include "app/bookmark_controller.h"
#include "app/find_dialog.h"
#include "app/goto_line.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/prompter.h"
#include "app/replace_dialog.h"
#include "app/status_panels.h"
#include "editor/editor_buffer.h"
#include "editor/editor_setup.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QIcon>
#include <QInputDialog>
#include <QMenu>
#include <QToolBar>

namespace {

// Status panel 2 after the toggle, the same in both languages.
const QString WordWrapOn = QStringLiteral("WW=on");
const QString WordWrapOff = QStringLiteral("WW=off");
constexpr int FindHintLine = 85;
constexpr int WordWrapHintLine = 64;

QIcon wrapIcon(bool on) {
    return QIcon(on ? QStringLiteral(":/icons/hx-search-wrap-on.svg")
                    : QStringLiteral(":/icons/hx-search-wrap-off.svg"));
}

void setHint(QAction* action, const QString& text) {
    action->setText(text);
    action->setToolTip(text);
    action->setStatusTip(text);
}

} // namespace

SearchController::SearchController(TMainForm& window)
    : QObject(&window), m_window(window), m_find(new FindDialog(&window)),
      m_replace(new ReplaceDialog(&window)), m_bookmarks(new BookmarkController(window)) {
    MainActions& a = window.actions();
    // German captions are the built-in ones; the language switch rewrites them.
    a.editMenu->addSeparator();
    connect(menuItem("Find1", QStringLiteral("Suchen..."), "Ctrl+F"), &QAction::triggered, this,
            [this] { Find1Click(); });
    connect(menuItem("Findnext1", QStringLiteral("Weitersuchen"), "F3"), &QAction::triggered, this,
            [this] { Findnext1Click(); });
    connect(menuItem("Replace1", QStringLiteral("Ersetzen..."), "Ctrl+R"), &QAction::triggered,
            this, [this] { Replace1Click(); });
    connect(menuItem("GoToLine1", QStringLiteral("Gehe zu Zeile..."), "Ctrl+G"),
            &QAction::triggered, this, [this] { GoToLine1Click(); });

    connect(popupItem("Suchen1", QStringLiteral("Suchen")), &QAction::triggered, this,
            [this] { Find1Click(); });
    connect(popupItem("Weitersuchen1", QStringLiteral("Weitersuchen")), &QAction::triggered, this,
            [this] { Findnext1Click(); });
    connect(popupItem("Ersetzen1", QStringLiteral("Ersetzen")), &QAction::triggered, this,
            [this] { Replace1Click(); });
    a.popup->insertSeparator(a.setBookmarkMenu->menuAction());

    a.toolBar2->addSeparator();
    m_findButton =
        a.toolBar2->addAction(QIcon::fromTheme(QStringLiteral("edit-find"),
                                               QIcon(QStringLiteral(":/icons/hx-search-find.svg"))),
                              QString());
    m_findButton->setObjectName(QStringLiteral("ToolButtonFind"));
    connect(m_findButton, &QAction::triggered, this, [this] { Find1Click(); });

    // The toggle stands with the editing buttons of the standard bar, after undo.
    m_wrapButton = new QAction(wrapIcon(true), QString(), a.toolBar1);
    m_wrapButton->setObjectName(QStringLiteral("ToolButton3"));
    const QList<QAction*> standard = a.toolBar1->actions();
    const qsizetype undo = standard.indexOf(a.undoButton);
    a.toolBar1->insertAction(standard.value(undo + 1), m_wrapButton);
    connect(m_wrapButton, &QAction::triggered, this, [this] { ToolButton3Click(); });

    connect(m_find, &FindDialog::findNext, this,
            [this] { m_search.FindDialog1Find(m_window.commandContext(), m_find->fields()); });
    connect(m_replace, &ReplaceDialog::findNext, this, [this] {
        m_search.ReplaceDialog1Find(m_window.commandContext(), m_replace->fields());
    });
    connect(m_replace, &ReplaceDialog::replace, this,
            [this] { DocumentSearch::ReplaceSelection(m_window.buffer(), m_replace->fields()); });
    connect(m_replace, &ReplaceDialog::replaceAll, this, [this] {
        if (DocumentSearch::ReplaceAll(m_window.buffer(), m_replace->fields()) > 0)
            m_bookmarks->refreshChecks();
    });

    applyLanguage();
    connect(&m_window, &TMainForm::languageApplied, this, [this] { applyLanguage(); });
}

QAction* SearchController::menuItem(const char* name, const QString& caption,
                                    const char* shortcut) {
    QAction* action = m_window.actions().editMenu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(QLatin1String(shortcut)));
    return action;
}

QAction* SearchController::popupItem(const char* name, const QString& caption) {
    MainActions& a = m_window.actions();
    auto* action = new QAction(caption, a.popup);
    action->setObjectName(QLatin1String(name));
    a.popup->insertAction(a.setBookmarkMenu->menuAction(), action);
    return action;
}

void SearchController::applyLanguage() {
    // The language switch rewrites these hints as well; this gives them before the first one.
    setHint(m_findButton, m_window.messages().message(FindHintLine));
    setHint(m_wrapButton, m_window.messages().message(WordWrapHintLine));
    m_find->setLanguage(m_window.uiLanguage());
    m_replace->setLanguage(m_window.uiLanguage());
}

void SearchController::showModeless(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void SearchController::Find1Click() {
    DocumentSearch::Find1Click(m_window.buffer());
    m_find->setLanguage(m_window.uiLanguage());
    showModeless(m_find);
}

void SearchController::Findnext1Click() {
    if (m_search.Findnext1Click(m_window.commandContext()) == SearchOutcome::Found)
        m_window.SynMemo1()->setFocus();
}

void SearchController::Replace1Click() {
    DocumentSearch::Replace1Click(m_window.buffer());
    m_replace->clearTexts();
    m_replace->setLanguage(m_window.uiLanguage());
    showModeless(m_replace);
}

void SearchController::GoToLine1Click() {
    const QString answer = QInputDialog::getText(&m_window, QLatin1String(goto_line::Title),
                                                 m_window.messages().message(goto_line::PromptLine),
                                                 QLineEdit::Normal, QString());
    const std::optional<int> line = GotoLineTarget(answer, m_window.buffer().lineCount());
    if (!line) {
        m_window.prompter().message(m_window.messages().message(goto_line::InvalidLine));
        return;
    }
    gotoLineAndCenter(*line);
}

void SearchController::gotoLineAndCenter(int line) {
    QsciScintilla* editor = m_window.SynMemo1();
    editor->setCursorPosition(line, 0);
    const long visible = editor->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line);
    const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    editor->SendScintilla(QsciScintillaBase::SCI_SETFIRSTVISIBLELINE,
                          qMax(0L, visible - onScreen / 2));
    editor->setFocus();
}

void SearchController::ToolButton3Click() {
    QsciScintilla* editor = m_window.SynMemo1();
    const bool on = !wordWrap(editor);
    setWordWrap(editor, on);
    m_window.statusPanels().setWordWrap(on ? WordWrapOn : WordWrapOff);
    m_wrapButton->setIcon(wrapIcon(on));
}
