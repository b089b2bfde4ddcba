#include "platform/desktop_platform.h"

#include "platform/data_folder.h"
#include "platform/installer_request.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

namespace {

// The application the desktop opens a MIME type with ("firefox.desktop"); empty when it names
// none or xdg-utils are missing.
QString desktopHandlerFor(const QString& mimeType) {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty())
        return {};
    QProcess query;
    query.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), mimeType});
    if (!query.waitForFinished(3000)) {
        query.kill();
        query.waitForFinished(500);
        return {};
    }
    return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

} // namespace

QString DesktopPlatform::dataFolder() const {
    return defaultDataFolder();
}

QString DesktopPlatform::legacyDataFolder() const {
    return ::legacyDataFolder();
}

QString DesktopPlatform::programFolder() const {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

bool DesktopPlatform::inputLanguageIsGermanGermany() const {
    const QLocale locale = QLocale::system();
    return locale.language() == QLocale::German && locale.territory() == QLocale::Germany;
}

QString DesktopPlatform::systemLanguageName() const {
    return QLocale::system().nativeLanguageName();
}

bool DesktopPlatform::openDocument(const QString& pathOrUrl) {
    const QUrl url = QFileInfo::exists(pathOrUrl) ? QUrl::fromLocalFile(pathOrUrl)
                                                  : QUrl::fromUserInput(pathOrUrl);
    return QDesktopServices::openUrl(url);
}

bool DesktopPlatform::openInBrowser(const QString& url) {
    // The page goes to what the desktop shows HTML with, through xdg-open.
    if (!desktopHandlerFor(QStringLiteral("text/html")).isEmpty() &&
        QDesktopServices::openUrl(QUrl(url)))
        return true;
    // Without a desktop: the user's $BROWSER list, then Debian's choice of browser.
    QStringList programs =
        qEnvironmentVariable("BROWSER").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    programs << QStringLiteral("x-www-browser");
    for (const QString& program : programs) {
        const QString path = QStandardPaths::findExecutable(program.trimmed());
        if (!path.isEmpty() && QProcess::startDetached(path, {url}))
            return true;
    }
    return false;
}

bool DesktopPlatform::startProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

bool DesktopPlatform::startProgramElevated(const QString& program, const QStringList& arguments) {
    const QString pkexec = QStandardPaths::findExecutable(QStringLiteral("pkexec"));
    if (pkexec.isEmpty())
        return false;
    // Never waits: the password question and the helper's work would freeze the window (the
    // update check runs at every start). The helper reports its outcome itself.
    return QProcess::startDetached(pkexec, QStringList{program} + arguments);
}

void DesktopPlatform::requestInstaller(const QString& request) {
    const QString installer = installerProgram();
    if (installer.isEmpty())
        return;
    startProgramElevated(installer,
                         installerArguments(programVersion(), programFileName(), uiLanguage(),
                                            installerRequestWords(request)));
}

QString DesktopPlatform::installerProgram() const {
    const QString installer = programFolder() + QStringLiteral("hexlume-install");
    return QFileInfo(installer).isExecutable() ? installer : QString();
}

QString DesktopPlatform::programFileName() const {
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void DesktopPlatform::pause(int milliseconds) {
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

QStringList DesktopPlatform::installedFonts() const {
    return QFontDatabase::families();
}
