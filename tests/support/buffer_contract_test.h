#pragma once

#include "foundation/document/editor_buffer.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toUtf8().toStdString() << '"';
}

// What every EditorBuffer must do alike; each implementation instantiates the suite with
// a factory of its own.
using BufferFactory = std::unique_ptr<EditorBuffer> (*)();

class BufferContract : public ::testing::TestWithParam<BufferFactory> {
protected:
    void SetUp() override { buffer = GetParam()(); }

    std::unique_ptr<EditorBuffer> buffer;
};
