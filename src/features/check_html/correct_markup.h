#pragma once

#include <QString>
#include <QStringView>

#include <functional>

class MarkupText;
class MessageTable;

// What the rewrite changed, for the report.
struct MarkupChanges {
    int quotedAttributes = 0;
    int loweredTags = 0;
    int closedEmptyElements = 0;
};

// The code check's rewrite of a whole document: spaces inside tag brackets, attribute quotes,
// lower-case tags with XHTML empty elements, the clean-up table, line breaks inside tags,
// the html/head/body skeleton, 19 kinds of tags balanced and the document type first. It
// changes markup only: script and style blocks, comments and quoted attribute values come out
// as they were (ProtectedTexts). The balance check's report lines are appended to `report`.
// Each step is one pass over the text.
QString correctMarkup(const QString& text, const MessageTable& messages, QString& report);
// The same on a text whose protected texts stand behind their placeholders, handing on the
// bracket positions for the steps that follow; stepDone is called as it goes, for progress.
MarkupText correctMaskedMarkup(QString masked, const MessageTable& messages, QString& report,
                               MarkupChanges* changes = nullptr,
                               const std::function<void()>& stepDone = {});
// How often correctMaskedMarkup calls stepDone.
constexpr int CorrectMarkupSteps = 5;

// Whether the CR LF at `position` (0-based) stands inside a tag: the first ">" after it comes
// before the first "<", or no ">" follows at all.
bool isBreakInsideTag(QStringView text, qsizetype position);

// The steps of correctMarkup that are worth testing on their own, on masked text.

// Two passes, each deleting the blank after every "<" and then the one before every ">".
QString removeSpacesInTagBrackets(const QString& text);
// Every CR LF inside a tag becomes a blank. After one is joined, the character that followed
// it is not looked at as the start of another.
QString joinLinesInsideTags(const QString& text);
// The clean-up table, row by row.
QString applyReplacementTable(const QString& text);
// Adds what lacks of the html, head and body tags. A fragment, with neither "<body" nor
// "</head>", gets an empty head and its content in a body.
QString repairSkeleton(const QString& text);
