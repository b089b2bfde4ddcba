#include "app/main_window.h"

#include "app/about_box.h"
#include "app/document.h"
#include "app/language_applier.h"
#include "app/main_actions.h"
#include "app/message_box_prompter.h"
#include "app/qt_translations.h"
#include "app/outside_controller.h"
#include "app/print_controller.h"
#include "app/recent_files.h"
#include "app/scratch_controller.h"
#include "app/scratch_window.h"
#include "app/search_controller.h"
#include "app/setup_controller.h"
#include "app/settings.h"
#include "app/status_panels.h"
#include "app/status_text.h"
#include "dialogs/frames_controller.h"
#include "dialogs/image_controller.h"
#include "dialogs/object_controller.h"
#include "editor/editor_setup.h"
#include "editor/highlighters.h"
#include "editor/scintilla_buffer.h"
#include "editor/tag_completion.h"
#include "markup/css_controller.h"
#include "markup/doctype_controller.h"
#include "markup/entities_controller.h"
#include "markup/forms_controller.h"
#include "markup/link_controller.h"
#include "markup/wrap_controller.h"
#include "platform/data_folder.h"
#include "platform/platform.h"
#include "tables/new_table_controller.h"
#include "tables/table_controller.h"
#include "transform/code_check_controller.h"
#include "transform/files_controller.h"
#include "transform/remove_format_controller.h"
#include "transform/transform_controller.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

TMainForm::TMainForm(Platform& platform, Prompter* prompter, QWidget* parent)
    : QMainWindow(parent), m_platform(platform),
      m_ownPrompter(prompter ? nullptr : std::make_unique<MessageBoxPrompter>(this)),
      m_prompter(prompter ? *prompter : *m_ownPrompter),
      m_settings(std::make_unique<EditorSettings>()) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Hexlume"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/hexlume.svg")));

    m_editor = new QsciScintilla(this);
    m_editor->setObjectName(QStringLiteral("SynMemo1"));
    setupEditor(m_editor);
    setCentralWidget(m_editor);
    m_buffer = std::make_unique<ScintillaBuffer>(m_editor);
    m_highlighters = std::make_unique<Highlighters>(m_editor);
    m_highlighters->attach(HighlighterKind::Html);
    m_completion = new TagCompletion(m_editor);

    m_actions = new MainActions(this);
    m_status = new StatusPanels(statusBar());
    m_recent = std::make_unique<RecentFiles>();
    m_scratch = new TFormText(this);

    m_document = std::make_unique<Document>(*m_buffer, m_prompter, m_messages);
    // Where the open dialog starts with no document: the home folder is where pages live here.
    m_document->setDefaultFolder(QDir::homePath());
    m_document->fileNameSet = [this](const QString& path) {
        m_status->setFileName(path);
        if (path != m_document->untitledName()) {
            m_recent->AddRecentFile(path);
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

    connectActions();
    createControllers();
    setAcceptDrops(true);
    m_editor->viewport()->installEventFilter(this);
    m_editor->installEventFilter(this);
    m_editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_editor, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_actions->popup->exec(m_editor->mapToGlobal(at)); });
    connect(m_editor, &QsciScintilla::cursorPositionChanged, this, [this] { UpdateCaretStatus(); });
    connect(m_editor, &QsciScintilla::selectionChanged, this, [this] { UpdateCaretStatus(); });

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        resize(initialWindowSize(screen->size(), QSize(800, 600)));
        move(screen->availableGeometry().center() - rect().center());
    }
    m_status->setFileName(QString());
    UpdateCaretStatus();
}

TMainForm::~TMainForm() = default;

CommandContext TMainForm::commandContext() const {
    return {*m_buffer, m_prompter, m_messages};
}

void TMainForm::createControllers() {
    // Each owns its menu items, toolbar buttons and dialogs; the order is the toolbars' order.
    new WrapController(*this);
    new TableController(*this);
    new NewTableController(*this);
    new TransformController(*this);
    new ImageController(*this);
    new FramesController(*this);
    new ObjectController(*this);
    new LinkController(*this);
    new FormsController(*this);
    new EntitiesController(*this);
    new CssController(*this);
    new DocTypeController(*this);
    new CodeCheckController(*this);
    new RemoveFormatController(*this);
    new SearchController(*this);
    new FilesController(*this);
    new PrintController(*this);
    new ScratchController(*this);
    new SetupController(*this);
    new OutsideController(*this);
    m_actions->toolBar2->setVisible(!m_actions->toolBar2->actions().isEmpty());
}

void TMainForm::connectActions() {
    MainActions& a = *m_actions;
    Document& d = *m_document;
    connect(a.fileNew, &QAction::triggered, this, [&d] { d.FileNew(); });
    connect(a.newButton, &QAction::triggered, this, [&d] { d.FileNew(); });
    connect(a.fileOpen, &QAction::triggered, this, [&d] { d.FileOpen(); });
    connect(a.openButton, &QAction::triggered, this, [&d] { d.FileOpen(); });
    connect(a.fileSave, &QAction::triggered, this, [&d] { d.FileSave(); });
    connect(a.saveButton, &QAction::triggered, this, [&d] { d.FileSave(); });
    connect(a.fileSaveAs, &QAction::triggered, this, [&d] { d.FileSaveAs(); });
    connect(a.saveAscii, &QAction::triggered, this, [&d] { d.ASCIITextspeichern1Click(); });
    connect(a.saveUtf8, &QAction::triggered, this, [&d] { d.Utf8speichern1Click(); });
    connect(a.fileExit, &QAction::triggered, this, &QWidget::close);
    connect(a.delLast, &QAction::triggered, this, [this] { DelLastClick(); });
    for (int slot = 0; slot < a.recentItems.size(); ++slot)
        connect(a.recentItems[slot], &QAction::triggered, this,
                [this, slot] { OpenRecentFile(slot); });

    for (QAction* undo : {a.editUndo, a.undoButton, a.popupUndo})
        connect(undo, &QAction::triggered, m_editor, &QsciScintilla::undo);
    for (QAction* cut : {a.editCut, a.cutButton, a.popupCut})
        connect(cut, &QAction::triggered, m_editor, &QsciScintilla::cut);
    for (QAction* copy : {a.editCopy, a.copyButton, a.popupCopy})
        connect(copy, &QAction::triggered, m_editor, &QsciScintilla::copy);
    for (QAction* paste : {a.editPaste, a.pasteButton, a.popupPaste})
        connect(paste, &QAction::triggered, m_editor, &QsciScintilla::paste);
    connect(a.selectAll, &QAction::triggered, m_editor, [this] { m_editor->selectAll(true); });

    connect(a.english, &QAction::triggered, this, [this] {
        m_uiLanguage = UiEnglish;
        ApplyLanguage();
    });
    connect(a.german, &QAction::triggered, this, [this] {
        m_uiLanguage = UiGerman;
        ApplyLanguage();
    });
    connect(a.about, &QAction::triggered, this, [this] { showAbout(); });
}

void TMainForm::startUp(const QStringList& arguments) {
    m_buffer->clearAllBookmarks();
    ensureFolder(m_platform.dataFolder());
    LoadSettings();
    ApplyLanguage();
    UpdateCaretStatus();
    m_editor->setFocus();
    // The list is read before a file named on the command line opens, so that file joins it
    // instead of being overwritten by the stored list.
    m_recent->LoadRecentFiles(m_platform.dataFolder());
    showRecentFiles();
    if (!arguments.isEmpty() && QFileInfo(arguments.first()).isFile())
        m_document->LoadDocument(arguments.first());
}

void TMainForm::LoadSettings() {
    ::LoadSettings(m_platform.dataFolder(), m_platform, *m_settings);
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

void TMainForm::WriteBackSettings() {
    m_settings->uiLanguage = m_uiLanguage;
    if (!::WriteBackSettings(m_platform.dataFolder(), *m_settings, m_platform))
        m_prompter.error(m_messages.message(24) + m_platform.dataFolder() +
                         QStringLiteral("Html.ini"));
}

void TMainForm::ApplyLanguage() {
    m_messages.setLanguage(m_uiLanguage);
    useQtTranslations(m_uiLanguage);
    applyCaptions(this, m_messages);
    (m_uiLanguage == UiEnglish ? m_actions->english : m_actions->german)->setChecked(true);
    UpdateCaretStatus();
    emit languageApplied();
}

void TMainForm::UpdateCaretStatus() {
    m_status->setCaret(
        formatCaretStatus(m_messages.message(2), m_buffer->caretLine(), m_buffer->caretColumn()));
    m_status->setSelStart(m_buffer->selStart());
}

void TMainForm::showRecentFiles() {
    const QList<QAction*>& items = m_actions->recentItems;
    for (int slot = 0; slot < items.size(); ++slot) {
        if (!m_recent->isFilled(slot))
            continue;
        items[slot]->setText(m_recent->displayName(slot));
        items[slot]->setStatusTip(m_recent->path(slot));
        items[slot]->setToolTip(m_recent->path(slot));
        items[slot]->setVisible(true);
    }
    m_actions->delLast->setVisible(m_recent->anyFilled());
}

void TMainForm::OpenRecentFile(int slot) {
    if (m_recent->canOpen(slot))
        m_document->OpenAfterAsking(m_recent->path(slot));
}

void TMainForm::DelLastClick() {
    m_recent->clear(m_platform.dataFolder());
    for (QAction* item : m_actions->recentItems)
        item->setVisible(false);
    m_actions->delLast->setVisible(false);
}

void TMainForm::showAbout() {
    HelpAbout(this, m_platform, m_uiLanguage);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!m_document->FormCloseQuery()) {
        WriteBackSettings();
        event->ignore();
        return;
    }
    WriteBackSettings();
    m_recent->SaveRecentFiles(m_platform.dataFolder(), m_platform);
    event->accept();
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    setRightEdge(m_editor, rightEdgeColumn(m_editor->width()));
    UpdateCaretStatus();
}

bool TMainForm::acceptsDrop(const QMimeData* data) const {
    return data && data->hasUrls() && !data->urls().isEmpty() && data->urls().first().isLocalFile();
}

void TMainForm::openDropped(const QMimeData* data) {
    // Only the first file is taken; a folder gives the load error like any unreadable path.
    m_document->OpenAfterAsking(data->urls().first().toLocalFile());
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptsDrop(event->mimeData()))
        event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent* event) {
    if (!acceptsDrop(event->mimeData()))
        return;
    event->acceptProposedAction();
    openDropped(event->mimeData());
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // Only these events are looked at: others also arrive while the editor is destroyed.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
        UpdateCaretStatus();
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
