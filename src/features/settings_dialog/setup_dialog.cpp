#include "features/settings_dialog/setup_dialog.h"

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
const UiText FontSizeText{"Schriftgrösse", "Font size"};
const UiText NumberingText{"Zeilennummerierung", "Line numbering"};
const UiText OnText{"An", "On"};
const UiText OffText{"Aus", "Off"};
const UiText FtpText{"FTP Login", "FTP Login"};
const UiText UserText{"User", "User"};
const UiText PasswordText{"Passwort", "Password"};
const UiText ServerText{"Server", "Server"};
const UiText AnonymousText{"Anonym", "Anonymous"};
const UiText ClientText{"Ftp-Client", "Ftp-Client"};
const UiText CharsetText{"HTML Charset", "HTML Charset"};
const UiText BrowserText{"Externer Browser", "External browser"};
const UiText ColoursText{"Farben", "Colors"};
const UiText KeywordText{"Schlüsselwort", "Keyword"};
const UiText ParameterText{"Parameter", "Parameter"};
const UiText ValuesText{"Werte", "Values"};
const UiText CommentText{"Kommentar", "Comment"};
const UiText EntitiesText{"Entities", "Entities"};
const UiText UpdateText{"Automatisch nach Updates suchen (empfohlen)",
                        "Automatically check for updates (recomended)"};
const UiText CancelText{"Abbrechen", "Cancel"};
// The colour buttons' hint is German in both languages.
const UiText ColourHint{"Farbe auswählen", "Farbe auswählen"};
const UiText BrowseHint{"Durchsuchen", "Open path"};
const UiText HelpHint{"Hilfe (F1)", "Help (F1)"};

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

TFormSetup::TFormSetup(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormSetup"));

    m_fontName = named(new QLineEdit, "Edit1");
    m_fontName->setVisible(false);
    m_fontSize = named(new QComboBox, "Edit2");
    m_fontSize->setEditable(true);
    m_fontSize->setInsertPolicy(QComboBox::NoInsert);
    for (const char* size : FontSizes)
        m_fontSize->addItem(QLatin1String(size));
    m_fontSizeLabel = new QLabel;
    m_fontSizeLabel->setBuddy(m_fontSize);

    m_numbering = named(new QGroupBox, "GroupBox1");
    m_numbersOn = named(new QRadioButton, "RadioButton1");
    m_numbersOff = named(new QRadioButton, "RadioButton2");
    auto* numbering = new QHBoxLayout(m_numbering);
    numbering->addWidget(m_numbersOn);
    numbering->addWidget(m_numbersOff);
    numbering->addStretch();

    m_charset = named(new QComboBox, "ComboISO");
    m_charset->addItems(charsetItems());
    m_region = named(new QLabel, "LabelIso");
    connect(m_charset, &QComboBox::currentIndexChanged, this, [this] { showRegion(); });
    auto* charsetRow = new QWidget;
    auto* charsetLayout = new QHBoxLayout(charsetRow);
    charsetLayout->setContentsMargins(0, 0, 0, 0);
    charsetLayout->addWidget(m_charset);
    charsetLayout->addWidget(m_region, 1);

    const QIcon openIcon = themedIcon(QStringLiteral("document-open"));
    m_browser = named(new QLineEdit, "EditBrowser");
    m_browserBrowse = toolButton("BitBtn4", openIcon);
    m_browserLabel = new QLabel;
    m_browserLabel->setBuddy(m_browser);
    connect(m_browserBrowse, &QPushButton::clicked, this, [this] { browse(m_browser); });

    auto* general = new QFormLayout;
    general->addRow(m_fontSizeLabel, m_fontSize);
    general->addRow(m_numbering);
    auto* charsetLabel = named(new QLabel, "LabelCharset");
    charsetLabel->setBuddy(m_charset);
    general->addRow(charsetLabel, charsetRow);
    general->addRow(m_browserLabel, withButton(m_browser, m_browserBrowse));

    m_ftp = named(new QGroupBox, "GroupBox2");
    m_user = named(new QLineEdit, "EditUser");
    m_password = named(new QLineEdit, "MaskEditPass");
    m_password->setEchoMode(QLineEdit::Password);
    m_server = named(new QLineEdit, "EditServer");
    m_anonymous = named(new QCheckBox, "CheckAnonym");
    connect(m_anonymous, &QCheckBox::toggled, this, [this] { anonymousChanged(); });
    m_client = named(new QLineEdit, "EditClient");
    m_clientBrowse = toolButton("BitBtn10", openIcon);
    connect(m_clientBrowse, &QPushButton::clicked, this, [this] { browse(m_client); });
    auto* ftp = new QFormLayout(m_ftp);
    auto* userLabel = named(new QLabel, "LabelUser");
    m_passwordLabel = named(new QLabel, "LabelPassword");
    auto* serverLabel = named(new QLabel, "LabelServer");
    auto* clientLabel = named(new QLabel, "LabelClient");
    ftp->addRow(userLabel, m_user);
    ftp->addRow(m_passwordLabel, m_password);
    ftp->addRow(serverLabel, m_server);
    ftp->addRow(QString(), m_anonymous);
    ftp->addRow(clientLabel, withButton(m_client, m_clientBrowse));
    userLabel->setBuddy(m_user);
    m_passwordLabel->setBuddy(m_password);
    serverLabel->setBuddy(m_server);
    clientLabel->setBuddy(m_client);

    m_colours = named(new QGroupBox, "GroupBox3");
    auto* colours = new QGridLayout(m_colours);
    const char* editNames[] = {"EditIdentifier", "EditParameter", "EditValue", "EditComment",
                               "EditAnd"};
    const char* panelNames[] = {"Panel1", "Panel2", "Panel3", "Panel4", "Panel5"};
    const char* buttonNames[] = {"BitBtn5", "BitBtn6", "BitBtn7", "BitBtn8", "BitBtn9"};
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

    m_update = named(new QCheckBox, "CheckBoxUpdate");

    auto* buttons = new QDialogButtonBox;
    m_ok = named(buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole), "BitBtn1");
    m_ok->setDefault(true);
    m_cancel = named(buttons->addButton(QString(), QDialogButtonBox::RejectRole), "BitBtn2");
    m_cancel->setAutoDefault(false);
    connect(m_ok, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    addHelpButton(buttons, 90, [this] { return PLanguage; });
    installHelpKey(this, 90, [this] { return PLanguage; });

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

    chooseColour = [this](const QColor& current) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(current, this);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    chooseProgram = [this](const QString& current) {
        // Programs here have no extension, so the list starts with every file.
        const QString all = QStringLiteral("Alle (*)");
        QString selected = all;
        const QString folder = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
        return QFileDialog::getOpenFileName(this, QString(), folder,
                                            QStringLiteral("EXE (*.exe);;") + all, &selected);
    };

    setFields(SetupFields());
    applyLanguage();
}

SetupFields TFormSetup::fields() const {
    SetupFields f = m_carried;
    f.Edit1 = m_fontName->text();
    f.Edit2 = m_fontSize->currentText();
    f.ZeilenNummern = m_numbersOn->isChecked();
    f.EditUser = m_user->text();
    f.MaskEditPass = m_password->text();
    f.EditServer = m_server->text();
    f.CheckAnonym = m_anonymous->isChecked();
    f.EditClient = m_client->text();
    f.ComboISO = m_charset->currentIndex();
    f.EditBrowser = m_browser->text();
    f.EditIdentifier = m_rows[0].edit->text();
    f.EditParameter = m_rows[1].edit->text();
    f.EditValue = m_rows[2].edit->text();
    f.EditComment = m_rows[3].edit->text();
    f.EditAnd = m_rows[4].edit->text();
    f.CheckBoxUpdate = m_update->isChecked();
    f.PLanguage = PLanguage;
    return f;
}

void TFormSetup::setFields(const SetupFields& f) {
    m_carried = f;
    m_fontName->setText(f.Edit1);
    m_fontSize->setCurrentText(f.Edit2);
    (f.ZeilenNummern ? m_numbersOn : m_numbersOff)->setChecked(true);
    m_user->setText(f.EditUser);
    m_password->setText(f.MaskEditPass);
    m_server->setText(f.EditServer);
    m_anonymous->setChecked(f.CheckAnonym);
    anonymousChanged();
    m_client->setText(f.EditClient);
    m_charset->setCurrentIndex(f.ComboISO >= 0 && f.ComboISO < m_charset->count() ? f.ComboISO : 0);
    showRegion();
    m_browser->setText(f.EditBrowser);
    m_rows[0].edit->setText(f.EditIdentifier);
    m_rows[1].edit->setText(f.EditParameter);
    m_rows[2].edit->setText(f.EditValue);
    m_rows[3].edit->setText(f.EditComment);
    m_rows[4].edit->setText(f.EditAnd);
    for (const ColourRow& row : m_rows)
        setPanel(row);
    m_update->setChecked(f.CheckBoxUpdate);
}

void TFormSetup::FormShow() {
    applyLanguage();
    SetupFields f = fields();
    readSetupFile(IniPath, f);
    setFields(f);
}

int TFormSetup::ShowModal() {
    FormShow();
    return exec();
}

void TFormSetup::BitBtn1Click() {
    if (!writeSetupFile(IniPath, fields()) && writeFailed)
        writeFailed(settingsFilePath(IniPath));
    accept();
}

void TFormSetup::applyLanguage() {
    const UiLanguage l = PLanguage;
    setWindowTitle(Caption.in(l));
    m_fontSizeLabel->setText(FontSizeText.in(l));
    m_numbering->setTitle(NumberingText.in(l));
    m_numbersOn->setText(OnText.in(l));
    m_numbersOff->setText(OffText.in(l));
    m_ftp->setTitle(FtpText.in(l));
    findChild<QLabel*>(QStringLiteral("LabelUser"))->setText(UserText.in(l));
    m_passwordLabel->setText(PasswordText.in(l));
    findChild<QLabel*>(QStringLiteral("LabelServer"))->setText(ServerText.in(l));
    m_anonymous->setText(AnonymousText.in(l));
    findChild<QLabel*>(QStringLiteral("LabelClient"))->setText(ClientText.in(l));
    findChild<QLabel*>(QStringLiteral("LabelCharset"))->setText(CharsetText.in(l));
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
    if (auto* help = findChild<QPushButton*>(QStringLiteral("SpeedButton1")))
        help->setToolTip(HelpHint.in(l));
}

void TFormSetup::showRegion() {
    m_region->setText(charsetRegion(m_charset->currentIndex()));
}

void TFormSetup::anonymousChanged() {
    const bool login = !m_anonymous->isChecked();
    m_user->setEnabled(login);
    m_password->setEnabled(login);
}

void TFormSetup::setPanel(const ColourRow& row) {
    const std::optional<int> value = setupColourValue(row.edit->text());
    // Values outside 0..FFFFFF are system colours of the old platform: no panel colour.
    const bool colour = value && *value >= 0 && *value <= 0xFFFFFF;
    QPalette palette = row.panel->palette();
    palette.setColor(QPalette::Window, colour ? colourFromToolkitValue(*value)
                                              : this->palette().color(QPalette::Button));
    row.panel->setPalette(palette);
}

void TFormSetup::pickColour(const ColourRow& row) {
    if (!chooseColour)
        return;
    const std::optional<QColor> colour = chooseColour(row.panel->palette().color(QPalette::Window));
    if (!colour)
        return;
    row.edit->setText(QString::number(toolkitValueOf(*colour)));
    setPanel(row);
}

void TFormSetup::browse(QLineEdit* edit) {
    if (!chooseProgram)
        return;
    const QString path = chooseProgram(edit->text().trimmed());
    if (!path.isEmpty())
        edit->setText(path);
}
