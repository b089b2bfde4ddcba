#pragma once

#include <QString>

struct CommandContext;
class EditorBuffer;

// What the find dialog hands over: it searches downward only.
struct FindFields {
    QString text;
    bool matchCase = false;
    bool wholeWord = false;
};

// What the replace dialog hands over: downward only, no whole-word choice.
struct ReplaceFields {
    QString findText;
    QString replaceText;
    bool matchCase = false;
};

// What F3 continues from.
struct LastSearch {
    QString text;
    // 1-based position in the whole text where F3 begins.
    int nextStart = 1;
    bool matchCase = false;
    bool wholeWord = false;
};

enum class SearchOutcome { Found, NotFound, Skipped };

// Find, find next, replace and replace all on the one document.
//
// Finding goes through findInText, so a search without match case folds only A-Z: "Ä" does not
// find "ä". Replace all compares with the full case mapping, so there accented letters fold too.
class DocumentSearch {
public:
    static constexpr int NotFoundLine = 18;

    const LastSearch& lastSearch() const { return m_last; }

    // Opening either dialog: the caret goes to offset 1 with nothing selected.
    static void beginFind(EditorBuffer& editor);
    // The find dialog's "find next": begins after the selection, else at the start.
    SearchOutcome find(const CommandContext& context, const FindFields& fields);
    // F3: continues after the last match and wraps to the start without a word.
    SearchOutcome findNext(const CommandContext& context);

    static void beginReplace(EditorBuffer& editor);
    // The replace dialog's "find next"; F3 keeps its own text and position.
    SearchOutcome findForReplace(const CommandContext& context, const ReplaceFields& fields);
    // Replaces the selection, whatever it holds; false when nothing was selected.
    static bool replaceSelection(EditorBuffer& editor, const ReplaceFields& fields);
    // Every occurrence in one rewrite and one undo step; returns how many were replaced.
    static qsizetype replaceAll(EditorBuffer& editor, const ReplaceFields& fields);

private:
    // Searches text from position start; selects and returns the 1-based match, or 0.
    static int findAndSelect(EditorBuffer& editor, const QString& text, int start, bool wholeWord,
                             bool matchCase);
    static int startAfterSelection(const EditorBuffer& editor);

    LastSearch m_last;
};
