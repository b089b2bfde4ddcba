#pragma once

#include "foundation/messages/ui_language.h"

#include <functional>

class QAbstractButton;
class QDialogButtonBox;
class QPushButton;
class QWidget;

// The UI language a help topic opens in, asked at the moment help is wanted, so that a window
// which changes language shows help in its current one.
using HelpLanguage = std::function<UiLanguage()>;

// Help topics by context number (0 is the contents), in the caller's UI language.
void showHelpTopic(QWidget* from, int context, UiLanguage uiLanguage);
// F1 anywhere in the widget opens the topic.
void installHelpKey(QWidget* widget, int context, HelpLanguage language);
// A dialog's help button, opening the topic.
QPushButton* newHelpButton(int context, HelpLanguage language, QWidget* parent = nullptr);
// The same in the box's help place.
QAbstractButton* addHelpButton(QDialogButtonBox* box, int context, HelpLanguage language);
// Makes an existing button open the topic.
void connectHelpButton(QAbstractButton* button, int context, HelpLanguage language);
