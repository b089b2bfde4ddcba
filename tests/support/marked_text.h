#pragma once

#include "foundation/document/editor_buffer.h"
#include "foundation/document/memory_buffer.h"

#include <QString>

#include <memory>

// Test documents with their selection written into the text: "|" is the caret, "[" and "]"
// enclose a selection (the caret at "]"). The texts of these tests hold none of the three.
inline std::unique_ptr<MemoryBuffer> markedBuffer(const QString& marked) {
    QString text = marked;
    const qsizetype caret = text.indexOf(QLatin1Char('|'));
    const qsizetype open = text.indexOf(QLatin1Char('['));
    text.remove(QLatin1Char('|')).remove(QLatin1Char('[')).remove(QLatin1Char(']'));
    auto buffer = std::make_unique<MemoryBuffer>(text);
    if (open >= 0) {
        const qsizetype close = marked.indexOf(QLatin1Char(']'));
        buffer->select(int(open), int(close - 1));
    } else if (caret >= 0) {
        buffer->setSelStart(int(caret));
    }
    return buffer;
}

// The buffer's text with its selection or caret marked the same way.
inline QString marked(const EditorBuffer& buffer) {
    QString text = buffer.text();
    if (buffer.selLength() == 0)
        return text.insert(buffer.selStart(), QLatin1Char('|'));
    text.insert(buffer.selStart() + buffer.selLength(), QLatin1Char(']'));
    return text.insert(buffer.selStart(), QLatin1Char('['));
}
