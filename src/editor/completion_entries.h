#pragma once

#include <QList>
#include <QString>

struct CompletionEntry {
    QString shown;
    QString inserted; // written unchanged: "$ret" stays as it is
};

// The tag completion list in its order: the 48 classic entries ("<head>" stands twice), then
// the elements of HTML 5.
const QList<CompletionEntry>& completionEntries();

// Typing one of these ends the token and closes the list.
inline constexpr char16_t CompletionEndOfTokenChars[] = u"()[]. ";

// Indices of the entries whose shown text begins with token, letter case ignored, in list
// order.
QList<int> completionMatches(QStringView token);

// Where the token that ends the text begins: at its last "<" unless an end-of-token
// character, tab or line break comes after that "<"; then just after that character.
qsizetype completionTokenStart(QStringView textBeforeCaret);
