#include "features/wrapping/cli_wrap_commands.h"

#include "features/wrapping/wrapping.h"

namespace {

QString wrapSummary(const WrapRow& row) {
    QString what = QStringLiteral("wrap the selection in %1 ... %2").arg(row.open, row.close);
    if (row.blankRule == BlankRule::Drop)
        what += QStringLiteral(" (in front of a blank selection)");
    else if (row.blankRule == BlankRule::DropAfterReading)
        what += QStringLiteral(" (a copy of a blank selection inside, in front of it)");
    return what;
}

} // namespace

void addWrapCommands(std::vector<CliCommand>& commands) {
    for (const WrapRow& row : wrapRows()) {
        const WrapCommand command = row.command;
        commands.push_back({QString(row.name), wrapSummary(row),
                            [command](CliContext& c) { wrapSelection(c.editor, command); }});
    }
    commands.push_back({QStringLiteral("line-break"),
                        QStringLiteral("insert \" <br />\" in front of the selection"),
                        [](CliContext& c) { insertLineBreak(c.editor); }});
    commands.push_back({QStringLiteral("horizontal-line"),
                        QStringLiteral("insert a line break and a grey horizontal line in front "
                                       "of the selection"),
                        [](CliContext& c) { insertHorizontalLine(c.editor); }});
    commands.push_back({QStringLiteral("script"),
                        QStringLiteral("replace the selection by an empty JavaScript block"),
                        [](CliContext& c) { insertScriptBlock(c.editor); }});
    commands.push_back(
        {QStringLiteral("list-ul"),
         QStringLiteral("make the selected lines an unordered list, or remove a selected list"),
         [](CliContext& c) { toggleList(c.editor, ListKind::Unordered); }});
    commands.push_back(
        {QStringLiteral("list-ol"),
         QStringLiteral("make the selected lines an ordered list, or remove a selected list"),
         [](CliContext& c) { toggleList(c.editor, ListKind::Ordered); }});
}
