#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// Script and style blocks hold program and style-sheet text that the whole-document rewrites
// must not touch. They are cut out behind numbered placeholder comments ("<!--script0-->",
// "<!--style12-->") before a rewrite and put back afterwards.
enum class ProtectedKind { Script, Style };

// The placeholder of entry `index` of the kind.
QString protectedPlaceholder(ProtectedKind kind, qsizetype index);

// Replaces every complete block of the kind, from its opening marker ("<script", "<style",
// any case) through the first closing marker after it, by a placeholder, and returns the text.
// `saved` is emptied first; entry i receives the text placeholder i stands for. An opening
// marker without a closing marker gets an empty entry and ends the masking of blocks: the text
// from it on stays as it is. Text that already reads like a placeholder of the kind is saved
// behind a placeholder too, so that restoring never mistakes it for a block.
QString maskProtectedBlocks(const QString& text, ProtectedKind kind, QStringList& saved);

// Replaces every placeholder of the kind (in any case) by the text it stands for, in one scan:
// text put back is not searched again. Masking and then restoring gives the text unchanged.
QString restoreProtectedBlocks(const QString& text, ProtectedKind kind, const QStringList& saved);

// The blocks one command saved while it rewrites the text.
struct ProtectedBlockLists {
    QStringList script;
    QStringList style;
};

// Script blocks first, then style blocks; restoring goes the other way, so that a "<script"
// written inside a style block comes back when the script blocks are restored last.
QString maskScriptAndStyle(const QString& text, ProtectedBlockLists& lists);
QString restoreStyleAndScript(const QString& text, const ProtectedBlockLists& lists);
