#include "foundation/document/encoding_question.h"

#include "foundation/document/document_texts.h"
#include "foundation/messages/prompter.h"

QString describeCharacter(QStringView text, qsizetype at) {
    const bool pair =
        at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate();
    const QStringView character = text.mid(at, pair ? 2 : 1);
    const char32_t code =
        pair ? QChar::surrogateToUcs4(text[at], text[at + 1]) : char32_t(text[at].unicode());
    return QStringLiteral("\"%1\" (U+%2)")
        .arg(character.toString(), QString::number(code, 16).toUpper().rightJustified(4, u'0'));
}

std::optional<DocumentFormat> losslessFormat(QStringView text, const DocumentFormat& format,
                                             Prompter& prompter, UiLanguage language) {
    if (format.encoding != TextEncoding::Ansi)
        return format;
    const std::optional<qsizetype> at = firstUnencodableCharacter(text, TextEncoding::Ansi);
    if (!at)
        return format;
    if (prompter.askYesNo(UnencodableQuestion.in(language).arg(describeCharacter(text, *at))) !=
        Prompter::Answer::Yes)
        return std::nullopt;
    DocumentFormat utf8 = format;
    utf8.encoding = TextEncoding::Utf8;
    utf8.byteOrderMark = true;
    return utf8;
}
