#include "features/recovery/recovery_dialog.h"

#include "features/recovery/recovery_texts.h"
#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

using namespace RecoveryText;

RecoveryDialog::RecoveryDialog(const Journal& journal, UiLanguage language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("recoveryDialog"));
    setWindowTitle(Title.in(language));
    const QLocale locale(language == UiLanguage::German ? QLocale::German : QLocale::English);
    const QString when = locale.toString(journal.written.toLocalTime(), QLocale::LongFormat);

    QString text;
    if (journal.kind == Journal::Kind::Scratch)
        text = KeptScratch.in(language).arg(when);
    else if (journal.fileName.isEmpty())
        text = KeptUntitled.in(language).arg(when);
    else
        text = KeptDocument.in(language).arg(journal.fileName, when);
    const QString note = diskNote(journal, language);
    if (!note.isEmpty())
        text += QStringLiteral("\n\n") + note;
    text += QStringLiteral("\n\n") + Question.in(language);

    m_text = named(new QLabel(text), "recoveryText");
    m_text->setWordWrap(true);
    m_text->setMinimumWidth(420);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox;
    QPushButton* recover =
        named(buttons->addButton(RecoveryText::Recover.in(language), QDialogButtonBox::AcceptRole),
              "recoverButton");
    QPushButton* discard = named(
        buttons->addButton(RecoveryText::Discard.in(language), QDialogButtonBox::DestructiveRole),
        "discardButton");
    named(buttons->addButton(RecoveryText::Later.in(language), QDialogButtonBox::RejectRole),
          "laterButton");
    recover->setDefault(true);
    connect(recover, &QPushButton::clicked, this, [this] { done(Recover); });
    connect(discard, &QPushButton::clicked, this, [this] { done(Discard); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const HelpLanguage helpLanguage = [language] { return language; };
    addHelpButton(buttons, HelpContext, helpLanguage);
    installHelpKey(this, HelpContext, helpLanguage);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
}

QString RecoveryDialog::text() const {
    return m_text->text();
}

QString RecoveryDialog::diskNote(const Journal& journal, UiLanguage language) {
    if (journal.kind != Journal::Kind::Document || journal.fileName.isEmpty() ||
        !journal.disk.known)
        return QString();
    const FileStamp now = FileStamp::of(journal.fileName);
    if (now == journal.disk)
        return QString();
    return now.exists ? ChangedAfter.in(language) : GoneAfter.in(language);
}
