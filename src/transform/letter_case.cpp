#include "transform/letter_case.h"

#include "app/command_context.h"
#include "app/text_rules.h"
#include "editor/editor_buffer.h"

QString asciiUpper(QString text) {
    for (QChar& c : text)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return text;
}

void UpperToLowerCommand(const CommandContext& context) {
    if (context.editor.selLength() > 0)
        context.editor.setSelText(asciiLower(context.editor.selText()));
}

void LowerToUpperCommand(const CommandContext& context) {
    if (context.editor.selLength() > 0)
        context.editor.setSelText(asciiUpper(context.editor.selText()));
}
