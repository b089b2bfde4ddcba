#include "shell/main_window.h"

#include "editor/editor_setup.h"
#include "editor/highlighters.h"
#include "editor/scintilla_buffer.h"
#include "editor/tag_completion.h"
#include "editor/wrap_limits.h"
#include "features/check_html/check_html_actions.h"
#include "features/doctype/doctype_actions.h"
#include "features/entities/entities_actions.h"
#include "features/files_replace/files_replace_actions.h"
#include "features/find_replace/search_actions.h"
#include "features/forms/forms_actions.h"
#include "features/frames_objects/frames_actions.h"
#include "features/frames_objects/object_actions.h"
#include "features/images/image_actions.h"
#include "features/links/link_actions.h"
#include "features/outside_programs/outside_actions.h"
#include "features/printing/print_actions.h"
#include "features/recovery/recovery_actions.h"
#include "features/remove_formatting/remove_format_actions.h"
#include "features/scratch_window/scratch_actions.h"
#include "features/settings_dialog/settings_actions.h"
#include "features/styles/style_actions.h"
#include "features/tables/new_table_actions.h"
#include "features/tables/table_actions.h"
#include "features/text_transforms/transform_actions.h"
#include "features/wrapping/wrap_actions.h"
#include "foundation/document/document.h"
#include "foundation/messages/status_text.h"
#include "foundation/messages/ui_text.h"
#include "foundation/settings/recent_files.h"
#include "foundation/settings/settings.h"
#include "foundation/settings/settings_file.h"
#include "platform/data_folder.h"
#include "platform/platform.h"
#include "shell/about_box.h"
#include "shell/main_actions.h"
#include "shell/message_box_prompter.h"
#include "shell/qt_translations.h"
#include "shell/status_panels.h"
#include "widgets/feature_context.h"
#include "widgets/menu_mnemonics.h"
#include "widgets/tab_order.h"
#include "widgets/work_progress.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

constexpr int CaretStatusLine = 2;
constexpr int CannotSaveLine = 24;

const UiText SettingsLinesSetAside{
    "Einige Zeilen von Html.ini waren nicht lesbar und gelten nun mit ihren Vorgaben. Die Datei "
    "wie sie war liegt daneben: %1",
    "Some lines of Html.ini could not be read and now hold their defaults. The file as it was "
    "is kept beside it: %1"};
const UiText UntitledText{"Unbenannt", "Untitled"};
const UiText StandardBarText{"Standard", "Standard"};
const UiText TableBarText{"Tabellen und Formulare", "Tables and forms"};
const UiText InsertBarText{"Einfügen", "Insert"};
// The HTML lexer stops the program on such text, so the page is shown without colours.
const UiText ColouringStopped{
    "Syntaxfarben aus: Die Seite enthält „&“ unmittelbar vor „<!“, was die Hervorhebung nicht "
    "verarbeiten kann",
    "Syntax colouring is off: the page holds \"&\" directly before \"<!\", which the "
    "highlighter cannot handle"};
constexpr int ColouringStoppedShownMs = 15000;

} // namespace

MainWindow::MainWindow(Platform& platform, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent), m_platform(platform),
      m_ownPrompter(prompter ? nullptr : std::make_unique<MessageBoxPrompter>(this)),
      m_prompter(prompter ? *prompter : *m_ownPrompter),
      m_settings(std::make_unique<EditorSettings>()) {
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Hexlume"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/hexlume.svg")));

    m_editor = new QsciScintilla(this);
    m_editor->setObjectName(QStringLiteral("editor"));
    setupEditor(m_editor);
    setCentralWidget(m_editor);
    auto buffer = std::make_unique<ScintillaBuffer>(m_editor);
    buffer->wrapHeldChanged = [this](bool held) { emit m_context->wordWrapHeld(held); };
    buffer->colouringStopped = [this](bool stopped) {
        m_highlighters->setHtmlLexerStopped(stopped);
        if (stopped)
            statusBar()->showMessage(ColouringStopped.in(m_uiLanguage), ColouringStoppedShownMs);
    };
    m_buffer = std::move(buffer);
    m_highlighters = std::make_unique<Highlighters>(m_editor);
    m_highlighters->attach(HighlighterKind::Html);
    m_completion = new TagCompletion(m_editor);

    m_actions = new MainActions(this);
    m_status = new StatusPanels(statusBar());
    m_recent = std::make_unique<RecentFiles>();

    m_document = std::make_unique<Document>(*m_buffer, m_prompter, m_messages);
    // Where the open dialog starts with no document: the home folder is where pages live here.
    m_document->setDefaultFolder(QDir::homePath());
    m_document->fileNameSet = [this](const QString& path) {
        updateTitle();
        if (path != m_document->untitledName()) {
            m_recent->add(path);
            showRecentFiles();
        }
    };
    m_document->busy = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    m_document->highlighterChosen = [this](HighlighterKind kind) { m_highlighters->attach(kind); };
    m_document->setLongLineLimits(SlowLayoutLineLength, QuickLayoutLineLength);
    m_document->note = [this](const QString& text) { statusBar()->showMessage(text, 10000); };

    m_context = new FeatureContext(this, m_editor, *m_buffer, *m_document, m_prompter, m_messages,
                                   m_platform, m_actions->featureMenus());
    m_actions->bindCaptions(*m_context);
    connectActions();
    createFeatures();
    setAcceptDrops(true);
    m_editor->viewport()->installEventFilter(this);
    m_editor->installEventFilter(this);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_actions->editorPopup->exec(m_editor->mapToGlobal(at)); });
    connect(m_editor, &QsciScintilla::cursorPositionChanged, this, [this] { updateCaretStatus(); });
    connect(m_editor, &QsciScintilla::selectionChanged, this, [this] { updateCaretStatus(); });
    // Queued, so the marker shows the state a command leaves, not one it passes through.
    connect(
        m_editor, &QsciScintilla::textChanged, this, [this] { updateTitle(); },
        Qt::QueuedConnection);
    connect(
        m_editor, &QsciScintilla::modificationChanged, this, [this] { updateTitle(); },
        Qt::QueuedConnection);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(initialWindowSize(screen->size(), QSize(800, 600)));
        move(screen->availableGeometry().center() - rect().center());
    }
    updateTitle();
    updateCaretStatus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createFeatures() {
    FeatureContext& context = *m_context;
    context.switchLanguage = [this](UiLanguage uiLanguage) { setUiLanguage(uiLanguage); };
    context.reloadSettings = [this] { loadSettings(); };
    context.showWordWrapState = [this](const QString& text) { m_status->setWordWrap(text); };
    context.showStatusNote = [this](const QString& text) { statusBar()->showMessage(text, 10000); };
    if (auto* boxes = dynamic_cast<MessageBoxPrompter*>(m_ownPrompter.get())) {
        context.usePlacementDialog = [boxes](auto dialog) {
            boxes->setPlacementDialog(std::move(dialog));
        };
        context.useDocTypeDialog = [boxes](auto dialog) {
            boxes->setDocTypeDialog(std::move(dialog));
        };
    }
    // Each owns its menu items, toolbar buttons and dialogs; the order is the toolbars' order.
    new WrapActions(context);
    new TableActions(context);
    new NewTableActions(context);
    new TransformActions(context);
    new ImageActions(context);
    new FramesActions(context);
    new ObjectActions(context);
    new LinkActions(context);
    new FormsActions(context);
    new EntitiesActions(context);
    new StyleActions(context);
    new DocTypeActions(context);
    new CheckHtmlActions(context);
    new RemoveFormatActions(context);
    new SearchActions(context);
    new FilesReplaceActions(context);
    new PrintActions(context);
    new ScratchActions(context);
    new SettingsActions(context);
    new OutsideActions(context);
    new RecoveryActions(context);
    m_actions->tableBar->setVisible(!m_actions->tableBar->actions().isEmpty());
    for (QMenu* menu : findChildren<QMenu*>())
        assignMnemonicsOnShow(menu);
    // Tab follows what the eye reads in the features' dialogs; Qt's own keep theirs.
    for (QDialog* dialog : findChildren<QDialog*>())
        if (!QByteArray(dialog->metaObject()->className()).startsWith('Q'))
            orderTabsByLayout(dialog);
}

void MainWindow::connectActions() {
    MainActions& a = *m_actions;
    Document& d = *m_document;
    for (QAction* item : {a.newItem, a.newButton})
        connect(item, &QAction::triggered, this, [&d] { d.newDocument(); });
    for (QAction* item : {a.openItem, a.openButton})
        connect(item, &QAction::triggered, this, [&d] { d.open(); });
    for (QAction* item : {a.saveItem, a.saveButton})
        connect(item, &QAction::triggered, this, [&d] { d.save(); });
    connect(a.saveAsItem, &QAction::triggered, this, [&d] { d.saveAs(); });
    connect(a.saveAsAnsiItem, &QAction::triggered, this, [&d] { d.saveAsAnsi(); });
    connect(a.saveAsUtf8Item, &QAction::triggered, this, [&d] { d.saveAsUtf8(); });
    connect(a.exitItem, &QAction::triggered, this, &QWidget::close);
    connect(a.clearRecentFilesItem, &QAction::triggered, this, [this] { clearRecentFiles(); });
    for (int slot = 0; slot < a.recentFileItems.size(); ++slot)
        connect(a.recentFileItems[slot], &QAction::triggered, this,
                [this, slot] { openRecentFile(slot); });

    // Undoing a whole-document command takes as long as the command.
    for (QAction* undo : {a.undoItem, a.undoButton, a.popupUndoItem})
        connect(undo, &QAction::triggered, m_editor, [this] {
            WorkProgress progress(*m_context);
            m_editor->undo();
        });
    connect(a.redoItem, &QAction::triggered, m_editor, [this] {
        WorkProgress progress(*m_context);
        m_editor->redo();
    });
    for (QAction* cut : {a.cutItem, a.cutButton, a.popupCutItem})
        connect(cut, &QAction::triggered, m_editor, &QsciScintilla::cut);
    for (QAction* copy : {a.copyItem, a.copyButton, a.popupCopyItem})
        connect(copy, &QAction::triggered, m_editor, &QsciScintilla::copy);
    for (QAction* paste : {a.pasteItem, a.pasteButton, a.popupPasteItem})
        connect(paste, &QAction::triggered, m_editor, &QsciScintilla::paste);
    connect(a.selectAllItem, &QAction::triggered, m_editor, [this] { m_editor->selectAll(true); });

    connect(a.englishItem, &QAction::triggered, this,
            [this] { setUiLanguage(UiLanguage::English); });
    connect(a.germanItem, &QAction::triggered, this, [this] { setUiLanguage(UiLanguage::German); });
    connect(a.aboutItem, &QAction::triggered, this, [this] { showAbout(); });
    connect(a.menuBarKey, &QAction::triggered, this, [this] { openMenuBar(); });
}

void MainWindow::startUp(const QStringList& arguments) {
    m_buffer->clearAllBookmarks();
    ensureFolder(m_platform.dataFolder());
    moveLegacyDataFiles(m_platform.legacyDataFolder(), m_platform.dataFolder());
    loadSettings();
    applyLanguage();
    updateCaretStatus();
    m_editor->setFocus();
    // The list is read before a file named on the command line opens, so that file joins it
    // instead of being overwritten by the stored list.
    m_recent->load(m_platform.dataFolder());
    showRecentFiles();
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).isFile())
        m_document->loadDocument(arguments.first());
    emit m_context->startedUp();
}

void MainWindow::loadSettings() {
    if (::loadSettings(m_platform.dataFolder(), m_platform, *m_settings) ==
        SettingsLoadResult::BadLinesSetAside)
        m_prompter.information(
            SettingsLinesSetAside.in(m_settings->uiLanguage)
                .arg(settingsFilePath(m_platform.dataFolder()) + QStringLiteral(".bad")));
    const EditorSettings& s = *m_settings;
    if (s.fontSize)
        m_highlighters->setFontSize(*s.fontSize);
    setLineNumbers(m_editor, s.lineNumbers);
    m_highlighters->applyColours(s.keywordColour, s.identifierColour, s.valueColour,
                                 s.commentColour, s.entityColour);
    m_document->setCharset(s.charset);
    m_document->setSaveEncodingKey(s.saveEncoding);
    m_uiLanguage = s.uiLanguage;
}

void MainWindow::writeBackSettings() {
    m_settings->uiLanguage = m_uiLanguage;
    if (!::writeBackSettings(m_platform.dataFolder(), *m_settings, m_platform))
        m_prompter.error(m_messages.message(CannotSaveLine) + m_platform.dataFolder() +
                         QStringLiteral("Html.ini"));
}

void MainWindow::setUiLanguage(UiLanguage uiLanguage) {
    m_uiLanguage = uiLanguage;
    applyLanguage();
}

void MainWindow::applyLanguage() {
    m_messages.setLanguage(m_uiLanguage);
    useQtTranslations(m_uiLanguage);
    (m_uiLanguage == UiLanguage::English ? m_actions->englishItem : m_actions->germanItem)
        ->setChecked(true);
    updateCaretStatus();
    m_context->applyLanguage();
    m_actions->standardBar->setWindowTitle(StandardBarText.in(m_uiLanguage));
    m_actions->tableBar->setWindowTitle(TableBarText.in(m_uiLanguage));
    m_actions->insertBar->setWindowTitle(InsertBarText.in(m_uiLanguage));
    updateTitle();
    assignMnemonics(menuBar()->actions(), altShortcutLetters());
}

QString MainWindow::altShortcutLetters() const {
    // Alt+letter of a command and of a menu at once would run neither.
    QString letters;
    for (const QAction* action : findChildren<QAction*>()) {
        for (const QKeySequence& keys : action->shortcuts()) {
            if (keys.count() != 1 || keys[0].keyboardModifiers() != Qt::AltModifier)
                continue;
            const QString key = QKeySequence(keys[0].key()).toString();
            if (key.size() == 1)
                letters += key.toLower();
        }
    }
    return letters;
}

void MainWindow::openMenuBar() {
    const QList<QAction*> menus = menuBar()->actions();
    if (!menus.isEmpty())
        menuBar()->setActiveAction(menus.first());
}

void MainWindow::updateTitle() {
    const QString& path = m_document->fileName();
    const bool untitled = path.isEmpty() || path == m_document->untitledName();
    const QString shown = untitled ? UntitledText.in(m_uiLanguage) : path;
    setWindowTitle((untitled ? shown : QFileInfo(path).fileName()) +
                   QStringLiteral("[*] — Hexlume"));
    setWindowModified(m_buffer->isModified());
    m_status->setFileName(shown);
}

void MainWindow::updateCaretStatus() {
    m_status->setCaret(formatCaretStatus(m_messages.message(CaretStatusLine), m_buffer->caretLine(),
                                         m_buffer->caretColumn()));
    m_status->setSelStart(m_buffer->selStart());
}

void MainWindow::showRecentFiles() {
    const QList<QAction*>& items = m_actions->recentFileItems;
    for (int slot = 0; slot < items.size(); ++slot) {
        if (!m_recent->isFilled(slot))
            continue;
        // A file name may hold '&', which a menu would take for a mnemonic.
        QString caption = m_recent->displayName(slot);
        items[slot]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        items[slot]->setStatusTip(m_recent->path(slot));
        items[slot]->setToolTip(m_recent->path(slot));
        items[slot]->setVisible(true);
    }
    m_actions->clearRecentFilesItem->setVisible(m_recent->anyFilled());
}

void MainWindow::openRecentFile(int slot) {
    if (m_recent->canOpen(slot))
        m_document->openAfterAsking(m_recent->path(slot));
}

void MainWindow::clearRecentFiles() {
    m_recent->clear(m_platform.dataFolder());
    for (QAction* item : m_actions->recentFileItems)
        item->setVisible(false);
    m_actions->clearRecentFilesItem->setVisible(false);
}

void MainWindow::showAbout() {
    showAboutBox(this, m_platform, m_uiLanguage);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_document->closeQuery() || !m_context->mayClose()) {
        writeBackSettings();
        event->ignore();
        return;
    }
    writeBackSettings();
    m_recent->save(m_platform.dataFolder(), m_platform);
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    setRightEdge(m_editor, rightEdgeColumn(m_editor->width()));
    updateCaretStatus();
}

bool MainWindow::acceptsDrop(const QMimeData* data) const {
    return data && data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile();
}

void MainWindow::openDropped(const QMimeData* data) {
    // Only the first file is taken; a folder gives the load error like any unreadable path.
    m_document->openAfterAsking(data->urls().first().toLocalFile());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!acceptsDrop(event->mimeData()))
        return;
    event->acceptProposedAction();
    openDropped(event->mimeData());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Only these events are looked at: others also arrive while the editor is destroyed.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
        updateCaretStatus();
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // The editor would insert a dropped file's path as text; files open instead.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (acceptsDrop(drag->mimeData())) {
            drag->acceptProposedAction();
            return true;
        }
        break;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (acceptsDrop(drop->mimeData())) {
            drop->acceptProposedAction();
            openDropped(drop->mimeData());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
