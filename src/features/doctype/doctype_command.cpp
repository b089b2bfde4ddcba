#include "features/doctype/doctype_command.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/doctype.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/case_rules.h"

bool specificationApplies(const DocTypeFields& fields) {
    return fields.documentIndex != 2;
}

int docTypeResult(const DocTypeFields& fields, bool accepted) {
    if (!accepted)
        return 0;
    return docTypeCode(fields.documentIndex,
                       specificationApplies(fields) ? fields.specificationIndex : 0);
}

DocTypeDialogTexts docTypeDialogTexts(UiLanguage language) {
    const QStringList documents{QStringLiteral("HTML 4"), QStringLiteral("XHTML"),
                                QStringLiteral("HTML 5")};
    const QStringList specifications{QStringLiteral("Transitional"), QStringLiteral("Strict"),
                                     QStringLiteral("Frameset")};
    if (language == UiLanguage::German)
        return {QStringLiteral("DocType"),
                QStringLiteral("Dokument"),
                documents,
                QStringLiteral("Spezifikation"),
                specifications,
                QStringLiteral("Wenn Sie sich nicht mit den DocType Spezifikationen auskennen, "
                               "verwenden Sie die Voreinstellungen."),
                QStringLiteral("OK"),
                QStringLiteral("Abbrechen")};
    return {QStringLiteral("DocType"),
            QStringLiteral("Document"),
            documents,
            QStringLiteral("Specification"),
            specifications,
            QStringLiteral("If you are not familiar with DocType specifications use the default "
                           "setting."),
            QStringLiteral("OK"),
            QStringLiteral("Cancel")};
}

QString runCodeCheckNote(UiLanguage language) {
    return language == UiLanguage::German
               ? QStringLiteral("Bitte führen Sie eine Codeprüfung (HTML-Menü) durch.")
               : QStringLiteral("Run code check (HTML menu) please.");
}

void stampGeneratorKeepingSelection(EditorBuffer& editor) {
    const int start = editor.selStart();
    const int caret = editor.caretOffset();
    const int anchor = caret == start ? start + editor.selLength() : start;
    const QString before = editor.text();
    stampGeneratorElement(editor);
    const QString after = editor.text();
    // The stamp changed one stretch: find it as the part between the common ends.
    const qsizetype shorter = qMin(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    auto moved = [&](int offset) {
        if (offset <= head)
            return offset;
        if (offset >= before.size() - tail)
            return int(offset + after.size() - before.size());
        return int(after.size() - tail);
    };
    editor.select(moved(anchor), moved(caret));
}

void insertDocType(const CommandContext& context) {
    const int code = context.prompter.chooseDocType();
    if (code == 0)
        return;
    const QString text = context.editor.text();
    const QString declaration = docTypeDeclaration(code) + QStringLiteral("\r\n");
    QString result;
    result.reserve(declaration.size() + text.size() + xhtmlRootElement().size());
    result += declaration;
    if (isXhtmlDocType(code)) {
        // Only a root without attributes matches; one that has some keeps its form.
        const QStringView root = u"<html>";
        const qsizetype found = indexOfIgnoringCase(text, root);
        if (found < 0) {
            result += text;
        } else {
            result += QStringView(text).left(found);
            result += xhtmlRootElement();
            result += QStringView(text).mid(found + root.size());
        }
        context.prompter.information(runCodeCheckNote(context.messages.language()));
    } else {
        result += text;
    }
    context.editor.setText(result);
}
