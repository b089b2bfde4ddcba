#include "features/tables/cli_table_commands.h"

#include "features/tables/cell_merge.h"
#include "features/tables/element_locator.h"
#include "features/tables/table_edit.h"

namespace {

CliCommand selectCommand(const char* name, const char* what, const ElementTags& tags) {
    return {QLatin1String(name),
            QStringLiteral("select the %1 around the caret, from \"%2\" through \"%3\"")
                .arg(QLatin1String(what), tags.openTag, tags.closeTag),
            [&tags](CliContext& c) { selectEnclosingElement(c.command(), tags); }};
}

CliCommand deleteCommand(const char* name, const char* what, const ElementTags& tags) {
    return {QLatin1String(name),
            QStringLiteral("delete the %1 around the caret after asking (--answer yes|no)")
                .arg(QLatin1String(what)),
            [&tags](CliContext& c) { deleteEnclosingElement(c.command(), tags); }};
}

} // namespace

void addTableCommands(std::vector<CliCommand>& commands) {
    commands.push_back(selectCommand("select-cell", "table cell", cellTags()));
    commands.push_back(selectCommand("select-row", "table row", rowTags()));
    commands.push_back(selectCommand("select-table", "table", tableTags()));
    commands.push_back(selectCommand("select-form", "form", formTags()));
    commands.push_back(selectCommand("select-div", "DIV element", divTags()));
    commands.push_back(selectCommand("select-span", "SPAN element", spanTags()));
    commands.push_back({QStringLiteral("insert-row"),
                        QStringLiteral("insert a one-cell row before or behind the row around "
                                       "the caret (--answer before|behind|cancel)"),
                        [](CliContext& c) { insertRow(c.command()); }});
    commands.push_back({QStringLiteral("insert-cell"),
                        QStringLiteral("insert a cell before or behind the cell around the caret "
                                       "(--answer before|behind|cancel)"),
                        [](CliContext& c) { insertCell(c.command()); }});
    commands.push_back(deleteCommand("delete-row", "table row", rowTags()));
    commands.push_back(deleteCommand("delete-cell", "table cell", cellTags()));
    commands.push_back(deleteCommand("delete-table", "table", tableTags()));
    commands.push_back({QStringLiteral("merge-cells"),
                        QStringLiteral("merge the selected cells into the first, with a colspan "
                                       "for their number"),
                        [](CliContext& c) { mergeSelectedCells(c.command()); }});
    commands.push_back({QStringLiteral("split-cell"),
                        QStringLiteral("lower the selected cell's colspan and add a cell before "
                                       "or behind it (--answer before|behind|cancel)"),
                        [](CliContext& c) { splitSelectedCell(c.command()); }});
}
