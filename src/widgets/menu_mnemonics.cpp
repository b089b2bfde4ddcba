#include "widgets/menu_mnemonics.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QSet>

namespace {

// Index of the marked character, or -1.
qsizetype markAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] != QLatin1Char('&'))
            return i + 1;
        ++i;
    }
    return -1;
}

bool usable(QChar c) {
    return c.isLetterOrNumber();
}

// Where a mark may go, best first. The part after a tab is a shortcut label, not caption.
QList<qsizetype> candidates(const QString& caption) {
    qsizetype end = caption.indexOf(QLatin1Char('\t'));
    if (end < 0)
        end = caption.size();
    QList<qsizetype> initials;
    QList<qsizetype> others;
    for (qsizetype i = 0; i < end; ++i) {
        if (!usable(caption[i]))
            continue;
        const bool initial = i == 0 || !usable(caption[i - 1]);
        (initial ? initials : others) << i;
    }
    QList<qsizetype> order;
    // "Bookmark 3", "h3": the number tells the items apart.
    if (end > 0 && caption[end - 1].isDigit())
        order << end - 1;
    order << initials << others;
    return order;
}

} // namespace

QChar mnemonicOf(const QString& caption) {
    const qsizetype at = markAt(caption);
    return at < 0 ? QChar() : caption[at].toLower();
}

QString withoutMnemonic(const QString& caption) {
    const qsizetype at = markAt(caption);
    return at < 0 ? caption : QString(caption).remove(at - 1, 1);
}

namespace {

// One caption's claim: the letters it may take, best first, and where each stands.
struct Claim {
    QAction* action;
    QString caption;
    QList<qsizetype> positions;
    qsizetype chosen = -1;
};

// Kuhn's augmenting paths: a later item may move an earlier one to its next letter, so a full
// menu still gives every item one while letters last.
bool claimLetter(int item, QList<Claim>& claims, QHash<QChar, int>& owner, QSet<QChar>& visited) {
    Claim& claim = claims[item];
    for (qsizetype at : std::as_const(claim.positions)) {
        const QChar letter = claim.caption[at].toLower();
        if (visited.contains(letter))
            continue;
        visited.insert(letter);
        const auto held = owner.constFind(letter);
        if (held == owner.cend() || claimLetter(held.value(), claims, owner, visited)) {
            owner.insert(letter, item);
            claim.chosen = at;
            return true;
        }
    }
    return false;
}

} // namespace

void assignMnemonics(const QList<QAction*>& actions, const QString& reserved) {
    QSet<QChar> taken(reserved.cbegin(), reserved.cend());
    QList<QAction*> open;
    for (QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty())
            continue;
        const QChar marked = mnemonicOf(action->text());
        if (!marked.isNull() && usable(marked) && !taken.contains(marked))
            taken.insert(marked);
        else
            open << action;
    }
    QList<Claim> claims;
    for (QAction* action : std::as_const(open)) {
        Claim claim{action, withoutMnemonic(action->text()), {}};
        for (qsizetype at : candidates(claim.caption))
            if (!taken.contains(claim.caption[at].toLower()))
                claim.positions << at;
        claims << claim;
    }
    QHash<QChar, int> owner;
    for (int item = 0; item < claims.size(); ++item) {
        QSet<QChar> visited;
        claimLetter(item, claims, owner, visited);
    }
    for (const Claim& claim : std::as_const(claims)) {
        QString caption = claim.caption;
        if (claim.chosen >= 0)
            caption.insert(claim.chosen, QLatin1Char('&'));
        if (caption != claim.action->text())
            claim.action->setText(caption);
    }
}

void assignMnemonicsOnShow(QMenu* menu) {
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] { assignMnemonics(menu->actions()); });
}
