#include "cli/cli_runner.h"

#include "cli/cli_commands.h"
#include "features/files_replace/cli_files_replace.h"
#include "foundation/document/encoding_question.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/scripted_prompter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <new>
#include <limits>

namespace {

const char* const usageText =
    "Usage: hexlume-cli [--select START[:LENGTH]] [--answer WORD]... [--lang en|de] [--json]\n"
    "                   COMMAND [FILE]\n"
    "\n"
    "Runs an editor command on FILE (or standard input when FILE is - or missing) and writes\n"
    "the resulting document to standard output, exactly as Save As writes it; messages go to\n"
    "standard error. With --json, standard output is one JSON object with the text, the\n"
    "selection, the messages and the modified flag.\n"
    "\n"
    "Options:\n"
    "  --select START[:LENGTH]  selection before the command, in UTF-16 code units over the\n"
    "                           text with CR LF line breaks (default 0:0)\n"
    "  --answer WORD            answers the next question: yes, no, cancel, ok, before, behind;\n"
    "                           the document type: html4-transitional, html4-strict,\n"
    "                           html4-frameset, xhtml-transitional, xhtml-strict,\n"
    "                           xhtml-frameset, html5 or cancel\n"
    "  --lang en|de             language of the messages (default en)\n"
    "  --json                   print a JSON object instead of the document\n"
    "  --help                   show this help\n"
    "\n"
    "A document read as Windows-1252 that gained characters the code page cannot hold asks\n"
    "before it is written: --answer yes writes UTF-8 instead, otherwise nothing is written.\n"
    "\n"
    "Exit status: 0 the command ran, 1 FILE cannot be read or the result cannot be\n"
    "written, 2 usage error.\n"
    "\n"
    "Many files at once (see hexlume-cli files-replace --help):\n"
    "  hexlume-cli files-replace --search TEXT [--replace TEXT] [--case-sensitive]\n"
    "                            [--whole-word] [--all] [--search-only] FILE...\n"
    "  hexlume-cli files-replace --undo   (puts back the files the last replace rewrote)\n"
    "\n"
    "Commands:\n";

QByteArray usage() {
    QByteArray text = usageText;
    for (const CliCommand& c : cliCommands())
        text += "  " + c.name.leftJustified(20).toUtf8() + ' ' + c.summary.toUtf8() + '\n';
    return text;
}

CliResult usageError(const QString& problem) {
    return {2, {}, "hexlume-cli: " + problem.toUtf8() + "\n\n" + usage()};
}

// Wider than any text, so that start + length cannot overflow before it is clamped.
bool parseSelection(const QString& value, qint64& start, qint64& length) {
    const QStringList parts = value.split(QLatin1Char(':'));
    if (parts.size() > 2)
        return false;
    bool ok = false;
    start = parts[0].toLongLong(&ok);
    if (!ok || start < 0 || start > std::numeric_limits<int>::max())
        return false;
    length = 0;
    if (parts.size() == 2) {
        length = parts[1].toLongLong(&ok);
        if (!ok || length < 0 || length > std::numeric_limits<int>::max())
            return false;
    }
    return true;
}

const QStringList& answerWords() {
    static const QStringList words = [] {
        QStringList all{QStringLiteral("yes"), QStringLiteral("no"),     QStringLiteral("cancel"),
                        QStringLiteral("ok"),  QStringLiteral("before"), QStringLiteral("behind")};
        all += docTypeAnswerWords();
        all.removeDuplicates();
        return all;
    }();
    return words;
}

// Reads the document, runs the command on it and gives back what a run prints.
CliResult runCommand(const CliCommand& commandToRun, const QString& path,
                     const QByteArray& shownPath, qint64 selStart, qint64 selLength,
                     const QStringList& answers, UiLanguage language, bool json,
                     const std::function<QByteArray()>& readStandardInput) {
    const CliCommand* command = &commandToRun;
    std::optional<LoadedDocument> loaded;
    if (!command->readsDocument) {
        loaded = LoadedDocument{};
    } else if (path == QLatin1String("-")) {
        loaded = decodeDocument(readStandardInput ? readStandardInput() : QByteArray());
        if (!loaded)
            return {1, {}, "hexlume-cli: cannot decode " + shownPath + "\n"};
    } else {
        DocumentFileRead read = readDocumentFile(path);
        switch (read.failure) {
        case ReadFailure::None:
            break;
        case ReadFailure::NotDecodable:
            return {1, {}, "hexlume-cli: cannot decode " + shownPath + "\n"};
        case ReadFailure::TooLarge:
            return {1, {}, "hexlume-cli: too large for memory: " + shownPath + "\n"};
        default:
            return {1,
                    {},
                    "hexlume-cli: cannot read " + shownPath +
                        (read.reason.isEmpty() ? QByteArray() : ": " + read.reason.toUtf8()) +
                        "\n"};
        }
        loaded = std::move(read.document);
    }

    MessageTable messages;
    messages.setLanguage(language);
    MemoryBuffer editor;
    editor.loadText(loaded->text);
    // The buffer moves an offset inside a line break or a surrogate pair to its start.
    const qint64 textLength = loaded->text.size();
    const qint64 start = qMin(selStart, textLength);
    editor.select(int(start), int(qMin(start + selLength, textLength)));
    ScriptedPrompter prompter(answers);
    DocumentFormat format = loaded->format;
    CliContext context{editor, prompter, messages, format};
    command->run(context);

    CliResult result;
    if (json) {
        QJsonObject object{
            {QStringLiteral("text"), editor.text()},
            {QStringLiteral("selStart"), editor.selStart()},
            {QStringLiteral("selLength"), editor.selLength()},
            {QStringLiteral("messages"), QJsonArray::fromStringList(prompter.messages())},
            {QStringLiteral("modified"), editor.isModified()},
        };
        result.standardOutput = QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n';
    } else {
        result = documentOutput(editor.text(), format, prompter, language);
    }
    return result;
}

} // namespace

CliResult runCli(const QStringList& arguments,
                 const std::function<QByteArray()>& readStandardInput) {
    // Works on many files with options of its own, not on one document.
    if (!arguments.isEmpty() && arguments.first() == QLatin1String("files-replace"))
        return runFilesReplace(arguments.mid(1));
    qint64 selStart = 0;
    qint64 selLength = 0;
    QStringList answers;
    UiLanguage language = UiLanguage::English;
    bool json = false;
    QStringList positional;

    for (int i = 0; i < arguments.size(); ++i) {
        const QString& arg = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) {
            return {0, usage(), {}};
        } else if (arg == QLatin1String("--json")) {
            json = true;
        } else if (arg == QLatin1String("--select")) {
            if (!hasValue || !parseSelection(arguments[++i], selStart, selLength))
                return usageError(QStringLiteral("--select needs START[:LENGTH]"));
        } else if (arg == QLatin1String("--answer")) {
            if (!hasValue || !answerWords().contains(arguments[i + 1]))
                return usageError(QStringLiteral("--answer needs one of: ") +
                                  answerWords().join(QStringLiteral(", ")));
            answers << arguments[++i];
        } else if (arg == QLatin1String("--lang")) {
            const QString value = hasValue ? arguments[++i] : QString();
            if (value != QLatin1String("en") && value != QLatin1String("de"))
                return usageError(QStringLiteral("--lang needs en or de"));
            language = value == QLatin1String("de") ? UiLanguage::German : UiLanguage::English;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return usageError(QStringLiteral("unknown option ") + arg);
        } else {
            positional << arg;
        }
    }
    if (positional.isEmpty())
        return usageError(QStringLiteral("no command given"));
    if (positional.size() > 2)
        return usageError(QStringLiteral("too many arguments"));
    const CliCommand* command = findCliCommand(positional[0]);
    if (!command)
        return usageError(QStringLiteral("unknown command ") + positional[0]);

    const QString path = positional.size() == 2 ? positional[1] : QStringLiteral("-");
    const QByteArray shownPath =
        path == QLatin1String("-") ? QByteArray("standard input") : path.toUtf8();
    // Running out of memory on a huge input is a refusal like any other, not an abort.
    try {
        return runCommand(*command, path, shownPath, selStart, selLength, answers, language, json,
                          readStandardInput);
    } catch (const std::bad_alloc&) {
        return {1, {}, "hexlume-cli: not enough memory for " + shownPath + "\n"};
    }
}

CliResult documentOutput(const QString& text, const DocumentFormat& format,
                         ScriptedPrompter& prompter, UiLanguage language) {
    CliResult result;
    const std::optional<DocumentFormat> lossless = losslessFormat(text, format, prompter, language);
    if (lossless)
        result.standardOutput = encodeDocument(text, *lossless);
    for (const QString& m : prompter.messages())
        result.standardError += m.toUtf8() + '\n';
    if (!lossless) {
        result.exitCode = 1;
        result.standardError += "hexlume-cli: nothing written: Windows-1252 cannot hold the "
                                "text; --answer yes writes UTF-8 instead\n";
    }
    return result;
}
