#include "features/settings_dialog/settings_dialog.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include "editor/highlighters.h"
#include "foundation/settings/settings_file.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The dialog's texts that follow the UI language, German first.
const UiText Caption{"Einstellungen", "Settings"};
const UiText FontSizeText{"Schriftgröße", "Font size"};
const UiText NumberingText{"Zeilennummerierung", "Line numbering"};
const UiText OnText{"An", "On"};
const UiText OffText{"Aus", "Off"};
const UiText FtpText{"FTP-Anmeldung", "FTP login"};
const UiText UserText{"Benutzer", "User"};
const UiText PasswordText{"Passwort", "Password"};
const UiText ServerText{"Server", "Server"};
const UiText AnonymousText{"Anonym", "Anonymous"};
const UiText ClientText{"FTP-Client", "FTP client"};
const UiText CharsetText{"HTML-Zeichensatz", "HTML charset"};
const UiText BrowserText{"Externer Browser", "External browser"};
const UiText ColoursText{"Farben", "Colors"};
const UiText KeywordText{"Schlüsselwort", "Keyword"};
const UiText ParameterText{"Parameter", "Parameter"};
const UiText ValuesText{"Werte", "Values"};
const UiText CommentText{"Kommentar", "Comment"};
const UiText EntitiesText{"Entities", "Entities"};
const UiText UpdateText{"Automatisch nach Updates suchen (empfohlen)",
                        "Automatically check for updates (recommended)"};
const UiText CancelText{"Abbrechen", "Cancel"};
const UiText ColourHint{"Farbe auswählen", "Choose colour"};
const UiText BrowseHint{"Durchsuchen", "Open path"};
const UiText HelpHint{"Hilfe (F1)", "Help (F1)"};

constexpr int HelpContext = 90;

const char* const FontSizes[] = {"8", "9", "10", "12", "14", "16", "18", "20", "24", "26", "28"};

QPushButton* toolButton(const char* name, const QIcon& icon) {
    auto* button = named(new QPushButton(icon, QString()), name);
    button->setAutoDefault(false);
    return button;
}

QWidget* withButton(QLineEdit* edit, QPushButton* button) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    layout->addWidget(button);
    return row;
}

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("settingsDialog"));

    m_fontName = named(new QLineEdit, "fontNameEdit");
    m_fontName->setVisible(false);
    m_fontSize = named(new QComboBox, "fontSizeCombo");
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const char* size : FontSizes)
        m_fontSize->addItem(QLatin1String(size));
    m_fontSizeLabel = new QLabel;
    m_fontSizeLabel->setBuddy(m_fontSize);

    m_numbering = named(new QGroupBox, "lineNumberingGroup");
    m_numbersOn = named(new QRadioButton, "lineNumbersOnRadio");
    m_numbersOff = named(new QRadioButton, "lineNumbersOffRadio");
    auto* numbering = new QHBoxLayout(m_numbering);
    numbering->addWidget(m_numbersOn);
    numbering->addWidget(m_numbersOff);
    numbering->addStretch();

    m_charset = named(new QComboBox, "charsetCombo");
    m_charset->addItems(charsetItems());
    m_region = named(new QLabel, "regionLabel");
    connect(m_charset, &QComboBox::currentIndexChanged, this, [this] { showRegion(); });
    auto* charsetRow = new QWidget;
    auto* charsetLayout = new QHBoxLayout(charsetRow);
    charsetLayout->setContentsMargins(0, 0, 0, 0);
    charsetLayout->addWidget(m_charset);
    charsetLayout->addWidget(m_region, 1);

    const QIcon openIcon = themedIcon(QStringLiteral("document-open"));
    m_browser = named(new QLineEdit, "browserEdit");
    m_browserBrowse = toolButton("browserBrowseButton", openIcon);
    m_browserLabel = new QLabel;
    m_browserLabel->setBuddy(m_browser);
    connect(m_browserBrowse, &QPushButton::clicked, this, [this] { browse(m_browser); });

    auto* general = new QFormLayout;
    general->addRow(m_fontSizeLabel, m_fontSize);
    general->addRow(m_numbering);
    m_charsetLabel = named(new QLabel, "charsetLabel");
    m_charsetLabel->setBuddy(m_charset);
    general->addRow(m_charsetLabel, charsetRow);
    general->addRow(m_browserLabel, withButton(m_browser, m_browserBrowse));

    m_ftp = named(new QGroupBox, "ftpGroup");
    m_user = named(new QLineEdit, "ftpUserEdit");
    m_password = named(new QLineEdit, "ftpPasswordEdit");
    m_password->setEchoMode(QLineEdit::Password);
    m_server = named(new QLineEdit, "ftpServerEdit");
    m_anonymous = named(new QCheckBox, "anonymousLoginCheck");
    connect(m_anonymous, &QCheckBox::toggled, this, [this] { anonymousChanged(); });
    m_client = named(new QLineEdit, "ftpClientEdit");
    m_clientBrowse = toolButton("ftpClientBrowseButton", openIcon);
    connect(m_clientBrowse, &QPushButton::clicked, this, [this] { browse(m_client); });
    auto* ftp = new QFormLayout(m_ftp);
    m_userLabel = named(new QLabel, "ftpUserLabel");
    m_passwordLabel = named(new QLabel, "ftpPasswordLabel");
    m_serverLabel = named(new QLabel, "ftpServerLabel");
    m_clientLabel = named(new QLabel, "ftpClientLabel");
    ftp->addRow(m_userLabel, m_user);
    ftp->addRow(m_passwordLabel, m_password);
    ftp->addRow(m_serverLabel, m_server);
    ftp->addRow(QString(), m_anonymous);
    ftp->addRow(m_clientLabel, withButton(m_client, m_clientBrowse));
    m_userLabel->setBuddy(m_user);
    m_passwordLabel->setBuddy(m_password);
    m_serverLabel->setBuddy(m_server);
    m_clientLabel->setBuddy(m_client);

    m_colours = named(new QGroupBox, "coloursGroup");
    auto* colours = new QGridLayout(m_colours);
    const char* editNames[] = {"keywordColourEdit", "identifierColourEdit", "valueColourEdit",
                               "commentColourEdit", "entityColourEdit"};
    const char* panelNames[] = {"keywordColourPanel", "identifierColourPanel", "valueColourPanel",
                                "commentColourPanel", "entityColourPanel"};
    const char* buttonNames[] = {"keywordColourButton", "identifierColourButton",
                                 "valueColourButton", "commentColourButton", "entityColourButton"};
    const QIcon colourIcon = QIcon::fromTheme(QStringLiteral("color-select"),
                                              QIcon(QStringLiteral(":/icons/hx-setup-colour.svg")));
    for (int i = 0; i < 5; ++i) {
        ColourRow& row = m_rows[i];
        row.edit = named(new QLineEdit, editNames[i]);
        row.panel = named(new QFrame, panelNames[i]);
        row.panel->setFrameShape(QFrame::StyledPanel);
        row.panel->setFrameShadow(QFrame::Sunken);
        row.panel->setAutoFillBackground(true);
        row.panel->setFixedSize(36, 22);
        row.button = toolButton(buttonNames[i], colourIcon);
        row.label = new QLabel;
        row.label->setBuddy(row.edit);
        // Three rows on the left, two on the right.
        const int line = i % 3;
        const int column = (i / 3) * 5;
        colours->addWidget(row.label, line, column);
        colours->addWidget(row.edit, line, column + 1);
        colours->addWidget(row.panel, line, column + 2);
        colours->addWidget(row.button, line, column + 3);
        connect(row.button, &QPushButton::clicked, this, [this, i] { pickColour(m_rows[i]); });
        connect(row.edit, &QLineEdit::textChanged, this, [this, i] { setPanel(m_rows[i]); });
    }
    colours->setColumnMinimumWidth(4, 16);
    colours->setColumnStretch(1, 1);
    colours->setColumnStretch(6, 1);

    m_update = named(new QCheckBox, "checkForUpdatesCheck");

    auto* buttons = new QDialogButtonBox;
    m_ok =
        named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "okButton");
    m_ok->setDefault(true);
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "cancelButton");
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] { saveAndAccept(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_help = addHelpButton(buttons, HelpContext, [this] { return m_language; });
    installHelpKey(this, HelpContext, [this] { return m_language; });

    auto* top = new QGridLayout;
    top->addLayout(general, 0, 0);
    top->addWidget(m_ftp, 0, 1);
    top->addWidget(m_colours, 1, 0, 1, 2);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_update);
    layout->addWidget(m_fontName);
    layout->addStretch();
    layout->addWidget(buttons);

    m_chooseColour = [this](const QColor& current) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(current, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    m_chooseProgram = [this](const QString& current) {
        // Programs here have no extension, so the list starts with every file.
        const QString all = QStringLiteral("Alle (*)");
        QString selected = all;
        const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
        return QFileDialog::getOpenFileName(this, QString(), folder,
                                            QStringLiteral("EXE (*.exe);;") + all, &selected);
    };

    setFields(SettingsFields());
    applyLanguage();
}

SettingsFields SettingsDialog::fields() const {
    SettingsFields f = m_carried;
    f.fontName = m_fontName->text();
    f.fontSize = m_fontSize->currentText();
    f.lineNumbers = m_numbersOn->isChecked();
    f.ftpUser = m_user->text();
    f.ftpPassword = m_password->text();
    f.ftpServer = m_server->text();
    f.anonymousLogin = m_anonymous->isChecked();
    f.ftpClient = m_client->text();
    f.charsetIndex = m_charset->currentIndex();
    f.browser = m_browser->text();
    f.keywordColour = colourStoredText(m_rows[0].edit->text());
    f.identifierColour = colourStoredText(m_rows[1].edit->text());
    f.valueColour = colourStoredText(m_rows[2].edit->text());
    f.commentColour = colourStoredText(m_rows[3].edit->text());
    f.entityColour = colourStoredText(m_rows[4].edit->text());
    f.checkForUpdates = m_update->isChecked();
    f.language = m_language;
    return f;
}

void SettingsDialog::setFields(const SettingsFields& f) {
    m_carried = f;
    m_fontName->setText(f.fontName);
    m_fontSize->setCurrentText(f.fontSize);
    (f.lineNumbers ? m_numbersOn : m_numbersOff)->setChecked(true);
    m_user->setText(f.ftpUser);
    m_password->setText(f.ftpPassword);
    m_server->setText(f.ftpServer);
    m_anonymous->setChecked(f.anonymousLogin);
    anonymousChanged();
    m_client->setText(f.ftpClient);
    m_charset->setCurrentIndex(
        f.charsetIndex >= 0 && f.charsetIndex < m_charset->count() ? f.charsetIndex : 0);
    showRegion();
    m_browser->setText(f.browser);
    m_rows[0].edit->setText(colourShownText(f.keywordColour));
    m_rows[1].edit->setText(colourShownText(f.identifierColour));
    m_rows[2].edit->setText(colourShownText(f.valueColour));
    m_rows[3].edit->setText(colourShownText(f.commentColour));
    m_rows[4].edit->setText(colourShownText(f.entityColour));
    for (const ColourRow& row : m_rows)
        setPanel(row);
    m_update->setChecked(f.checkForUpdates);
}

void SettingsDialog::reload() {
    applyLanguage();
    SettingsFields f = fields();
    readSettingsFields(m_dataFolder, f);
    setFields(f);
}

int SettingsDialog::exec() {
    reload();
    return QDialog::exec();
}

void SettingsDialog::saveAndAccept() {
    if (!writeSettingsFields(m_dataFolder, fields()))
        emit writeFailed(settingsFilePath(m_dataFolder));
    accept();
}

void SettingsDialog::applyLanguage() {
    const UiLanguage l = m_language;
    setWindowTitle(Caption.in(l));
    m_fontSizeLabel->setText(FontSizeText.in(l));
    m_numbering->setTitle(NumberingText.in(l));
    m_numbersOn->setText(OnText.in(l));
    m_numbersOff->setText(OffText.in(l));
    m_ftp->setTitle(FtpText.in(l));
    m_userLabel->setText(UserText.in(l));
    m_passwordLabel->setText(PasswordText.in(l));
    m_serverLabel->setText(ServerText.in(l));
    m_anonymous->setText(AnonymousText.in(l));
    m_clientLabel->setText(ClientText.in(l));
    m_charsetLabel->setText(CharsetText.in(l));
    m_browserLabel->setText(BrowserText.in(l));
    m_colours->setTitle(ColoursText.in(l));
    const UiText* rowTexts[] = {&KeywordText, &ParameterText, &ValuesText, &CommentText,
                                &EntitiesText};
    for (int i = 0; i < 5; ++i) {
        m_rows[i].label->setText(rowTexts[i]->in(l));
        m_rows[i].button->setToolTip(ColourHint.in(l));
    }
    m_browserBrowse->setToolTip(BrowseHint.in(l));
    m_clientBrowse->setToolTip(BrowseHint.in(l));
    m_update->setText(UpdateText.in(l));
    m_cancel->setText(CancelText.in(l));
    m_help->setToolTip(HelpHint.in(l));
}

void SettingsDialog::showRegion() {
    m_region->setText(charsetRegion(m_charset->currentIndex(), m_language));
}

void SettingsDialog::anonymousChanged() {
    const bool login = !m_anonymous->isChecked();
    m_user->setEnabled(login);
    m_password->setEnabled(login);
}

void SettingsDialog::setPanel(const ColourRow& row) {
    const std::optional<int> value = settingsColourValue(colourStoredText(row.edit->text()));
    // Values outside 0..FFFFFF are system colours of the old platform: no panel colour.
    const bool colour = value && *value >= 0 && *value <= 0xFFFFFF;
    QPalette palette = row.panel->palette();
    palette.setColor(QPalette::Window, colour ? colourFromToolkitValue(*value)
                                              : this->palette().color(QPalette::Button));
    row.panel->setPalette(palette);
}

void SettingsDialog::pickColour(const ColourRow& row) {
    if (!m_chooseColour)
        return;
    const std::optional<QColor> colour =
        m_chooseColour(row.panel->palette().color(QPalette::Window));
    if (!colour)
        return;
    row.edit->setText(colourShownText(QString::number(toolkitValueOf(*colour))));
    setPanel(row);
}

void SettingsDialog::browse(QLineEdit* edit) {
    if (!m_chooseProgram)
        return;
    const QString path = m_chooseProgram(edit->text().trimmed());
    if (!path.isEmpty())
        edit->setText(path);
}
