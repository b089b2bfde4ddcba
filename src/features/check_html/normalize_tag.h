#pragma once

#include <QString>
#include <QStringView>

class MarkupText;

// The tag that begins at the first character of `text` (a "<") and ends with the first ">",
// in lower case except its attribute values: up to 11 values keep their letters. The result
// has the tag's length; it is empty when no ">" follows.
QString normalizeTag(QStringView text);

// Every tag of the text through normalizeTag, left to right, and the empty elements br, hr,
// img and input closed in XHTML form (" />"). A "<" without a ">" after it ends the pass and
// leaves the rest as it is. One pass over the text.
QString normalizeTags(const QString& text);

struct TagNormalisation {
    // Tags with a letter lowered.
    int lowered = 0;
    // Empty elements closed with " />".
    int closedEmpty = 0;
};
TagNormalisation normalizeTags(MarkupText& text);
