#include "features/doctype/doctype_actions.h"

#include "features/doctype/doctype_command.h"
#include "features/doctype/doctype_dialog.h"
#include "foundation/document/document.h"
#include "widgets/feature_context.h"

#include <QAction>
#include <QMenu>

namespace {

const UiText DocTypeText{"Dokumenttyp...", "Document type..."};

} // namespace

DocTypeActions::DocTypeActions(FeatureContext& context)
    : QObject(&context), m_context(context), m_dialog(new DocTypeDialog(m_context.window())) {
    QAction* item = m_context.menus().html->addAction(QString());
    m_context.captionFromText(item, DocTypeText);
    item->setObjectName(QStringLiteral("docTypeItem"));
    item->setShortcut(QKeySequence(QStringLiteral("Ctrl+Alt+D")));
    connect(item, &QAction::triggered, this, [this] { insertDocType(); });

    // New and the command ask through the prompter, so an injected one (tests, scripts)
    // answers by itself; the window's message boxes show the dialog.
    if (m_context.useDocTypeDialog)
        m_context.useDocTypeDialog([this] { return showDialog(); });
    Document& document = m_context.document();
    document.stampGenerator = [this] { stampGeneratorKeepingSelection(m_context.buffer()); };
}

void DocTypeActions::insertDocType() {
    ::insertDocType(m_context.commandContext());
}

int DocTypeActions::showDialog() {
    m_dialog->setLanguage(m_context.uiLanguage());
    return m_dialog->exec() == QDialog::Accepted ? m_dialog->chosenCode() : 0;
}
