#include "features/check_html/check_report_dialog.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"
#include "widgets/help.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The help topic of the main window, whose command the check is.
constexpr int HelpContext = 60;

const UiText Title{"Prüfe HTML", "Check HTML"};
const UiText CloseCaption{"Schließen", "Close"};

} // namespace

CheckReportDialog::CheckReportDialog(const QString& report, UiLanguage language, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("checkReportDialog"));
    setWindowTitle(Title.in(language));
    installHelpKey(this, HelpContext, [language] { return language; });

    m_text = named(new QPlainTextEdit(this), "reportText");
    m_text->setReadOnly(true);
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The report's lines end in CR LF; the control would show the CR.
    m_text->setPlainText(QString(report).replace(QLatin1String("\r\n"), QLatin1String("\n")));

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Close, this), "buttons");
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setText(CloseCaption.in(language));
    close->setDefault(true);
    addHelpButton(buttons, HelpContext, [language] { return language; });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    resize(560, 360);
    // In the text, keys scroll it and Ctrl+A, Ctrl+C copy it at once; Enter still closes.
    m_text->setFocus();
}

QString CheckReportDialog::reportText() const {
    return m_text->toPlainText();
}
