#pragma once

#include "foundation/messages/ui_language.h"

#include <QString>
#include <QStringList>

// The two numbered message tables and the active one.
class MessageTable {
public:
    static constexpr int LineCount = 216;

    MessageTable();

    void setLanguage(UiLanguage language);
    UiLanguage language() const { return m_language; }
    // Line n of the active table.
    QString message(int n) const;

    static const QStringList& german();
    static const QStringList& english();

    // The help file for the active language inside programFolder.
    QString helpFile(const QString& programFolder) const;

private:
    UiLanguage m_language = UiLanguage::English;
    const QStringList* m_active;
};
