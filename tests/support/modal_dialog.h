#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// Runs work on the modal dialog once it is up, then makes sure it closes, so a failed check
// cannot leave the test waiting on an open dialog.
inline void whenModal(std::function<void(QDialog&)> work) {
    auto started = std::make_shared<QElapsedTimer>();
    started->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [work, started, poll] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (started->elapsed() < 5000)
                QTimer::singleShot(10, *poll);
            return;
        }
        work(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    };
    QTimer::singleShot(0, *poll);
}

// The same for a dialog of a known class.
template <typename T> void whenModalOf(std::function<void(T*)> work) {
    whenModal([work](QDialog& dialog) {
        if (auto* typed = qobject_cast<T*>(&dialog))
            work(typed);
    });
}

template <typename T> T* child(QDialog& dialog, const char* name) {
    T* widget = dialog.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no widget %s", name);
    return widget;
}

inline void click(QDialog& dialog, const char* name) {
    QAbstractButton* button = child<QAbstractButton>(dialog, name);
    // A check box or radio button reacts on its indicator and text, which may not reach the
    // middle of a wide widget.
    const bool indicator = qobject_cast<QCheckBox*>(button) || qobject_cast<QRadioButton*>(button);
    const QPoint at = indicator ? QPoint(6, button->height() / 2) : button->rect().center();
    QTest::mouseClick(button, Qt::LeftButton, {}, at);
}

// Replaces a field's text by keystrokes, as a user would.
inline void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}
