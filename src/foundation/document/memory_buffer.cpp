#include "foundation/document/memory_buffer.h"

#include "foundation/document/line_breaks.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void MemoryBuffer::setText(const QString& text) {
    const QString stored = toCrLf(text);
    if (!m_text.isEmpty() || !stored.isEmpty())
        replace(0, int(m_text.size()), stored);
    m_anchor = m_caret = 0;
}

void MemoryBuffer::loadText(const QString& text) {
    m_text = toCrLf(text);
    m_undoSteps.clear();
    m_savePoint = 0;
    m_forcedModified = false;
    m_anchor = m_caret = 0;
    m_bookmarks.fill(-1);
}

void MemoryBuffer::setSelStart(int offset) {
    m_anchor = m_caret = clamp(offset);
}

void MemoryBuffer::setSelLength(int length) {
    const int start = selStart();
    m_anchor = start;
    m_caret = clamp(start + qMax(length, 0));
}

void MemoryBuffer::select(int anchor, int caret) {
    m_anchor = clamp(anchor);
    m_caret = clamp(caret);
}

QString MemoryBuffer::selText() const {
    return m_text.mid(selStart(), selLength());
}

void MemoryBuffer::setSelText(const QString& text) {
    const QString stored = toCrLf(text);
    const int start = selStart();
    if (selLength() > 0 || !stored.isEmpty())
        replace(start, selLength(), stored);
    m_anchor = m_caret = start + int(stored.size());
}

void MemoryBuffer::selectAll() {
    m_anchor = 0;
    m_caret = int(m_text.size());
}

int MemoryBuffer::caretLine() const {
    return lineOf(m_caret) + 1;
}

int MemoryBuffer::caretColumn() const {
    return m_caret - lineStart(lineOf(m_caret)) + 1;
}

int MemoryBuffer::lineCount() const {
    return int(m_text.count(CrLf)) + 1;
}

QString MemoryBuffer::line(int index) const {
    if (index < 0 || index >= lineCount())
        return QString();
    const int start = lineStart(index);
    const qsizetype end = m_text.indexOf(CrLf, start);
    return m_text.mid(start, end < 0 ? -1 : end - start);
}

bool MemoryBuffer::isModified() const {
    return m_forcedModified || m_savePoint != qsizetype(m_undoSteps.size());
}

void MemoryBuffer::setModified(bool modified) {
    m_forcedModified = modified;
    if (!modified)
        m_savePoint = qsizetype(m_undoSteps.size());
}

void MemoryBuffer::undo() {
    if (m_undoSteps.empty())
        return;
    const Edit step = std::move(m_undoSteps.back());
    m_undoSteps.pop_back();
    applyReplace(step.position, step.insertedLength, step.removed);
    m_anchor = m_caret = step.position + int(step.removed.size());
}

void MemoryBuffer::setBookmark(int number, int line) {
    if (number < 0 || number >= BookmarkCount)
        return;
    m_bookmarks[number] = line >= 0 && line < lineCount() ? line : -1;
}

int MemoryBuffer::bookmark(int number) const {
    return number >= 0 && number < BookmarkCount ? m_bookmarks[number] : -1;
}

void MemoryBuffer::clearBookmark(int number) {
    if (number >= 0 && number < BookmarkCount)
        m_bookmarks[number] = -1;
}

void MemoryBuffer::replace(int position, int length, const QString& crlfText) {
    if (m_savePoint > qsizetype(m_undoSteps.size()))
        m_savePoint = -1;
    m_undoSteps.push_back({position, m_text.mid(position, length), int(crlfText.size())});
    applyReplace(position, length, crlfText);
}

void MemoryBuffer::applyReplace(int position, int length, const QString& crlfText) {
    const bool moveBookmarks = anyBookmark();
    if (moveBookmarks && length > 0) {
        if (position == 0 && length == m_text.size()) {
            // The control starts its line data afresh when the whole text goes.
            m_bookmarks.fill(-1);
        } else {
            // Removed lines hand their bookmarks to the line where the removal starts.
            const int first = lineOf(position);
            const int last = lineOf(position + length);
            for (int& b : m_bookmarks) {
                if (b > last)
                    b -= last - first;
                else if (b > first)
                    b = first;
            }
        }
    }
    m_text.replace(position, length, crlfText);
    const int added = moveBookmarks ? int(crlfText.count(CrLf)) : 0;
    if (added > 0) {
        // Inserting at a line's start pushes that line, bookmark and all, down.
        const int line = lineOf(position);
        const bool atLineStart = position == lineStart(line);
        for (int& b : m_bookmarks) {
            if (b > line || (atLineStart && b == line))
                b += added;
        }
    }
}

bool MemoryBuffer::anyBookmark() const {
    for (int b : m_bookmarks) {
        if (b >= 0)
            return true;
    }
    return false;
}

int MemoryBuffer::clamp(int offset) const {
    const int bounded = qBound(0, offset, int(m_text.size()));
    // A line break is one place for the caret: an offset between its CR and LF means the CR.
    if (bounded > 0 && bounded < m_text.size() && m_text[bounded] == QLatin1Char('\n') &&
        m_text[bounded - 1] == QLatin1Char('\r'))
        return bounded - 1;
    // So is a surrogate pair: an offset between its halves means its start.
    if (bounded > 0 && bounded < m_text.size() && m_text[bounded].isLowSurrogate() &&
        m_text[bounded - 1].isHighSurrogate())
        return bounded - 1;
    return bounded;
}

int MemoryBuffer::lineOf(int offset) const {
    return int(QStringView(m_text).first(clamp(offset)).count(CrLf));
}

int MemoryBuffer::lineStart(int line) const {
    qsizetype start = 0;
    for (int i = 0; i < line; ++i) {
        const qsizetype br = m_text.indexOf(CrLf, start);
        if (br < 0)
            break;
        start = br + 2;
    }
    return int(start);
}
