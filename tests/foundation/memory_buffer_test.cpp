#include "buffer_contract_test.h"

#include "foundation/document/memory_buffer.h"

namespace {

std::unique_ptr<EditorBuffer> makeMemoryBuffer() {
    return std::make_unique<MemoryBuffer>();
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Memory, BufferContract, ::testing::Values(&makeMemoryBuffer),
                         [](const auto&) { return std::string("MemoryBuffer"); });

TEST(MemoryBuffer, UndoStepsUnwindInReverseOrder) {
    MemoryBuffer buffer(QStringLiteral("abc"));
    buffer.setSelStart(3);
    buffer.setSelText(QStringLiteral("d"));
    buffer.select(0, 1);
    buffer.setSelText(QStringLiteral("\n"));
    buffer.setText(QStringLiteral("whole"));
    ASSERT_EQ(buffer.text(), QStringLiteral("whole"));

    buffer.undo();
    EXPECT_EQ(buffer.text(), QStringLiteral("\r\nbcd"));
    buffer.undo();
    EXPECT_EQ(buffer.text(), QStringLiteral("abcd"));
    EXPECT_EQ(buffer.caretOffset(), 1);
    buffer.undo();
    EXPECT_EQ(buffer.text(), QStringLiteral("abc"));
    EXPECT_FALSE(buffer.isModified());
}
