#pragma once

#include <QMainWindow>

// The plain-text scratch window beside the main editor. Every showing starts afresh with the
// clipboard's text.
class TFormText : public QMainWindow {
    Q_OBJECT
public:
    explicit TFormText(QWidget* parent = nullptr);

    // 1 English, otherwise German; set before showing.
    int AppLanguage = 1;

    // Modeless, from the Extras menu.
    void showModeless();
    // Modal, for the look-ups that put their result on the clipboard first; returns when the
    // window is closed.
    void showModal();
};
