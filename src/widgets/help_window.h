#pragma once

#include "foundation/messages/ui_language.h"

#include <QList>
#include <QMainWindow>
#include <QUrl>

class QAction;
class QTextBrowser;

// The help pages shipped with the program, in a browser with back, forward and contents.
// One window serves every request; it follows the language of the topic asked for.
class HelpWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // 1 English, otherwise German; 0 is the contents, an unknown number gives the contents.
    void showTopic(UiLanguage language, int context);
    UiLanguage language() const { return m_language; }
    QTextBrowser* browser() const { return m_browser; }

    // The context numbers that have a page of their own, the contents first.
    static QList<int> contexts();
    static QUrl topicUrl(UiLanguage language, int context);

private:
    void applyLanguage();
    void updateTitle();

    QTextBrowser* m_browser;
    QAction* m_back;
    QAction* m_forward;
    QAction* m_contents;
    UiLanguage m_language = UiLanguage::English;
};
