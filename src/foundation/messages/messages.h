#pragma once

#include <QString>
#include <QStringList>

// UiLanguage values.
enum UiLanguageValue { UiGerman = 0, UiEnglish = 1 };

// The two numbered message tables and the active one.
class MessageTable {
public:
    static constexpr int LineCount = 216;

    MessageTable();

    // 1 makes English active, any other value German.
    void setLanguage(int uiLanguage);
    int language() const { return m_language; }
    // Line n of the active table.
    QString message(int n) const;

    static const QStringList& german();
    static const QStringList& english();

    // The help file for the active language inside programFolder.
    QString helpFile(const QString& programFolder) const;

private:
    int m_language = UiEnglish;
    const QStringList* m_active;
};
