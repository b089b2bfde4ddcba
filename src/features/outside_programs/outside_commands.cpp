#include "features/outside_programs/outside_commands.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/document_file.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/document/encoding_question.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/messages/ui_text.h"
#include "foundation/settings/settings.h"
#include "foundation/text/text_rules.h"
#include "platform/installer_request.h"
#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace {

constexpr int NoFileLoadedLine = 20;
constexpr int CannotSaveLine = 24;
constexpr int DeleteBackupsLine = 53;
constexpr int UpdateFailedLine = 55;
constexpr int NoFtpServerLine = 215;

const UiText NoBrowserText{"Es wurde kein Webbrowser gefunden. Tragen Sie in den Einstellungen "
                           "einen externen Browser ein.",
                           "No web browser was found. Enter an external browser in the settings."};

// A program named in the settings, else the desktop's handler: a stale path (one carried
// over from another system, say) must not leave the command without any effect.
void startOrOpen(Platform& platform, const QString& program, const QString& argument,
                 const QString& target) {
    if (!isBlankText(program) && platform.startProgram(program.trimmed(), {argument}))
        return;
    platform.openDocument(target);
}

// The German line ends in a blank, the English one does not.
QString withName(const QString& line, const QString& name) {
    return line.endsWith(QLatin1Char(' ')) ? line + name : line + QLatin1Char(' ') + name;
}

void reportInstaller(const CommandContext& context, InstallerResult result) {
    if (result == InstallerResult::Failed)
        context.prompter.error(context.messages.message(UpdateFailedLine));
}

} // namespace

QString browserAddress(const QString& path) {
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded);
}

void showInBrowser(const CommandContext& context, const QString& fileName,
                   const DocumentFormat& format, const QString& browserPath, Platform& platform) {
    if (fileName.isEmpty() || asciiLower(fileName) == QLatin1String("untitled")) {
        context.prompter.error(context.messages.message(NoFileLoadedLine));
        return;
    }
    const QString text = context.editor.text();
    const std::optional<DocumentFormat> lossless =
        losslessFormat(text, format, context.prompter, context.messages.language());
    if (!lossless)
        return;
    QString reason;
    if (!writeFileSafely(fileName, encodeDocument(text, *lossless), &reason)) {
        context.prompter.error(withName(context.messages.message(CannotSaveLine), fileName) +
                               QLatin1Char('\n') + reason);
        return;
    }
    const QString address = browserAddress(fileName);
    // A browser path carried over from another system may not start: the desktop's browser
    // stands in.
    if (!isBlankText(browserPath) && platform.startProgram(browserPath.trimmed(), {address}))
        return;
    if (!platform.openInBrowser(address))
        context.prompter.error(NoBrowserText.in(context.messages.language()));
}

QString ftpAddress(const EditorSettings& settings) {
    const QString server = settings.ftpServer.trimmed();
    // Without a user name there is nothing to log in with; the server asks, or lets in
    // anonymously.
    if (settings.ftpLoginMode == QLatin1String("Anonymous") || isBlankText(settings.ftpUser))
        return QStringLiteral("ftp://") + server;
    return QStringLiteral("ftp://") +
           QString::fromLatin1(QUrl::toPercentEncoding(settings.ftpUser)) + QLatin1Char(':') +
           QString::fromLatin1(QUrl::toPercentEncoding(settings.ftpPassword)) + QLatin1Char('@') +
           server;
}

void openFtp(const CommandContext& context, const EditorSettings& settings, Platform& platform) {
    if (isBlankText(settings.ftpServer)) {
        context.prompter.information(context.messages.message(NoFtpServerLine));
        return;
    }
    const QString address = ftpAddress(settings);
    const QString client = settings.ftpClient.trimmed();
    startOrOpen(platform, isDesktopFtpClient(client) ? QString() : client, address, address);
}

InstallerResult runInstaller(Platform& platform, UiLanguage uiLanguage, const QString& firstWord,
                             const QString& secondWord) {
    const QString installer = platform.installerProgram();
    if (installer.isEmpty())
        return InstallerResult::NotInstalled;
    const QStringList arguments = installerArguments(
        platform.programVersion(), platform.programFileName(), uiLanguage, {firstWord, secondWord});
    return platform.startProgramElevated(installer, arguments) ? InstallerResult::Started
                                                               : InstallerResult::Failed;
}

void checkForUpdates(const CommandContext& context, Platform& platform) {
    reportInstaller(context,
                    runInstaller(platform, context.messages.language(), QString(), QString()));
}

void startUpUpdateCheck(const CommandContext& context, Platform& platform, bool updateCheck) {
    if (!updateCheck)
        return;
    reportInstaller(context, runInstaller(platform, context.messages.language(),
                                          QStringLiteral("default"), QStringLiteral("check")));
}

QString backupChooserFolder(const QString& fileName) {
    if (fileName.isEmpty() || asciiLower(fileName) == QLatin1String("untitled"))
        return QString();
    return QFileInfo(fileName).absolutePath();
}

int deleteBackupFiles(const CommandContext& context, const QStringList& chosen) {
    if (chosen.isEmpty())
        return 0;
    QString question = context.messages.message(DeleteBackupsLine) + QStringLiteral("\r\n\r\n");
    for (const QString& path : chosen)
        question += QFileInfo(path).fileName() + QStringLiteral("\r\n");
    if (context.prompter.askYesNo(question) == Prompter::Answer::No)
        return 0;
    int deleted = 0;
    for (const QString& path : chosen) {
        if (QFile::remove(path))
            ++deleted;
    }
    return deleted;
}
