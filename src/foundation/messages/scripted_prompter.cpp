#include "foundation/messages/scripted_prompter.h"

namespace {

struct DocTypeAnswer {
    const char* word;
    int code;
};

constexpr DocTypeAnswer docTypeAnswers[] = {
    {"html4-transitional", 1},
    {"html4-strict", 2},
    {"html4-frameset", 3},
    {"xhtml-transitional", 11},
    {"xhtml-strict", 12},
    {"xhtml-frameset", 13},
    {"html5", 21},
    {"cancel", 0},
};

} // namespace

const QStringList& docTypeAnswerWords() {
    static const QStringList words = [] {
        QStringList all;
        for (const DocTypeAnswer& a : docTypeAnswers)
            all << QLatin1String(a.word);
        return all;
    }();
    return words;
}

QString ScriptedPrompter::takeAnswer() {
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}

Prompter::Answer ScriptedPrompter::ask(const QString& text, Answer cancelling) {
    m_messages.append(text);
    const QString word = takeAnswer().toLower();
    if (word == QLatin1String("yes"))
        return Answer::Yes;
    if (word == QLatin1String("no"))
        return Answer::No;
    if (word == QLatin1String("ok"))
        return Answer::Ok;
    if (word == QLatin1String("cancel"))
        return Answer::Cancel;
    return cancelling;
}

Prompter::Answer ScriptedPrompter::askYesNo(const QString& text) {
    const Answer a = ask(text, Answer::No);
    return a == Answer::Yes ? Answer::Yes : Answer::No;
}

Prompter::Answer ScriptedPrompter::askYesNoCancel(const QString& text) {
    const Answer a = ask(text, Answer::Cancel);
    return a == Answer::Ok ? Answer::Cancel : a;
}

Prompter::Answer ScriptedPrompter::askOkCancel(const QString& text) {
    const Answer a = ask(text, Answer::Cancel);
    return a == Answer::Ok || a == Answer::Yes ? Answer::Ok : Answer::Cancel;
}

Prompter::Placement ScriptedPrompter::choosePlacement(const QString& text) {
    m_messages.append(text);
    const QString word = takeAnswer().toLower();
    if (word == QLatin1String("before"))
        return Placement::Before;
    if (word == QLatin1String("behind"))
        return Placement::Behind;
    return Placement::Cancel;
}

int ScriptedPrompter::chooseDocType() {
    m_messages.append(QStringLiteral("DocType"));
    const QString word = takeAnswer().toLower();
    for (const DocTypeAnswer& a : docTypeAnswers)
        if (word == QLatin1String(a.word))
            return a.code;
    return 0;
}

QString ScriptedPrompter::chooseOpenFile(const QString& folder, const QString& filter) {
    lastChooserFolder = folder;
    lastChooserFilter = filter;
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}

QString ScriptedPrompter::chooseSaveFile(const QString& folder, const QString& fileName,
                                         const QString& filter) {
    lastChooserFolder = folder;
    lastChooserFileName = fileName;
    lastChooserFilter = filter;
    return m_files.isEmpty() ? QString() : m_files.takeFirst();
}
