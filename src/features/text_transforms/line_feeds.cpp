#include "features/text_transforms/line_feeds.h"

#include "foundation/commands/command_context.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/markup/protected_blocks.h"
#include "foundation/text/whitespace.h"

QString removeLineFeeds(const QString& text) {
    ProtectedBlockLists blocks;
    return restoreStyleAndScript(joinLines(maskScriptAndStyle(text, blocks)), blocks);
}

QString insertLineFeeds(const QString& text) {
    ProtectedBlockLists blocks;
    const QString masked = maskScriptAndStyle(text, blocks);
    QString out;
    out.reserve(masked.size() + 2 * masked.count(QLatin1Char('>')));
    qsizetype copied = 0;
    for (qsizetype at = masked.indexOf(QLatin1Char('>')); at >= 0;
         at = masked.indexOf(QLatin1Char('>'), copied)) {
        out.append(QStringView(masked).mid(copied, at + 1 - copied));
        out.append(QLatin1String("\r\n"));
        copied = at + 1;
    }
    out.append(QStringView(masked).mid(copied));
    return restoreStyleAndScript(out, blocks);
}

void removeLineFeedsCommand(const CommandContext& context) {
    context.editor.setText(removeLineFeeds(context.editor.text()));
}

void insertLineFeedsCommand(const CommandContext& context) {
    context.editor.setText(insertLineFeeds(context.editor.text()));
}
