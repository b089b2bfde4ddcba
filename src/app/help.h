#pragma once

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;
class QWidget;

// Help topics by context number (0 is the contents), in the UI language of the main window.
void ShowHelpContext(QWidget* from, int context);
// F1 anywhere in the widget opens the topic.
void installHelpKey(QWidget* widget, int context);
// A dialog's help button (SpeedButton1), opening the topic.
QPushButton* newHelpButton(int context, QWidget* parent = nullptr);
// The same in the box's help place.
QAbstractButton* addHelpButton(QDialogButtonBox* box, int context);
// Makes an existing button open the topic.
void connectHelpButton(QAbstractButton* button, int context);
