#include "features/text_transforms/letter_case.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

QString asciiUpper(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return text;
}

void upperToLowerCommand(const CommandContext& context) {
    if (context.editor.selLength() > 0)
        context.editor.setSelText(asciiLower(context.editor.selText()));
}

void lowerToUpperCommand(const CommandContext& context) {
    if (context.editor.selLength() > 0)
        context.editor.setSelText(asciiUpper(context.editor.selText()));
}
