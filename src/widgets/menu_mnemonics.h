#pragma once

#include <QChar>
#include <QList>
#include <QString>

class QAction;
class QMenu;

// The letter a caption marks with '&' for Alt+letter (lower-case), or a null QChar.
QChar mnemonicOf(const QString& caption);
// The caption without its mark; "&&" (a literal ampersand) stays.
QString withoutMnemonic(const QString& caption);

// Gives each action an Alt+letter of its own within the list. A letter the caption already
// marks stays where it is still free; the others take the first free of: a final digit, the
// initial of a word, any letter or digit. Letters in `reserved` (lower-case) are never given.
void assignMnemonics(const QList<QAction*>& actions, const QString& reserved = QString());
// Assigns them each time the menu opens, so captions rewritten meanwhile (language switch,
// recent files) get theirs before they are seen.
void assignMnemonicsOnShow(QMenu* menu);
