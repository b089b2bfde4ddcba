#include "editor/tag_completion.h"

#include "editor/completion_entries.h"
#include "editor/undo_guard.h"

#include <QKeyEvent>
#include <Qsci/qsciscintilla.h>

using Sci = QsciScintillaBase;

namespace {

constexpr int ListId = 60;
// The control's default separators, a blank and "?", may stand in shown texts ("<a href").
constexpr char EntrySeparator = '\x1f';
constexpr char TypeSeparator = '\x1e';
// Far longer than any entry: a longer token matches nothing, however long the line is.
constexpr long TokenWindowBytes = 256;

bool isCompletionShortcut(const QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Space && key->modifiers() == Qt::ControlModifier;
}

bool endsToken(int character) {
    return character > 0 && character < 0x10000 &&
           QStringView(CompletionEndOfTokenChars).contains(QChar(character));
}

} // namespace

TagCompletion::TagCompletion(QsciScintilla* editor) : QObject(editor), m_editor(editor) {
    m_trigger.setSingleShot(true);
    m_trigger.setInterval(TriggerDelayMs);
    connect(&m_trigger, &QTimer::timeout, this, &TagCompletion::triggerElapsed);
    connect(editor, &QsciScintillaBase::SCN_CHARADDED, this, &TagCompletion::charAdded);
    connect(editor, &QsciScintillaBase::SCN_AUTOCCHARDELETED, this, &TagCompletion::charDeleted);
    connect(editor, &QsciScintilla::userListActivated, this, &TagCompletion::entryChosen);
    editor->installEventFilter(this);
}

bool TagCompletion::eventFilter(QObject* watched, QEvent* event) {
    // The event is looked at first: during the control's destruction it must not be touched.
    if (isCompletionShortcut(event) && watched == m_editor.data()) {
        // Claimed before any window shortcut, and kept from the control's own Ctrl+Space.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        else
            showForToken();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool TagCompletion::showForToken() {
    QString token;
    tokenStart(&token);
    const QList<int> matches = completionMatches(token);
    if (matches.isEmpty()) {
        closeList();
        return false;
    }
    m_shown = matches;
    QByteArray list;
    for (int index : matches) {
        if (!list.isEmpty())
            list += EntrySeparator;
        list += completionEntries()[index].shown.toUtf8();
    }
    m_editor->SendScintilla(Sci::SCI_AUTOCSETSEPARATOR, long(EntrySeparator));
    m_editor->SendScintilla(Sci::SCI_AUTOCSETTYPESEPARATOR, long(TypeSeparator));
    // The list keeps its own order; the control sorts only its lookup index.
    m_editor->SendScintilla(Sci::SCI_AUTOCSETORDER, long(Sci::SC_ORDER_CUSTOM));
    m_editor->SendScintilla(Sci::SCI_AUTOCSETCHOOSESINGLE, 0L);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETAUTOHIDE, 0L);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETIGNORECASE, 1L);
    m_editor->SendScintilla(Sci::SCI_AUTOCSETMAXHEIGHT, long(VisibleLines));
    static const QByteArray stops = QString::fromUtf16(CompletionEndOfTokenChars).toLatin1();
    m_editor->SendScintilla(Sci::SCI_AUTOCSTOPS, stops.constData());
    m_editor->SendScintilla(Sci::SCI_USERLISTSHOW, uintptr_t(ListId), list.constData());
    return true;
}

void TagCompletion::charAdded(int character) {
    if (character == '<') {
        if (listActive())
            refilter();
        else
            m_trigger.start();
        return;
    }
    if (!listActive())
        return;
    if (endsToken(character))
        closeList();
    else
        refilter();
}

void TagCompletion::charDeleted() {
    refilter();
}

void TagCompletion::triggerElapsed() {
    QString token;
    tokenStart(&token);
    if (token.startsWith(u'<'))
        showForToken();
}

void TagCompletion::entryChosen(int listId, const QString& shown) {
    if (listId != ListId)
        return;
    const QList<CompletionEntry>& entries = completionEntries();
    for (int index : std::as_const(m_shown)) {
        if (entries[index].shown != shown)
            continue;
        QString token;
        const long start = tokenStart(&token);
        const QByteArray bytes = entries[index].inserted.toUtf8();
        {
            UndoGuard group(m_editor);
            m_editor->SendScintilla(Sci::SCI_SETTARGETRANGE, start,
                                    m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS));
            m_editor->SendScintilla(Sci::SCI_REPLACETARGET, uintptr_t(bytes.size()),
                                    bytes.constData());
        }
        const long after = m_editor->SendScintilla(Sci::SCI_GETTARGETEND);
        m_editor->SendScintilla(Sci::SCI_SETSEL, after, after);
        return;
    }
}

long TagCompletion::tokenStart(QString* token) const {
    const long caret = m_editor->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long lineStart = m_editor->SendScintilla(
        Sci::SCI_POSITIONFROMLINE, m_editor->SendScintilla(Sci::SCI_LINEFROMPOSITION, caret));
    const long from = qMax(lineStart, caret - TokenWindowBytes);
    const auto* bytes = reinterpret_cast<const char*>(
        m_editor->SendScintilla(Sci::SCI_GETRANGEPOINTER, from, caret - from));
    const QString before = QString::fromUtf8(bytes, caret - from);
    *token = before.mid(completionTokenStart(before));
    return caret - token->toUtf8().size();
}

bool TagCompletion::listActive() const {
    return m_editor->SendScintilla(Sci::SCI_AUTOCACTIVE) != 0;
}

void TagCompletion::closeList() {
    if (listActive())
        m_editor->SendScintilla(Sci::SCI_AUTOCCANCEL);
}

void TagCompletion::refilter() {
    QString token;
    tokenStart(&token);
    if (token.isEmpty())
        closeList();
    else
        showForToken();
}
