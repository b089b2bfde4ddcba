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

// Runs work on the modal dialog once it is up, then makes sure it closes, so a failed check
// cannot leave the test waiting on an open dialog. The polling timer belongs to the
// application and goes once it has found the dialog or given up.
inline void whenModal(std::function<void(QDialog&)> work) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QElapsedTimer started;
    started.start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, work, started] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (started.elapsed() >= 5000) {
                poll->stop();
                poll->deleteLater();
            }
            return;
        }
        poll->stop();
        poll->deleteLater();
        work(*dialog);
        if (dialog->isVisible())
            dialog->reject();
    });
    poll->start(10);
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
