#include "platform/installer_request.h"

QStringList installerArguments(const QString& version, const QString& programFileName,
                               UiLanguage uiLanguage, const QStringList& requestWords) {
    QStringList arguments{QStringLiteral("hexlume"), version, programFileName,
                          QString::number(uiLanguageNumber(uiLanguage))};
    for (const QString& word : requestWords) {
        const QString trimmed = word.trimmed();
        if (!trimmed.isEmpty())
            arguments << trimmed;
    }
    return arguments;
}

QStringList installerRequestWords(const QString& request) {
    const QString trimmed = request.trimmed();
    if (trimmed.isEmpty())
        return {};
    const qsizetype blank = trimmed.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return {trimmed};
    return {trimmed.left(blank).trimmed(), trimmed.mid(blank + 1)};
}
