#pragma once

#include <QString>
#include <QStringView>

#include <span>

class MarkupText;
class MessageTable;
class ProtectedTexts;

// Balances one kind of tag over the text: counts the opening and the closing pattern (ASCII
// case-blind; an opening pattern ending in ">" only matches tags without attributes), pairs
// each opening tag, from the last to the first, with the first free closing tag after it,
// disables the opening tags left over and, when closing tags outnumber opening ones, blanks
// the closing tags left over. Equal counts count as balanced, whatever the order. The report
// lines, in the table's language, are appended to `report`. The text keeps its length.
void checkTagBalance(QStringView openPattern, QStringView closePattern, QString& text,
                     const MessageTable& messages, QString& report);

// A kind of tag: its opening and its closing pattern.
struct TagPair {
    QStringView open;
    QStringView close;
};

// checkTagBalance for each pair in turn, with one look at every "<" of the text instead of two
// searches per pair. The patterns begin with "<" and hold no other "<" and no "!".
void checkTagBalances(std::span<const TagPair> pairs, MarkupText& text,
                      const MessageTable& messages, QString& report);

// Disables the occurrence of `pattern` found from one character before `position` (0-based):
// an opening pattern gets "!" as its second character ("<div" becomes "<!iv"), a closing
// pattern (one holding "</") becomes blanks. The text keeps its length.
void disableTag(qsizetype position, QStringView pattern, QString& text);

// Turns the div, span, table, tr and td tags that the balance check disabled, from the first
// "<body" on, back into their tags and marks each with "<!CheckThis>" after its ">", so the
// user keeps the element and finds where a closing tag is missing. A disabled form counts only
// when a blank, ">" or "/" follows it ("<!doctype" and "<!trong>" are no table cells). A tag
// whose ">" a marker already follows (any case, or a marker's placeholder of `masked`) gets no
// second one. Returns how many tags were marked.
QString flagDisabledBlockTags(const QString& text);
int flagDisabledBlockTags(MarkupText& text, const ProtectedTexts* masked = nullptr);
