#include "features/files_replace/files_replace_dialog.h"

#include "widgets/dialog_parts.h"

#include "foundation/messages/ui_text.h"

#include "features/files_replace/files_main_document.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/prompter.h"
#include "foundation/text/text_rules.h"
#include "widgets/feature_context.h"
#include "widgets/help.h"
#include "widgets/icons.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

#include <algorithm>

namespace {

constexpr int HelpContext = 60;
// Long enough to do real work per turn, short enough that a click is answered at once.
constexpr qint64 TurnMilliseconds = 30;

const UiText UndoLastReplace{"Letzte Ersetzung rückgängig", "Undo last replace"};
const UiText UndoLastReplaceHint{
    "Stellt jede Datei der letzten Ersetzung wieder her, die noch enthält, was sie schrieb",
    "Puts back every file of the last replace that still holds what it wrote"};
const UiText FilesPutBack{"Wiederhergestellte Dateien: %1", "Files put back: %1"};
const UiText ChangedSinceReplace{"Seit der Ersetzung geändert und daher belassen:",
                                 "Changed since the replace, so left as they are:"};
const UiText CannotPutBack{"Nicht wiederhergestellt:", "Could not be put back:"};
const UiText CannotKeepUndoRecord{
    "Die Kopien für das Rückgängigmachen können nicht angelegt werden; nichts wurde ersetzt.",
    "The copies for undoing cannot be kept; nothing was replaced."};

// Message lines of the main table for files that cannot be read or written.
constexpr int CannotOpenLine = 22;
constexpr int CannotSaveLine = 24;

// A field for a search or replacement text, which the files' lines can never match across:
// pasted text keeps only its first line, as a one-line field on the desktop takes it.
QLineEdit* oneLineField(const char* name) {
    auto* edit = named(new QLineEdit, name);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) {
        const auto lineEnd = std::find_if(text.begin(), text.end(),
                                          [](QChar c) { return c == u'\r' || c == u'\n'; });
        if (lineEnd != text.end())
            edit->setText(text.first(lineEnd - text.begin()));
    });
    return edit;
}

QLineEdit* counter(const char* name) {
    auto* edit = named(new QLineEdit, name);
    edit->setReadOnly(true);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setAlignment(Qt::AlignRight);
    edit->setMaximumWidth(70);
    return edit;
}

QPushButton* pushButton(const char* name, const QString& icon = QString()) {
    auto* button = named(new QPushButton, name);
    if (!icon.isEmpty())
        button->setIcon(themedIcon(icon));
    // Return in the search fields must not press a button.
    button->setAutoDefault(false);
    return button;
}

QToolButton* iconButton(const char* name, const QString& icon) {
    auto* button = named(new QToolButton, name);
    button->setIcon(themedIcon(icon));
    button->setAutoRaise(false);
    return button;
}

QListWidgetItem* listItem(const FilesListEntry& entry) {
    auto* item = new QListWidgetItem(entry.name);
    // Files of the same name from different folders look alike otherwise.
    item->setToolTip(entry.path);
    return item;
}

} // namespace

FilesReplaceDialog::FilesReplaceDialog(FeatureContext& context)
    : QDialog(context.window()), m_context(context) {
    setObjectName(QStringLiteral("filesReplaceDialog"));
    setModal(false);
    m_turn = new QTimer(this);
    m_turn->setSingleShot(true);
    m_turn->setInterval(0);
    connect(m_turn, &QTimer::timeout, this, &FilesReplaceDialog::runTurn);

    m_searchEdit = oneLineField("searchEdit");
    m_replaceEdit = oneLineField("replaceEdit");
    m_searchLabel = named(new QLabel, "searchLabel");
    m_searchLabel->setBuddy(m_searchEdit);
    m_replaceLabel = named(new QLabel, "replaceLabel");
    m_replaceLabel->setBuddy(m_replaceEdit);
    m_caseSensitive = named(new QCheckBox, "caseSensitiveCheck");
    m_wholeWord = named(new QCheckBox, "wholeWordCheck");
    m_searchOnly = named(new QCheckBox, "searchOnlyCheck");
    m_findAll = named(new QCheckBox, "findAllCheck");

    m_options = named(new QGroupBox, "optionsGroup");
    auto* optionGrid = new QGridLayout(m_options);
    optionGrid->addWidget(m_searchLabel, 0, 0);
    optionGrid->addWidget(m_searchEdit, 0, 1, 1, 3);
    optionGrid->addWidget(m_replaceLabel, 1, 0);
    optionGrid->addWidget(m_replaceEdit, 1, 1, 1, 3);
    optionGrid->addWidget(m_caseSensitive, 2, 0, 1, 2);
    optionGrid->addWidget(m_wholeWord, 2, 2, 1, 2);
    optionGrid->addWidget(m_searchOnly, 3, 0, 1, 2);
    optionGrid->addWidget(m_findAll, 3, 2, 1, 2);
    optionGrid->setColumnStretch(1, 1);
    optionGrid->setColumnStretch(3, 1);

    m_searchListLabel = named(new QLabel, "searchListLabel");
    m_resultListLabel = named(new QLabel, "resultListLabel");
    m_searchCount = counter("searchCountEdit");
    m_resultCount = counter("resultCountEdit");
    m_searchList = named(new QListWidget, "searchList");
    m_searchList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_resultList = named(new QListWidget, "resultList");
    for (QListWidget* list : {m_searchList, m_resultList})
        list->setUniformItemSizes(true);
    m_showSearchFile = pushButton("showSearchFileButton");
    m_showResultFile = pushButton("showResultFileButton");
    m_showSearchFile->setEnabled(false);
    m_showResultFile->setEnabled(false);
    m_remove = iconButton("removeButton", QStringLiteral("hx-files-remove"));
    m_back = iconButton("backToSearchButton", QStringLiteral("hx-files-back"));

    auto* lists = new QGridLayout;
    auto* searchHead = new QHBoxLayout;
    searchHead->addWidget(m_searchListLabel);
    searchHead->addStretch();
    searchHead->addWidget(m_searchCount);
    auto* resultHead = new QHBoxLayout;
    resultHead->addWidget(m_resultListLabel);
    resultHead->addStretch();
    resultHead->addWidget(m_resultCount);
    auto* searchButtons = new QHBoxLayout;
    searchButtons->addWidget(m_showSearchFile);
    searchButtons->addStretch();
    searchButtons->addWidget(m_remove);
    auto* resultButtons = new QHBoxLayout;
    resultButtons->addWidget(m_showResultFile);
    resultButtons->addStretch();
    resultButtons->addWidget(m_back);
    lists->addLayout(searchHead, 0, 0);
    lists->addLayout(resultHead, 0, 1);
    lists->addWidget(m_searchList, 1, 0);
    lists->addWidget(m_resultList, 1, 1);
    lists->addLayout(searchButtons, 2, 0);
    lists->addLayout(resultButtons, 2, 1);
    lists->setRowStretch(1, 1);

    m_matchCountLabel = named(new QLabel, "matchCountLabel");
    m_matchCount = counter("matchCountEdit");
    m_progress = named(new QProgressBar, "progressBar");
    m_progress->setTextVisible(false);
    auto* status = new QHBoxLayout;
    status->addWidget(m_matchCountLabel);
    status->addWidget(m_matchCount);
    status->addSpacing(12);
    status->addWidget(m_progress, 1);

    m_load = pushButton("loadButton", QStringLiteral("document-open"));
    m_start = pushButton("startButton", QStringLiteral("hx-files-start"));
    m_new = pushButton("newButton", QStringLiteral("document-new"));
    m_close = pushButton("closeButton", QStringLiteral("window-close"));
    m_undo = pushButton("undoReplaceButton", QStringLiteral("edit-undo"));
    m_undo->setEnabled(!m_record.isEmpty());
    m_help = iconButton("helpButton", QStringLiteral("hx-files-help"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_load);
    buttons->addWidget(m_start);
    buttons->addWidget(m_new);
    buttons->addWidget(m_undo);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_options);
    layout->addLayout(lists, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
    resize(640, 520);

    connect(m_load, &QPushButton::clicked, this, &FilesReplaceDialog::loadFiles);
    connect(m_close, &QPushButton::clicked, this, &FilesReplaceDialog::close);
    connect(m_start, &QPushButton::clicked, this, &FilesReplaceDialog::startRun);
    connect(m_new, &QPushButton::clicked, this, &FilesReplaceDialog::newSearch);
    connect(m_undo, &QPushButton::clicked, this, &FilesReplaceDialog::undoLastReplace);
    connect(m_remove, &QToolButton::clicked, this, &FilesReplaceDialog::removeSelectedFiles);
    connect(m_back, &QToolButton::clicked, this, &FilesReplaceDialog::moveResultsBackToSearch);
    connect(m_showSearchFile, &QPushButton::clicked, this, &FilesReplaceDialog::showSearchListFile);
    connect(m_showResultFile, &QPushButton::clicked, this, &FilesReplaceDialog::showResultListFile);
    connect(m_help, &QToolButton::clicked, this, &FilesReplaceDialog::showHelp);
    // A double click opens the entry under the mouse, whatever else is selected.
    connect(m_searchList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_searchList->setCurrentItem(item);
        showSearchListFile();
    });
    connect(m_resultList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_resultList->setCurrentItem(item);
        showResultListFile();
    });
    connect(m_searchList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_searchList->selectedItems().isEmpty() && !isRunning())
            m_showSearchFile->setEnabled(true);
    });
    connect(m_resultList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_resultList->selectedItems().isEmpty() && !isRunning())
            m_showResultFile->setEnabled(true);
    });

    m_chooseFiles = [this](const QString& folder) {
        return QFileDialog::getOpenFileNames(this, QString(), folder, QStringLiteral("All (*)"));
    };
    installHelpKey(this, HelpContext, [this] { return m_language; });
    applyTexts();
}

FilesReplaceDialog::~FilesReplaceDialog() = default;

void FilesReplaceDialog::setLanguage(UiLanguage language) {
    m_language = language;
    applyTexts();
}

void FilesReplaceDialog::applyTexts() {
    const auto text = [this](FilesText t) { return filesText(t, m_language); };
    setWindowTitle(text(FilesText::Caption));
    m_options->setTitle(text(FilesText::Options));
    m_searchLabel->setText(text(FilesText::SearchFor));
    m_replaceLabel->setText(text(FilesText::ReplaceBy));
    m_matchCountLabel->setText(text(FilesText::TotalMatches));
    m_caseSensitive->setText(text(FilesText::CaseSensitive));
    m_wholeWord->setText(text(FilesText::WholeWord));
    m_searchOnly->setText(text(FilesText::SearchOnly));
    m_findAll->setText(text(FilesText::FindAll));
    m_searchListLabel->setText(text(FilesText::SearchList));
    m_resultListLabel->setText(text(FilesText::ResultList));
    m_showSearchFile->setText(text(FilesText::ShowFile));
    m_showResultFile->setText(text(FilesText::ShowFile));
    m_load->setText(text(FilesText::LoadFiles));
    m_close->setText(text(FilesText::Close));
    m_start->setText(text(FilesText::Start));
    m_new->setText(text(FilesText::New));
    m_undo->setText(UndoLastReplace.in(m_language));
    m_undo->setToolTip(UndoLastReplaceHint.in(m_language));

    m_caseSensitive->setToolTip(text(FilesText::CaseSensitiveHint));
    m_wholeWord->setToolTip(text(FilesText::WholeWordHint));
    m_searchOnly->setToolTip(text(FilesText::SearchOnlyHint));
    m_findAll->setToolTip(text(FilesText::FindAllHint));
    m_showSearchFile->setToolTip(text(FilesText::ShowFileHint));
    m_showResultFile->setToolTip(text(FilesText::ShowFileHint));
    m_load->setToolTip(text(FilesText::LoadFilesHint));
    m_close->setToolTip(text(FilesText::CloseHint));
    m_new->setToolTip(text(FilesText::NewHint));
    m_remove->setToolTip(text(FilesText::RemoveHint));
    m_back->setToolTip(text(FilesText::BackToSearchHint));
}

void FilesReplaceDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        resetForShowing();
}

void FilesReplaceDialog::resetForShowing() {
    applyTexts();
    m_progress->setValue(0);
    m_searchEdit->setFocus();
    newSearch();
    // hexlume-cli may have replaced since.
    m_undo->setEnabled(!isRunning() && !m_record.isEmpty());
}

void FilesReplaceDialog::done(int result) {
    if (m_run) {
        m_run->stop();
        m_turn->stop();
        endRun();
    }
    m_startFolder.clear();
    QDialog::done(result);
}

void FilesReplaceDialog::showLists() {
    m_searchList->clear();
    m_resultList->clear();
    for (const FilesListEntry& entry : m_state.searchList)
        m_searchList->addItem(listItem(entry));
    for (const FilesListEntry& entry : m_state.resultList)
        m_resultList->addItem(listItem(entry));
    showCounters();
}

void FilesReplaceDialog::showCounters() {
    m_searchCount->setText(m_state.searchCount);
    m_resultCount->setText(m_state.resultCount);
    m_matchCount->setText(m_state.matchCount);
}

int FilesReplaceDialog::selectedRow(QListWidget* list) const {
    const QListWidgetItem* current = list->currentItem();
    if (current && current->isSelected())
        return list->row(current);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void FilesReplaceDialog::loadFiles() {
    if (isRunning())
        return;
    const QStringList chosen =
        m_chooseFiles(isBlankText(m_startFolder) ? QString() : m_startFolder);
    if (chosen.isEmpty())
        return;
    m_state.loadFiles(chosen);
    showLists();
}

void FilesReplaceDialog::startRun() {
    if (isRunning())
        return;
    m_progress->setValue(0);
    const FilesReplaceState::StartPlan plan = m_state.start(m_searchEdit->text());
    m_resultList->clear();
    showCounters();
    for (const FilesText message : plan.messages)
        m_context.prompter().message(filesText(message, m_language));
    if (!plan.run)
        return;

    FilesSearchOptions options;
    options.search = m_searchEdit->text();
    options.replace = m_replaceEdit->text();
    options.caseSensitive = m_caseSensitive->isChecked();
    options.wholeWord = m_wholeWord->isChecked();
    options.searchOnly = m_searchOnly->isChecked();
    options.all = m_findAll->isChecked();
    FilesMainDocument mainDocument(m_context.document(), m_context.buffer());
    if (!options.searchOnly) {
        if (!mainDocument.prepareReplaceRun(m_state.fullPaths))
            return;
        QString reason;
        if (!m_record.begin(reason)) {
            m_context.prompter().error(CannotKeepUndoRecord.in(m_language) + QLatin1Char('\n') +
                                       reason);
            return;
        }
    }
    m_progress->setMaximum(int(m_state.fullPaths.size()));
    m_run = std::make_unique<FilesRun>(m_state.fullPaths, options);
    if (!options.searchOnly)
        m_run->setRecord(&m_record);
    setRunning(true);
    lockMainEditor(!options.searchOnly && mainDocument.isAmong(m_state.fullPaths));
    m_turn->start();
}

void FilesReplaceDialog::runTurn() {
    if (!m_run)
        return;
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    while (!m_run->isFinished() && done < m_maxFilesPerTurn &&
           (done == 0 || clock.elapsed() < TurnMilliseconds)) {
        const FileOutcome outcome = m_run->step();
        ++done;
        const QString& path = m_run->currentFile();
        m_state.lastFile = path;
        if (outcome.failure != FileOutcome::Failure::None) {
            const int line =
                outcome.failure == FileOutcome::Failure::Write ? CannotSaveLine : CannotOpenLine;
            m_progress->setValue(int(m_run->filesDone()));
            m_context.prompter().error(m_context.messages().message(line) + path +
                                       QLatin1Char('\n') + outcome.reason);
            continue;
        }
        if (outcome.matches > 0) {
            const int row = m_state.fileMatched(path);
            if (row >= 0)
                delete m_searchList->takeItem(row);
            m_resultList->addItem(listItem(m_state.resultList.last()));
        }
    }
    m_progress->setValue(int(m_run->filesDone()));
    if (m_run->isFinished())
        endRun();
    else
        m_turn->start();
}

void FilesReplaceDialog::endRun() {
    const std::unique_ptr<FilesRun> run = std::move(m_run);
    m_state.finishRun(run->totalMatches());
    showCounters();
    setRunning(false);
    lockMainEditor(false);
    FilesMainDocument(m_context.document(), m_context.buffer())
        .reloadIfRewritten(run->rewrittenFiles());
    emit runFinished();
}

void FilesReplaceDialog::setRunning(bool running) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_load, m_start, m_new, m_remove, m_back})
        w->setEnabled(!running);
    m_undo->setEnabled(!running && !m_record.isEmpty());
    // Opening a file while the run may still rewrite it would show a stale text.
    if (running) {
        m_openWasEnabled = {m_showSearchFile->isEnabled(), m_showResultFile->isEnabled()};
        m_showSearchFile->setEnabled(false);
        m_showResultFile->setEnabled(false);
    } else {
        m_showSearchFile->setEnabled(m_openWasEnabled.first ||
                                     !m_searchList->selectedItems().isEmpty());
        m_showResultFile->setEnabled(m_openWasEnabled.second ||
                                     !m_resultList->selectedItems().isEmpty());
    }
}

void FilesReplaceDialog::newSearch() {
    m_state.clear();
    m_searchEdit->clear();
    m_replaceEdit->clear();
    m_searchOnly->setChecked(true);
    m_findAll->setChecked(false);
    m_caseSensitive->setChecked(false);
    m_wholeWord->setChecked(false);
    m_progress->setValue(0);
    showLists();
}

void FilesReplaceDialog::removeSelectedFiles() {
    QList<int> rows;
    for (const QListWidgetItem* item : m_searchList->selectedItems())
        rows.append(m_searchList->row(item));
    if (rows.isEmpty())
        return;
    m_state.removeEntries(rows);
    showLists();
}

void FilesReplaceDialog::moveResultsBackToSearch() {
    m_state.backToSearch();
    showLists();
}

void FilesReplaceDialog::openFrom(FilesReplaceState::List list) {
    if (isRunning())
        return;
    QListWidget* widget = list == FilesReplaceState::List::Search ? m_searchList : m_resultList;
    const QString path = m_state.fileToShow(list, selectedRow(widget));
    if (path.isEmpty()) {
        m_context.prompter().message(filesText(FilesReplaceState::noFileMessage(list), m_language));
        return;
    }
    FilesMainDocument(m_context.document(), m_context.buffer()).showFile(path);
}

void FilesReplaceDialog::showSearchListFile() {
    openFrom(FilesReplaceState::List::Search);
}

void FilesReplaceDialog::showResultListFile() {
    openFrom(FilesReplaceState::List::Result);
}

void FilesReplaceDialog::lockMainEditor(bool locked) {
    if (locked == m_lockedMainEditor || !m_context.editor())
        return;
    m_lockedMainEditor = locked;
    m_context.editor()->setReadOnly(locked);
}

void FilesReplaceDialog::undoLastReplace() {
    if (isRunning() || m_record.isEmpty())
        return;
    FilesMainDocument mainDocument(m_context.document(), m_context.buffer());
    if (!mainDocument.prepareReplaceRun(m_record.paths()))
        return;
    const ReplaceRecord::UndoResult undone = m_record.undo();
    m_undo->setEnabled(false);
    mainDocument.reloadIfRewritten(undone.restored);
    QString report = FilesPutBack.in(m_language).arg(undone.restored.size());
    if (!undone.changedSince.isEmpty())
        report += QLatin1String("\n\n") + ChangedSinceReplace.in(m_language) + QLatin1Char('\n') +
                  undone.changedSince.join(QLatin1Char('\n'));
    if (!undone.failed.isEmpty())
        report += QLatin1String("\n\n") + CannotPutBack.in(m_language) + QLatin1Char('\n') +
                  QStringList(undone.failed)
                      .replaceInStrings(QStringLiteral("\t"), QStringLiteral(": "))
                      .join(QLatin1Char('\n'));
    if (undone.changedSince.isEmpty() && undone.failed.isEmpty())
        m_context.prompter().information(report);
    else
        m_context.prompter().error(report);
}

void FilesReplaceDialog::showHelp() {
    showHelpTopic(this, HelpContext, m_language);
}
