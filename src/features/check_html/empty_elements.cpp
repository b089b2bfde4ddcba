#include "features/check_html/empty_elements.h"

#include "features/check_html/markup_scan.h"
#include "features/check_html/markup_text.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/text/case_rules.h"

#include <vector>

namespace {

bool isEmptyContent(QStringView content) {
    return content.isEmpty() || content == u"&nbsp" || content == u"&nbsp;";
}

} // namespace

int removeEmptyElements(MarkupText& text, QStringView openPattern, QStringView closePattern,
                        qsizetype* caret) {
    Q_ASSERT(openPattern.startsWith(QLatin1Char('<')) && closePattern.startsWith(QLatin1Char('<')));
    const QStringView view(text.text());
    // All three searches only move forward, and what they find lies behind every removal so
    // far: positions are the original text's. What replaces an element holds no "<", so an
    // opening pattern is always found in the original text that follows.
    OpeningPatternCursor openings(text, openPattern);
    OpeningPatternCursor closings(text, closePattern);
    const MarkupText::Positions& tagEnds = text.closings();
    size_t nextEnd = 0;
    std::vector<MarkupText::Edit> edits;
    qsizetype shift = 0;
    qsizetype from = 2;
    for (;;) {
        const qsizetype open = openings.next(from);
        if (open < 0)
            break;
        from = open + 2;
        while (nextEnd < tagEnds.size() && tagEnds[nextEnd] < open)
            ++nextEnd;
        if (nextEnd == tagEnds.size())
            continue;
        const qsizetype gt = tagEnds[nextEnd];
        const qsizetype close = closings.next(gt + 1);
        if (close < 0)
            continue;
        const QStringView content = trimBlank(view.mid(gt + 1, close - gt - 1));
        if (!isEmptyContent(content))
            continue;
        const qsizetype end = close + closePattern.size();
        edits.push_back({open, end - open, content});
        if (caret)
            *caret = open + shift + content.size();
        shift += content.size() - (end - open);
        // Two characters after the element's start in the changed text: into what followed it
        // when the content is shorter than two characters.
        from = end + qMax<qsizetype>(0, 2 - content.size());
    }
    text.apply(edits);
    return int(edits.size());
}

EmptyElementRemoval removeEmptyElementsFromText(const QString& text, QStringView openPattern,
                                                QStringView closePattern) {
    MarkupText markup(text);
    EmptyElementRemoval result;
    result.count = removeEmptyElements(markup, openPattern, closePattern, &result.caret);
    result.text = markup.takeText();
    return result;
}

int removeEmptyElements(EditorBuffer& editor, QStringView openPattern, QStringView closePattern) {
    const EmptyElementRemoval removal =
        removeEmptyElementsFromText(editor.text(), openPattern, closePattern);
    if (removal.count == 0)
        return 0;
    editor.setText(removal.text);
    editor.setSelStart(int(removal.caret));
    return removal.count;
}
