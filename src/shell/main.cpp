#include "platform/desktop_platform.h"
#include "shell/main_window.h"
#include "shell/scripted_typing.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hexlume"));
    QApplication::setApplicationVersion(QStringLiteral(HEXLUME_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("hexlume"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/hexlume.svg")));

    DesktopPlatform platform;
    MainWindow window(platform);
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    window.show();
    window.startUp(arguments);
    typeScriptedKeys(window.editor());
    return app.exec();
}
