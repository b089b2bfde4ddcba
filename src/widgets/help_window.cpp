#include "widgets/help_window.h"

#include "foundation/messages/ui_text.h"
#include "widgets/dialog_parts.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QToolBar>

namespace {

struct Topic {
    int context;
    const char* page;
};

constexpr Topic Topics[] = {
    {0, "contents.html"},  {50, "about.html"},    {60, "main_window.html"},
    {70, "scratch.html"},  {90, "settings.html"}, {140, "insert_dialogs.html"},
    {150, "tables.html"},  {200, "image.html"},   {210, "frames.html"},
    {65, "recovery.html"},
};

const UiText BackText{"Zurück", "Back"};
const UiText ForwardText{"Vor", "Forward"};
const UiText ContentsText{"Inhalt", "Contents"};
const UiText TitleText{"Hexlume-Hilfe", "Hexlume Help"};

// The desktop's icon where its theme has one, else the bundled picture.
QIcon icon(const char* theme, const char* bundled) {
    return QIcon::fromTheme(QLatin1String(theme),
                            QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(bundled))));
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("helpWindow"));
    // An open help window must not keep the program running once the main window is closed.
    setAttribute(Qt::WA_QuitOnClose, false);

    m_browser = new QTextBrowser(this);
    m_browser->setObjectName(QStringLiteral("helpBrowser"));
    m_browser->setOpenExternalLinks(true);
    setCentralWidget(m_browser);

    QToolBar* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("helpToolBar"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_back = bar->addAction(icon("go-previous", "hx-help-back"), QString());
    m_back->setObjectName(QStringLiteral("backButton"));
    m_back->setShortcut(QKeySequence::Back);
    m_forward = bar->addAction(icon("go-next", "hx-help-forward"), QString());
    m_forward->setObjectName(QStringLiteral("forwardButton"));
    m_forward->setShortcut(QKeySequence::Forward);
    m_contents = bar->addAction(icon("go-home", "hx-help-contents"), QString());
    m_contents->setObjectName(QStringLiteral("contentsButton"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);

    // Esc as in a dialog, Ctrl+W as in a browser.
    auto* closeKey = new QAction(this);
    closeKey->setObjectName(QStringLiteral("closeKey"));
    closeKey->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(QStringLiteral("Ctrl+W"))});
    addAction(closeKey);
    connect(closeKey, &QAction::triggered, this, &QWidget::close);

    connect(m_back, &QAction::triggered, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QAction::triggered, m_browser, &QTextBrowser::forward);
    connect(m_contents, &QAction::triggered, this, [this] { showTopic(m_language, 0); });
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, [this] { updateTitle(); });

    QSize size(720, 620);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.9);
    resize(size);
    applyLanguage();
}

QList<int> HelpWindow::contexts() {
    QList<int> numbers;
    for (const Topic& topic : Topics)
        numbers << topic.context;
    return numbers;
}

QUrl HelpWindow::topicUrl(UiLanguage language, int context) {
    const char* page = Topics[0].page;
    for (const Topic& topic : Topics) {
        if (topic.context == context)
            page = topic.page;
    }
    const QString folder =
        language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("de");
    return QUrl(QStringLiteral("qrc:/help/%1/%2").arg(folder, QLatin1String(page)));
}

void HelpWindow::showTopic(UiLanguage language, int context) {
    if (language != m_language) {
        m_language = language;
        applyLanguage();
        // Back and forward would lead into the other language.
        m_browser->clearHistory();
    }
    m_browser->setSource(topicUrl(language, context));
    updateTitle();
}

void HelpWindow::applyLanguage() {
    m_back->setText(BackText.in(m_language));
    m_forward->setText(ForwardText.in(m_language));
    m_contents->setText(ContentsText.in(m_language));
    findChild<QToolBar*>(QStringLiteral("helpToolBar"))->setWindowTitle(TitleText.in(m_language));
    updateTitle();
}

void HelpWindow::updateTitle() {
    const QString page = m_browser->documentTitle();
    const QString title = TitleText.in(m_language);
    setWindowTitle(page.isEmpty() ? title : page + QStringLiteral(" – ") + title);
}
