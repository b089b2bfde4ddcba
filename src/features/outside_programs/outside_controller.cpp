#include "features/outside_programs/outside_controller.h"

#include "features/outside_programs/outside_commands.h"
#include "foundation/document/document.h"
#include "foundation/settings/settings.h"
#include "platform/platform.h"
#include "widgets/feature_context.h"
#include "widgets/help.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int MainWindowHelp = 60;

QIcon icon(const char* theme, const char* bundled) {
    return QIcon::fromTheme(QLatin1String(theme),
                            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(bundled))));
}

QAction* namedAction(QObject* parent, const char* name, const QString& text,
                     const QIcon& picture = QIcon()) {
    auto* action = new QAction(picture, text, parent);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

OutsideController::OutsideController(FeatureContext& context)
    : QObject(&context), m_context(context) {
    const FeatureMenus& a = m_context.menus();
    const QIcon browserIcon = icon("internet-web-browser", "hx-setup-browser");
    const QIcon ftpIcon = icon("folder-remote", "hx-setup-ftp");

    // File menu: after the save commands, before printing. "Browser.." keeps its caption in
    // both languages.
    QAction* browser = namedAction(a.file, "Browser1", QStringLiteral("Browser.."), browserIcon);
    browser->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* backups =
        namedAction(a.file, "Deletebackupfiles1", QStringLiteral("Bak Dateien löschen"),
                    icon("edit-delete", "hx-setup-delete-backups"));
    m_context.captionFromMessage(backups, 138);
    // Printing may have taken its place at the end of the file commands already.
    QAction* before = m_context.window()->findChild<QAction*>(QStringLiteral("printItem"));
    if (!before || !a.file->actions().contains(before))
        before = a.fileEnd;
    a.file->insertActions(before, {browser, backups});

    a.tableBar->addSeparator();
    QAction* browserButton = namedAction(a.tableBar, "ToolButtonBrowser", QString(), browserIcon);
    QAction* ftpButton = namedAction(a.tableBar, "ToolButtonFtp", QString(), ftpIcon);
    a.tableBar->addActions({browserButton, ftpButton});
    m_context.hintFromMessage(browserButton, 86);
    m_context.hintFromMessage(ftpButton, 184);

    a.extras->addSeparator();
    QAction* ftp = namedAction(a.extras, "FTP1", QStringLiteral("FTP"), ftpIcon);
    QAction* update =
        namedAction(a.extras, "NachUpdatesuchen1", QStringLiteral("Nach Update suchen"),
                    icon("system-software-update", "hx-setup-update"));
    a.extras->addActions({ftp, update});
    m_context.captionFromMessage(ftp, 184);
    m_context.captionFromMessage(update, 183);

    QAction* contents = namedAction(a.help, "Help1", QStringLiteral("Inhalt"),
                                    icon("help-contents", "hx-help-topic"));
    a.help->insertAction(a.about, contents);
    m_context.captionFromMessage(contents, 187);
    a.about->setIcon(icon("help-about", "hx-help-about"));

    // F1 belongs to the main window only; dialogs and other windows have their own.
    QAction* helpKey = namedAction(m_context.window(), "HelpContextKey", QString());
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    m_context.window()->addAction(helpKey);

    for (QAction* show : {browser, browserButton})
        connect(show, &QAction::triggered, this, [this] { ToolButtonBrowserClick(); });
    for (QAction* open : {ftp, ftpButton})
        connect(open, &QAction::triggered, this, [this] { FTP1Click(); });
    connect(update, &QAction::triggered, this, [this] { NachUpdatesuchen1Click(); });
    connect(backups, &QAction::triggered, this, [this] { Deletebackupfiles1Click(); });
    connect(contents, &QAction::triggered, this, [this] { Help1Click(); });
    connect(helpKey, &QAction::triggered, this,
            [this] { showHelpTopic(m_context.window(), MainWindowHelp, m_context.uiLanguage()); });

    chooseBackupFiles = [this](const QString& folder) {
        // Backups are written as ".BAK"; the pattern must find them whatever the case.
        return QFileDialog::getOpenFileNames(m_context.window(), QString(), folder,
                                             QStringLiteral("Backup files (*.bak *.BAK)"));
    };

    // Installer requests carry the UI language. The first language switch is the window's
    // start-up; the update check follows once the start-up is over.
    connect(&m_context, &FeatureContext::languageChanged, this, [this] {
        m_context.platform().setUiLanguage(m_context.uiLanguage());
        if (m_started)
            return;
        m_started = true;
        QTimer::singleShot(0, this, [this] { startUpCheck(); });
    });
}

EditorSettings OutsideController::currentSettings() const {
    EditorSettings settings;
    loadSettings(m_context.platform().dataFolder(), m_context.platform(), settings);
    return settings;
}

void OutsideController::startUpCheck() {
    startUpUpdateCheck(m_context.commandContext(), m_context.platform(),
                       currentSettings().updateCheck);
}

void OutsideController::ToolButtonBrowserClick() {
    const Document& document = m_context.document();
    ::ToolButtonBrowserClick(m_context.commandContext(), document.fileName(), document.format(),
                             currentSettings().browserPath, m_context.platform());
}

void OutsideController::FTP1Click() {
    ::FTP1Click(m_context.commandContext(), currentSettings(), m_context.platform());
}

void OutsideController::NachUpdatesuchen1Click() {
    ::NachUpdatesuchen1Click(m_context.commandContext(), m_context.platform());
}

void OutsideController::Deletebackupfiles1Click() {
    if (!chooseBackupFiles)
        return;
    const QStringList chosen =
        chooseBackupFiles(backupChooserFolder(m_context.document().fileName()));
    deleteBackupFiles(m_context.commandContext(), chosen);
}

void OutsideController::Help1Click() {
    showHelpTopic(m_context.window(), 0, m_context.uiLanguage());
}
