// Remove formatting, the Doctype command and the generator stamp on large pages. The cleaning
// runs on the whole page as if it were one element (its worst case); the commands run through
// the editor buffer, where the text copies and the line count are what costs.

#include "big_document.h"
#include "features/doctype/doctype_command.h"
#include "features/remove_formatting/remove_format.h"
#include "foundation/commands/command_context.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <benchmark/benchmark.h>

namespace {

const QString* pageText(benchmark::State& state) {
    const QString* text = bigDocumentText(int(state.range(0)));
    if (!text)
        state.SkipWithError("make_big.py failed");
    return text;
}

void setBytes(benchmark::State& state, const QString& text) {
    state.SetBytesProcessed(state.iterations() * text.size() * qint64(sizeof(QChar)));
}

void BM_RemoveFormattingWholePage(benchmark::State& state) {
    const QString* text = pageText(state);
    if (!text)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(stripFormatting(*text));
    setBytes(state, *text);
}

// Runs a command on a fresh buffer each time; loading the text is not timed.
template <typename Command> void runOnBuffer(benchmark::State& state, Command command) {
    const QString* text = pageText(state);
    if (!text)
        return;
    MemoryBuffer editor;
    for (auto _ : state) {
        state.PauseTiming();
        editor.loadText(*text);
        editor.setSelStart(int(text->size() / 2));
        state.ResumeTiming();
        command(editor);
    }
    setBytes(state, *text);
}

void BM_RemoveFormatCommand(benchmark::State& state) {
    runOnBuffer(state, [](MemoryBuffer& editor) { removeFormattingAtCaret(editor); });
}

void BM_DoctypeXhtml(benchmark::State& state) {
    ScriptedPrompter prompter;
    MessageTable messages;
    runOnBuffer(state, [&](MemoryBuffer& editor) {
        prompter.addAnswer(QStringLiteral("xhtml-strict"));
        insertDocType({editor, prompter, messages});
        prompter.clearMessages();
    });
}

void BM_StampGenerator(benchmark::State& state) {
    runOnBuffer(state, [](MemoryBuffer& editor) { stampGeneratorElement(editor); });
}

} // namespace

BENCHMARK(BM_RemoveFormattingWholePage)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveFormatCommand)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DoctypeXhtml)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StampGenerator)->Arg(10)->Unit(benchmark::kMillisecond);
