#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

// What the program asks of the desktop it runs on. The real implementation lives in the
// widget library; tests use a recording fake.
class Platform {
public:
    virtual ~Platform() = default;

    // $XDG_DATA_HOME/hexlume/ with a trailing slash (not created here).
    virtual QString dataFolder() const = 0;
    // The folder earlier versions kept their files in, moved into dataFolder() at start;
    // empty when there is none to look at.
    virtual QString legacyDataFolder() const { return {}; }
    // The folder of the running program, with a trailing slash.
    virtual QString programFolder() const = 0;
    // True when the system's default input language is German (Germany).
    virtual bool inputLanguageIsGermanGermany() const = 0;
    // The system language's name in that language ("Deutsch", "English", ...).
    virtual QString systemLanguageName() const = 0;

    // Opens a document or address with the desktop's default handler.
    virtual bool openDocument(const QString& pathOrUrl) = 0;
    // Opens an address in the desktop's default web browser; false when there is none.
    virtual bool openInBrowser(const QString& url) = 0;
    // Starts a program detached; false when it cannot be started.
    virtual bool startProgram(const QString& program, const QStringList& arguments) = 0;
    // Starts a program with raised rights, detached; false when it cannot be started.
    virtual bool startProgramElevated(const QString& program, const QStringList& arguments) = 0;
    // Asks the installer helper to carry out a request with raised rights; nothing happens
    // when the helper is not installed. The request is its words joined by blanks; the last
    // word never holds a blank, so a path before it may.
    virtual void requestInstaller(const QString& request) = 0;
    // The installer helper's path; empty when it is not installed.
    virtual QString installerProgram() const = 0;
    // Waits without handling events (the retries after an installer request).
    virtual void pause(int milliseconds) = 0;

    virtual QStringList installedFonts() const = 0;
    // The program's version, four numbers.
    virtual QString programVersion() const { return QStringLiteral(HEXLUME_VERSION); }
    // The file name part of the running program's path.
    virtual QString programFileName() const = 0;

    // Every installer request names the UI language; the window keeps it current.
    void setUiLanguage(UiLanguage language) { m_uiLanguage = language; }
    UiLanguage uiLanguage() const { return m_uiLanguage; }

private:
    UiLanguage m_uiLanguage = UiLanguage::English;
};
