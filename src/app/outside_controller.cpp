#include "app/outside_controller.h"

#include "app/document.h"
#include "app/help.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "app/outside_commands.h"
#include "app/settings.h"
#include "platform/platform.h"

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

OutsideController::OutsideController(TMainForm& window) : QObject(&window), m_window(window) {
    MainActions& a = window.actions();
    const QIcon browserIcon = icon("internet-web-browser", "hx-setup-browser");
    const QIcon ftpIcon = icon("folder-remote", "hx-setup-ftp");

    // File menu: after the save commands, before printing. "Browser.." keeps its caption in
    // both languages.
    QAction* browser =
        namedAction(a.fileMenu, "Browser1", QStringLiteral("Browser.."), browserIcon);
    browser->setShortcut(QKeySequence(Qt::Key_F2));
    QAction* backups =
        namedAction(a.fileMenu, "Deletebackupfiles1", QStringLiteral("Bak Dateien löschen"),
                    icon("edit-delete", "hx-setup-delete-backups"));
    const QList<QAction*> file = a.fileMenu->actions();
    QAction* before = window.findChild<QAction*>(QStringLiteral("FilePrintItem"));
    if (!before || !file.contains(before))
        before = file.value(file.indexOf(a.fileExit) - 1);
    a.fileMenu->insertActions(before, {browser, backups});

    a.toolBar2->addSeparator();
    QAction* browserButton = namedAction(a.toolBar2, "ToolButtonBrowser", QString(), browserIcon);
    QAction* ftpButton = namedAction(a.toolBar2, "ToolButtonFtp", QString(), ftpIcon);
    a.toolBar2->addActions({browserButton, ftpButton});

    a.extrasMenu->addSeparator();
    QAction* ftp = namedAction(a.extrasMenu, "FTP1", QStringLiteral("FTP"), ftpIcon);
    QAction* update =
        namedAction(a.extrasMenu, "NachUpdatesuchen1", QStringLiteral("Nach Update suchen"),
                    icon("system-software-update", "hx-setup-update"));
    a.extrasMenu->addActions({ftp, update});

    QAction* contents = namedAction(a.helpMenu, "Help1", QStringLiteral("Inhalt"),
                                    icon("help-contents", "hx-help-topic"));
    a.helpMenu->insertAction(a.about, contents);
    a.about->setIcon(icon("help-about", "hx-help-about"));

    // F1 belongs to the main window only; dialogs and other windows have their own.
    QAction* helpKey = namedAction(&window, "HelpContextKey", QString());
    helpKey->setShortcut(QKeySequence(Qt::Key_F1));
    window.addAction(helpKey);

    for (QAction* show : {browser, browserButton})
        connect(show, &QAction::triggered, this, [this] { ToolButtonBrowserClick(); });
    for (QAction* open : {ftp, ftpButton})
        connect(open, &QAction::triggered, this, [this] { FTP1Click(); });
    connect(update, &QAction::triggered, this, [this] { NachUpdatesuchen1Click(); });
    connect(backups, &QAction::triggered, this, [this] { Deletebackupfiles1Click(); });
    connect(contents, &QAction::triggered, this, [this] { Help1Click(); });
    connect(helpKey, &QAction::triggered, this,
            [this] { ShowHelpContext(&m_window, MainWindowHelp); });

    chooseBackupFiles = [this](const QString& folder) {
        // Backups are written as ".BAK"; the pattern must find them whatever the case.
        return QFileDialog::getOpenFileNames(&m_window, QString(), folder,
                                             QStringLiteral("Backup files (*.bak *.BAK)"));
    };

    // Installer requests carry the UI language. The first language switch is the window's
    // start-up; the update check follows once the start-up is over.
    connect(&window, &TMainForm::languageApplied, this, [this] {
        m_window.platform().setUiLanguage(m_window.uiLanguage());
        if (m_started)
            return;
        m_started = true;
        QTimer::singleShot(0, this, [this] { startUpCheck(); });
    });
}

EditorSettings OutsideController::currentSettings() const {
    EditorSettings settings;
    LoadSettings(m_window.platform().dataFolder(), m_window.platform(), settings);
    return settings;
}

void OutsideController::startUpCheck() {
    startUpUpdateCheck(m_window.commandContext(), m_window.platform(),
                       currentSettings().updateCheck);
}

void OutsideController::ToolButtonBrowserClick() {
    const Document& document = m_window.document();
    ::ToolButtonBrowserClick(m_window.commandContext(), document.FFileName(), document.format(),
                             currentSettings().browserPath, m_window.platform());
}

void OutsideController::FTP1Click() {
    ::FTP1Click(m_window.commandContext(), currentSettings(), m_window.platform());
}

void OutsideController::NachUpdatesuchen1Click() {
    ::NachUpdatesuchen1Click(m_window.commandContext(), m_window.platform());
}

void OutsideController::Deletebackupfiles1Click() {
    if (!chooseBackupFiles)
        return;
    const QStringList chosen =
        chooseBackupFiles(backupChooserFolder(m_window.document().FFileName()));
    deleteBackupFiles(m_window.commandContext(), chosen);
}

void OutsideController::Help1Click() {
    ShowHelpContext(&m_window, 0);
}
