#include "shell/qt_translations.h"

#include "foundation/messages/message_table.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

void useQtTranslations(UiLanguage uiLanguage) {
    static QTranslator* german = nullptr;
    if (uiLanguage != UiLanguage::English) {
        if (german)
            return;
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(QStringLiteral("qtbase_de"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete translator;
            return;
        }
        QCoreApplication::installTranslator(translator);
        german = translator;
    } else if (german) {
        QCoreApplication::removeTranslator(german);
        delete german;
        german = nullptr;
    }
}
