#include "features/outside_programs/outside_actions.h"

#include "features/outside_programs/outside_commands.h"
#include "foundation/document/document.h"
#include "foundation/messages/ui_text.h"
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
constexpr int ContentsHelp = 0;

const UiText BackupChooserTitle{"Sicherungsdateien zum Löschen auswählen",
                                "Choose backup files to delete"};
const UiText BrowserText{"Im Browser anzeigen", "Show in browser"};
const UiText BackupFilesFilter{"Sicherungsdateien (*.bak *.BAK)", "Backup files (*.bak *.BAK)"};

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

OutsideActions::OutsideActions(FeatureContext& context) : QObject(&context), m_context(context) {
    const FeatureMenus& menus = m_context.menus();
    const QIcon browserIcon = icon("internet-web-browser", "hx-setup-browser");
    const QIcon ftpIcon = icon("folder-remote", "hx-setup-ftp");

    // File menu: after the save commands, before printing.
    QAction* browser = namedAction(menus.file, "browserItem", QString(), browserIcon);
    m_context.captionFromText(browser, BrowserText);
    browser->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* backups =
        namedAction(menus.file, "deleteBackupsItem", QStringLiteral("Sicherungsdateien löschen..."),
                    icon("edit-delete", "hx-setup-delete-backups"));
    m_context.captionFromMessage(backups, 138);
    // Printing may have taken its place at the end of the file commands already.
    QAction* before = m_context.window()->findChild<QAction*>(QStringLiteral("printItem"));
    if (!before || !menus.file->actions().contains(before))
        before = menus.fileEnd;
    menus.file->insertActions(before, {browser, backups});

    menus.tableBar->addSeparator();
    QAction* browserButton = namedAction(menus.tableBar, "browserButton", QString(), browserIcon);
    QAction* ftpButton = namedAction(menus.tableBar, "ftpButton", QString(), ftpIcon);
    menus.tableBar->addActions({browserButton, ftpButton});
    m_context.hintFromMessage(browserButton, 86);
    m_context.hintFromMessage(ftpButton, 184);

    menus.extras->addSeparator();
    QAction* ftp = namedAction(menus.extras, "ftpItem", QStringLiteral("FTP"), ftpIcon);
    QAction* update =
        namedAction(menus.extras, "checkForUpdatesItem", QStringLiteral("Nach Updates suchen"),
                    icon("system-software-update", "hx-setup-update"));
    menus.extras->addActions({ftp, update});
    m_context.captionFromMessage(ftp, 184);
    m_context.captionFromMessage(update, 183);

    QAction* contents = namedAction(menus.help, "helpContentsItem", QStringLiteral("Inhalt"),
                                    icon("help-contents", "hx-help-topic"));
    menus.help->insertAction(menus.about, contents);
    m_context.captionFromMessage(contents, 187);
    menus.about->setIcon(icon("help-about", "hx-help-about"));

    // F1 belongs to the main window only; dialogs and other windows have their own.
    QAction* helpKey = namedAction(m_context.window(), "helpContextKey", QString());
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    m_context.window()->addAction(helpKey);

    for (QAction* show : {browser, browserButton})
        connect(show, &QAction::triggered, this, [this] { showInBrowser(); });
    for (QAction* open : {ftp, ftpButton})
        connect(open, &QAction::triggered, this, [this] { openFtp(); });
    connect(update, &QAction::triggered, this, [this] { checkForUpdates(); });
    connect(backups, &QAction::triggered, this, [this] { deleteBackupFiles(); });
    connect(contents, &QAction::triggered, this, [this] { showHelpContents(); });
    connect(helpKey, &QAction::triggered, this,
            [this] { showHelpTopic(m_context.window(), MainWindowHelp, m_context.uiLanguage()); });

    m_chooseBackupFiles = [this](const QString& folder) {
        // Backups are written as ".BAK"; the pattern must find them whatever the case.
        return QFileDialog::getOpenFileNames(m_context.window(),
                                             BackupChooserTitle.in(m_context.uiLanguage()), folder,
                                             BackupFilesFilter.in(m_context.uiLanguage()));
    };

    // Installer requests carry the UI language. The first language switch is the window's
    // start-up; the update check follows once the start-up is over.
    connect(&m_context, &FeatureContext::languageChanged, this, [this] {
        m_context.platform().setUiLanguage(m_context.uiLanguage());
        if (m_started)
            return;
        m_started = true;
        QTimer::singleShot(0, this, [this] { checkForUpdatesAtStartUp(); });
    });
}

EditorSettings OutsideActions::currentSettings() const {
    EditorSettings settings;
    loadSettings(m_context.platform().dataFolder(), m_context.platform(), settings);
    return settings;
}

void OutsideActions::checkForUpdatesAtStartUp() {
    startUpUpdateCheck(m_context.commandContext(), m_context.platform(),
                       currentSettings().updateCheck);
}

void OutsideActions::showInBrowser() {
    const Document& document = m_context.document();
    ::showInBrowser(m_context.commandContext(), document.fileName(), document.format(),
                    currentSettings().browserPath, m_context.platform());
}

void OutsideActions::openFtp() {
    ::openFtp(m_context.commandContext(), currentSettings(), m_context.platform());
}

void OutsideActions::checkForUpdates() {
    ::checkForUpdates(m_context.commandContext(), m_context.platform());
}

void OutsideActions::deleteBackupFiles() {
    if (!m_chooseBackupFiles)
        return;
    const QStringList chosen =
        m_chooseBackupFiles(backupChooserFolder(m_context.document().fileName()));
    ::deleteBackupFiles(m_context.commandContext(), chosen);
}

void OutsideActions::showHelpContents() {
    showHelpTopic(m_context.window(), ContentsHelp, m_context.uiLanguage());
}
