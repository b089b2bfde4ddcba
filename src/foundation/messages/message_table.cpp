#include "foundation/messages/message_table.h"

#include <QFile>

namespace {

// Split at LF only: several lines begin or end with blanks that must survive.
QStringList loadTable(const QString& resource) {
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

} // namespace

MessageTable::MessageTable() : m_active(&english()) {}

void MessageTable::setLanguage(UiLanguage language) {
    m_language = language;
    m_active = m_language == UiLanguage::English ? &english() : &german();
}

QString MessageTable::message(int n) const {
    return m_active->value(n);
}

const QStringList& MessageTable::german() {
    static const QStringList table = loadTable(QStringLiteral(":/messages/de.txt"));
    return table;
}

const QStringList& MessageTable::english() {
    static const QStringList table = loadTable(QStringLiteral(":/messages/en.txt"));
    return table;
}

QString MessageTable::helpFile(const QString& programFolder) const {
    return programFolder + (m_language == UiLanguage::English ? QStringLiteral("editorhlpe.chm")
                                                              : QStringLiteral("editorhlp.chm"));
}
