#include "shell/about_box.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include "platform/platform.h"
#include "widgets/help.h"
#include "widgets/tab_order.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const UiText Caption{"Info", "About"};
const UiText Description{"Der Editor für HTML und XHTML von Hand.",
                         "The editor for HTML and XHTML by hand."};
const UiText Address{"https://hexlume.example.org/de/", "https://hexlume.example.org/en/"};

} // namespace

AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform) {
    setObjectName(QStringLiteral("aboutBox"));

    auto* picture = new QLabel;
    picture->setPixmap(QIcon(QStringLiteral(":/icons/hexlume.svg")).pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QStringLiteral("Hexlume"));
    product->setObjectName(QStringLiteral("productName"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);

    m_version = new QLabel;
    m_version->setObjectName(QStringLiteral("versionLabel"));
    m_version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_description = new QLabel;
    m_description->setObjectName(QStringLiteral("descriptionLabel"));
    m_link = new QLabel;
    m_link->setObjectName(QStringLiteral("linkLabel"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(m_link, &QLabel::linkActivated, this,
            [this](const QString& address) { m_platform.openDocument(address); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(product);
    texts->addWidget(m_version);
    texts->addSpacing(8);
    texts->addWidget(m_description);
    texts->addWidget(m_link);
    texts->addStretch();

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    orderTabsByLayout(this);

    installHelpKey(this, 50, [this] { return m_language; });
}

QString AboutBox::webAddress(UiLanguage language) {
    return Address.in(language);
}

void AboutBox::showTexts(const QString& version) {
    setWindowTitle(Caption.in(m_language));
    m_version->setText(QStringLiteral("Version ") + version);
    m_description->setText(Description.in(m_language));
    const QString address = webAddress(m_language);
    m_link->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address.toHtmlEscaped()));
}

int AboutBox::showModal(UiLanguage language, const QString& version) {
    m_language = language;
    showTexts(version);
    return exec();
}

void showAboutBox(QWidget* parent, Platform& platform, UiLanguage language) {
    // Kept with the window like every dialog, so a help window opened from it stays open.
    auto* box = parent->findChild<AboutBox*>(QString(), Qt::FindDirectChildrenOnly);
    if (!box)
        box = new AboutBox(platform, parent);
    const QString version = platform.programVersion();
    box->showModal(language, version.isEmpty() ? QStringLiteral("Not available") : version);
}
