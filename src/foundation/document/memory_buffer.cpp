#include "foundation/document/memory_buffer.h"

#include "foundation/document/line_breaks.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

void MemoryBuffer::setText(const QString& text) {
    const QString stored = toCrLf(text);
    if (!text_.isEmpty() || !stored.isEmpty())
        replace(0, int(text_.size()), stored);
    anchor_ = caret_ = 0;
}

void MemoryBuffer::loadText(const QString& text) {
    text_ = toCrLf(text);
    undoSteps_.clear();
    savePoint_ = 0;
    forcedModified_ = false;
    anchor_ = caret_ = 0;
    bookmarks_.fill(-1);
}

void MemoryBuffer::setSelStart(int offset) {
    anchor_ = caret_ = clamp(offset);
}

void MemoryBuffer::setSelLength(int length) {
    const int start = selStart();
    anchor_ = start;
    caret_ = clamp(start + qMax(length, 0));
}

void MemoryBuffer::select(int anchor, int caret) {
    anchor_ = clamp(anchor);
    caret_ = clamp(caret);
}

QString MemoryBuffer::selText() const {
    return text_.mid(selStart(), selLength());
}

void MemoryBuffer::setSelText(const QString& text) {
    const QString stored = toCrLf(text);
    const int start = selStart();
    if (selLength() > 0 || !stored.isEmpty())
        replace(start, selLength(), stored);
    anchor_ = caret_ = start + int(stored.size());
}

void MemoryBuffer::selectAll() {
    anchor_ = 0;
    caret_ = int(text_.size());
}

int MemoryBuffer::caretLine() const {
    return lineOf(caret_) + 1;
}

int MemoryBuffer::caretColumn() const {
    return caret_ - lineStart(lineOf(caret_)) + 1;
}

int MemoryBuffer::lineCount() const {
    return int(text_.count(CrLf)) + 1;
}

QString MemoryBuffer::line(int index) const {
    if (index < 0 || index >= lineCount())
        return QString();
    const int start = lineStart(index);
    const qsizetype end = text_.indexOf(CrLf, start);
    return text_.mid(start, end < 0 ? -1 : end - start);
}

bool MemoryBuffer::isModified() const {
    return forcedModified_ || savePoint_ != qsizetype(undoSteps_.size());
}

void MemoryBuffer::setModified(bool modified) {
    forcedModified_ = modified;
    if (!modified)
        savePoint_ = qsizetype(undoSteps_.size());
}

void MemoryBuffer::undo() {
    if (undoSteps_.empty())
        return;
    const Edit step = std::move(undoSteps_.back());
    undoSteps_.pop_back();
    applyReplace(step.position, step.insertedLength, step.removed);
    anchor_ = caret_ = step.position + int(step.removed.size());
}

void MemoryBuffer::setBookmark(int number, int line) {
    if (number < 0 || number >= BookmarkCount)
        return;
    bookmarks_[number] = line >= 0 && line < lineCount() ? line : -1;
}

int MemoryBuffer::bookmark(int number) const {
    return number >= 0 && number < BookmarkCount ? bookmarks_[number] : -1;
}

void MemoryBuffer::clearBookmark(int number) {
    if (number >= 0 && number < BookmarkCount)
        bookmarks_[number] = -1;
}

void MemoryBuffer::replace(int position, int length, const QString& crlfText) {
    if (savePoint_ > qsizetype(undoSteps_.size()))
        savePoint_ = -1;
    undoSteps_.push_back({position, text_.mid(position, length), int(crlfText.size())});
    applyReplace(position, length, crlfText);
}

void MemoryBuffer::applyReplace(int position, int length, const QString& crlfText) {
    const bool moveBookmarks = anyBookmark();
    if (moveBookmarks && length > 0) {
        if (position == 0 && length == text_.size()) {
            // The control starts its line data afresh when the whole text goes.
            bookmarks_.fill(-1);
        } else {
            // Removed lines hand their bookmarks to the line where the removal starts.
            const int first = lineOf(position);
            const int last = lineOf(position + length);
            for (int& b : bookmarks_) {
                if (b > last)
                    b -= last - first;
                else if (b > first)
                    b = first;
            }
        }
    }
    text_.replace(position, length, crlfText);
    const int added = moveBookmarks ? int(crlfText.count(CrLf)) : 0;
    if (added > 0) {
        // Inserting at a line's start pushes that line, bookmark and all, down.
        const int line = lineOf(position);
        const bool atLineStart = position == lineStart(line);
        for (int& b : bookmarks_) {
            if (b > line || (atLineStart && b == line))
                b += added;
        }
    }
}

bool MemoryBuffer::anyBookmark() const {
    for (int b : bookmarks_) {
        if (b >= 0)
            return true;
    }
    return false;
}

int MemoryBuffer::clamp(int offset) const {
    const int bounded = qBound(0, offset, int(text_.size()));
    // A line break is one place for the caret: an offset between its CR and LF means the CR.
    if (bounded > 0 && bounded < text_.size() && text_[bounded] == QLatin1Char('\n') &&
        text_[bounded - 1] == QLatin1Char('\r'))
        return bounded - 1;
    return bounded;
}

int MemoryBuffer::lineOf(int offset) const {
    return int(QStringView(text_).first(clamp(offset)).count(CrLf));
}

int MemoryBuffer::lineStart(int line) const {
    qsizetype start = 0;
    for (int i = 0; i < line; ++i) {
        const qsizetype br = text_.indexOf(CrLf, start);
        if (br < 0)
            break;
        start = br + 2;
    }
    return int(start);
}
