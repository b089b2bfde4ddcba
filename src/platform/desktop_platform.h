#pragma once

#include "platform/platform.h"

// The Linux desktop: XDG folders, the system locale, QDesktopServices, detached processes
// and pkexec for raised rights.
class DesktopPlatform : public Platform {
public:
    QString dataFolder() const override;
    QString legacyDataFolder() const override;
    QString programFolder() const override;
    bool inputLanguageIsGermanGermany() const override;
    QString systemLanguageName() const override;
    bool openDocument(const QString& pathOrUrl) override;
    bool openInBrowser(const QString& url) override;
    bool startProgram(const QString& program, const QStringList& arguments) override;
    bool startProgramElevated(const QString& program, const QStringList& arguments) override;
    void requestInstaller(const QString& request) override;
    QString installerProgram() const override;
    QString programFileName() const override;
    void pause(int milliseconds) override;
    QStringList installedFonts() const override;
};
