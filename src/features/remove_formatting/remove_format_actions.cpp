#include "features/remove_formatting/remove_format_actions.h"

#include "features/remove_formatting/remove_format.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QMenu>
#include <QToolBar>

RemoveFormatActions::RemoveFormatActions(FeatureContext& context)
    : QObject(&context), m_context(context) {
    // The caption is the built-in German one until the first language switch.
    const FeatureMenus& a = m_context.menus();
    QAction* item = a.html->addAction(QStringLiteral("Schriftformatierung entfernen"));
    item->setObjectName(QStringLiteral("removeFormattingItem"));
    m_context.captionFromMessage(item, 164);
    connect(item, &QAction::triggered, this, [this] { removeFormatting(); });

    QAction* button =
        a.insertBar->addAction(themedIcon(QStringLiteral("hx-remove-format")), QString());
    button->setObjectName(QStringLiteral("removeFormattingButton"));
    m_context.hintFromMessage(button, 95);
    connect(button, &QAction::triggered, this, [this] { removeFormatting(); });
}

void RemoveFormatActions::removeFormatting() {
    const int line = removeFormattingAtCaret(m_context.buffer());
    if (line >= 0)
        centreLine(line);
}

void RemoveFormatActions::centreLine(int line) {
    QsciScintilla* editor = m_context.editor();
    editor->SendScintilla(QsciScintillaBase::SCI_ENSUREVISIBLE, line);
    const long shown = editor->SendScintilla(QsciScintillaBase::SCI_VISIBLEFROMDOCLINE, line);
    const long onScreen = editor->SendScintilla(QsciScintillaBase::SCI_LINESONSCREEN);
    editor->setFirstVisibleLine(int(qMax(0L, shown - onScreen / 2)));
}
