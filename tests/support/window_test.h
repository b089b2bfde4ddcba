#pragma once

#include "recording_platform.h"

#include <QAction>
#include <QObject>
#include <QTemporaryDir>
#include <QWidget>

// Base of the tests that open a main window: its settings and recent files go to a temporary
// folder named by the recording platform, never to the user's own.
class WindowTest : public QObject {
protected:
    WindowTest() {
        qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
        // Kept unsaved work goes here too, never to the user's own state folder.
        qputenv("XDG_STATE_HOME", m_home.filePath(QStringLiteral("state")).toUtf8());
        m_platform.dataFolderPath = m_home.filePath(QStringLiteral("hexlume/"));
    }

    static QAction* action(QWidget& window, const char* name) {
        return window.findChild<QAction*>(QLatin1String(name));
    }

    QTemporaryDir m_home;
    RecordingPlatform m_platform;
};
