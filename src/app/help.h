#pragma once

class QWidget;

// Help topics by context number (0 is the contents), in the UI language of the main window.
void ShowHelpContext(QWidget* from, int context);
// F1 anywhere in the widget opens the topic.
void installHelpKey(QWidget* widget, int context);
