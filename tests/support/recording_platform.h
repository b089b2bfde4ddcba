#pragma once

#include "platform/platform.h"

// Records what the program asked of the desktop and answers from fields a test sets.
class RecordingPlatform : public Platform {
public:
    QString dataFolderPath;
    QString legacyDataFolderPath;
    QString programFolderPath = QStringLiteral("/opt/hexlume/");
    bool germanInput = false;
    QString languageName = QStringLiteral("English");
    bool startSucceeds = true;
    // False: the desktop has no web browser.
    bool browserInstalled = true;
    QStringList fonts{QStringLiteral("Arial"), QStringLiteral("Courier New")};
    // Empty: no installer helper is installed.
    QString installerPath;

    // One line per request: "open URL", "start PROGRAM ARGS", "elevated ...",
    // "installer REQUEST", "pause MS".
    QStringList calls;

    QString dataFolder() const override { return dataFolderPath; }
    QString legacyDataFolder() const override { return legacyDataFolderPath; }
    QString programFolder() const override { return programFolderPath; }
    bool inputLanguageIsGermanGermany() const override { return germanInput; }
    QString systemLanguageName() const override { return languageName; }
    bool openDocument(const QString& pathOrUrl) override {
        calls << QStringLiteral("open ") + pathOrUrl;
        return startSucceeds;
    }
    bool openInBrowser(const QString& url) override {
        calls << QStringLiteral("browser ") + url;
        return browserInstalled;
    }
    bool startProgram(const QString& program, const QStringList& arguments) override {
        calls << (QStringLiteral("start ") + program + QLatin1Char(' ') + arguments.join(' '))
                     .trimmed();
        return startSucceeds;
    }
    bool startProgramElevated(const QString& program, const QStringList& arguments) override {
        calls << (QStringLiteral("elevated ") + program + QLatin1Char(' ') + arguments.join(' '))
                     .trimmed();
        return startSucceeds;
    }
    void requestInstaller(const QString& request) override {
        calls << QStringLiteral("installer ") + request;
    }
    void pause(int milliseconds) override {
        calls << QStringLiteral("pause ") + QString::number(milliseconds);
    }
    QStringList installedFonts() const override { return fonts; }
    QString installerProgram() const override { return installerPath; }
    QString programFileName() const override { return QStringLiteral("hexlume"); }
};
