#pragma once

#include <QString>
#include <QStringView>

class EditorBuffer;
class MessageTable;
struct CommandContext;

// From index `from` on: whether the first ">" comes before the first "<", or the first "}"
// before the first "{" (both of a pair must be there). A hyphen inside a tag or inside a
// brace block of an inline script or style counts as inside.
bool isInsideTagOrBraces(QStringView text, qsizetype from);

// `near` is the ten characters from four before the hyphen, `wide` the 25 from fifteen before
// (both start at the text's first character near its start and keep their length). Case
// matters: "Know-how" keeps its hyphen, "know-how" loses it.
bool isHyphenException(QStringView near, QStringView wide);

struct HyphenRemoval {
    QString text;
    int count = 0;
    // Where the last removed hyphen stood, in the new text; -1 when none was removed.
    qsizetype lastRemoved = -1;
};

// Deletes every hyphen from the first "<body" (any case; the text's start when there is none)
// that is followed by a lower-case letter a-z, stands outside tags and braces and is no
// exception. The exceptions see the text as it is at that moment: earlier hyphens already gone.
HyphenRemoval removeHyphenation(const QString& text);

// Rewrites the editor's text as one undo step with the caret where the last hyphen was removed;
// nothing changes when none is removed. Returns the count.
int removeHyphenationFromEditor(EditorBuffer& editor);

// "3 x hyphenation deleted."
QString hyphenCountMessage(int count, const MessageTable& messages);

// Removes the hyphens and shows the count, also when it is 0.
void removeHyphenationCommand(const CommandContext& context);
