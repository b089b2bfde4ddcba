#include "platform/desktop_platform.h"

#include "file_bytes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

// The raised-rights start returns while the helper still runs: a stand-in pkexec waits for a
// sign the test gives only after the call came back, and tells whether it saw it in time.
TEST(DesktopPlatform, RaisedRightsStartDoesNotWaitForTheHelper) {
    QTemporaryDir bin;
    const QString script = bin.filePath(QStringLiteral("pkexec"));
    ASSERT_TRUE(writeFileBytes(script, "#!/bin/sh\n"
                                       "i=0\n"
                                       "while [ ! -e \"$HX_GO\" ] && [ $i -lt 400 ]; do\n"
                                       "  sleep 0.05; i=$((i+1))\n"
                                       "done\n"
                                       "if [ -e \"$HX_GO\" ]; then echo \"$@\"; else echo late; fi"
                                       " > \"$HX_GO.seen\"\n"));
    ASSERT_TRUE(QFile::setPermissions(script, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(bin.path()) + ':' + oldPath);
    const QString go = bin.filePath(QStringLiteral("go"));
    qputenv("HX_GO", QFile::encodeName(go));

    DesktopPlatform platform;
    const bool started =
        platform.startProgramElevated(QStringLiteral("/bin/helper"), {QStringLiteral("check")});
    ASSERT_TRUE(writeFileBytes(go, ""));
    qputenv("PATH", oldPath);
    EXPECT_TRUE(started);

    QDeadlineTimer deadline(30000);
    while (!QFile::exists(go + QStringLiteral(".seen")) && !deadline.hasExpired())
        QThread::msleep(20);
    QThread::msleep(50); // the line is written right after the file appears
    EXPECT_EQ(readFileBytes(go + QStringLiteral(".seen")), QByteArray("/bin/helper check\n"));
}
