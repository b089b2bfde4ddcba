#pragma once

#include <QByteArrayView>

// Where a lexer may start afresh in the middle of a document and colour the text after it as
// it would from the document's start.
enum class RestartRules {
    // HTML, XML and PHP: outside comments, scripts, CDATA sections, processing instructions,
    // server blocks and tags.
    Markup,
    // CSS and JavaScript: outside block comments.
    Code,
};

// `before` is the text up to a line start (it ends there). Answers the offset in `before` of a
// line start, at or before its end, outside every construct the rules know, as far as `before`
// tells: a construct opened before it is not seen.
qsizetype restartPoint(QByteArrayView before, RestartRules rules);
