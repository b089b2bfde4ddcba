#pragma once

#include <QString>
#include <QStringView>

class EditorBuffer;
class MarkupText;

// The outcome of removing one kind of empty element from a text.
struct EmptyElementRemoval {
    QString text;
    int count = 0;
    // Where the caret stands after the last removal (the end of what replaced the element);
    // -1 when nothing was removed.
    qsizetype caret = -1;
};

// Removes the elements of one kind whose content is empty, "&nbsp" or "&nbsp;" once trimmed:
// each becomes its trimmed content. The content is what stands between the opening tag's
// first ">" and the next closing pattern, so an element holding one of its kind is never
// empty. The search starts at the third character and, after each opening tag, goes on two
// characters after it in the text as it then is (after a removal, two characters into what
// followed when nothing is left). Patterns are found ASCII case-blind; the opening pattern
// begins with "<".
//
// The steps would edit and re-read the text once per element; here the result is built in one
// pass and is the same text, count and caret.
EmptyElementRemoval removeEmptyElementsFromText(const QString& text, QStringView openPattern,
                                                QStringView closePattern);

// The same on a text with its bracket positions; returns the count and sets `caret` when
// something was removed.
int removeEmptyElements(MarkupText& text, QStringView openPattern, QStringView closePattern,
                        qsizetype* caret = nullptr);

// The same on the editor: all removals of one call are one edit (one undo step), after which
// the caret stands where the last single removal would have left it. Returns the count.
int removeEmptyElements(EditorBuffer& editor, QStringView openPattern, QStringView closePattern);
