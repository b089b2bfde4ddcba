#include "features/files_replace/files_dialog.h"

#include "widgets/dialog_parts.h"

#include "features/files_replace/files_main_document.h"
#include "foundation/messages/messages.h"
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

namespace {

constexpr int HelpContext = 60;
// Long enough to do real work per turn, short enough that a click is answered at once.
constexpr qint64 TurnMilliseconds = 30;

// Message lines of the main table for files that cannot be read or written.
constexpr int MsgCannotOpen = 22;
constexpr int MsgCannotSave = 24;

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

TFormFiles::TFormFiles(FeatureContext& context) : QDialog(context.window()), m_main(context) {
    setObjectName(QStringLiteral("FormFiles"));
    setModal(false);
    m_turn = new QTimer(this);
    m_turn->setSingleShot(true);
    m_turn->setInterval(0);
    connect(m_turn, &QTimer::timeout, this, &TFormFiles::runTurn);

    m_editSearch = named(new QLineEdit, "EditSearch");
    m_editReplace = named(new QLineEdit, "EditReplace");
    m_label1 = named(new QLabel, "Label1");
    m_label1->setBuddy(m_editSearch);
    m_label2 = named(new QLabel, "Label2");
    m_label2->setBuddy(m_editReplace);
    m_case = named(new QCheckBox, "CheckBoxCase");
    m_word = named(new QCheckBox, "CheckBoxWord");
    m_searchOnly = named(new QCheckBox, "CheckBoxSearch");
    m_all = named(new QCheckBox, "CheckBoxAll");

    m_options = named(new QGroupBox, "GroupBox1");
    auto* optionGrid = new QGridLayout(m_options);
    optionGrid->addWidget(m_label1, 0, 0);
    optionGrid->addWidget(m_editSearch, 0, 1, 1, 3);
    optionGrid->addWidget(m_label2, 1, 0);
    optionGrid->addWidget(m_editReplace, 1, 1, 1, 3);
    optionGrid->addWidget(m_case, 2, 0, 1, 2);
    optionGrid->addWidget(m_word, 2, 2, 1, 2);
    optionGrid->addWidget(m_searchOnly, 3, 0, 1, 2);
    optionGrid->addWidget(m_all, 3, 2, 1, 2);
    optionGrid->setColumnStretch(1, 1);
    optionGrid->setColumnStretch(3, 1);

    m_staticText1 = named(new QLabel, "StaticText1");
    m_staticText2 = named(new QLabel, "StaticText2");
    m_edit1 = counter("Edit1");
    m_edit2 = counter("Edit2");
    m_searchList = named(new QListWidget, "ListBoxSearch");
    m_searchList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_resultList = named(new QListWidget, "ListBoxResult");
    for (QListWidget* list : {m_searchList, m_resultList})
        list->setUniformItemSizes(true);
    m_searchOpen = pushButton("ButtonSearchOpen");
    m_resultOpen = pushButton("ButtonResultOpen");
    m_searchOpen->setEnabled(false);
    m_resultOpen->setEnabled(false);
    m_remove = iconButton("BitBtn5", QStringLiteral("hx-files-remove"));
    m_back = iconButton("BtnBackToSearch", QStringLiteral("hx-files-back"));

    auto* lists = new QGridLayout;
    auto* searchHead = new QHBoxLayout;
    searchHead->addWidget(m_staticText1);
    searchHead->addStretch();
    searchHead->addWidget(m_edit1);
    auto* resultHead = new QHBoxLayout;
    resultHead->addWidget(m_staticText2);
    resultHead->addStretch();
    resultHead->addWidget(m_edit2);
    auto* searchButtons = new QHBoxLayout;
    searchButtons->addWidget(m_searchOpen);
    searchButtons->addStretch();
    searchButtons->addWidget(m_remove);
    auto* resultButtons = new QHBoxLayout;
    resultButtons->addWidget(m_resultOpen);
    resultButtons->addStretch();
    resultButtons->addWidget(m_back);
    lists->addLayout(searchHead, 0, 0);
    lists->addLayout(resultHead, 0, 1);
    lists->addWidget(m_searchList, 1, 0);
    lists->addWidget(m_resultList, 1, 1);
    lists->addLayout(searchButtons, 2, 0);
    lists->addLayout(resultButtons, 2, 1);
    lists->setRowStretch(1, 1);

    m_labelTreffer = named(new QLabel, "LabelTreffer");
    m_editTreffer = counter("EditTreffer");
    m_progress = named(new QProgressBar, "ProgressBar1");
    m_progress->setTextVisible(false);
    auto* status = new QHBoxLayout;
    status->addWidget(m_labelTreffer);
    status->addWidget(m_editTreffer);
    status->addSpacing(12);
    status->addWidget(m_progress, 1);

    m_load = pushButton("BitBtn1", QStringLiteral("document-open"));
    m_start = pushButton("BitBtn3", QStringLiteral("hx-files-start"));
    m_new = pushButton("BitBtn4", QStringLiteral("document-new"));
    m_close = pushButton("BitBtn2", QStringLiteral("window-close"));
    m_help = iconButton("SpeedButton1", QStringLiteral("hx-files-help"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_load);
    buttons->addWidget(m_start);
    buttons->addWidget(m_new);
    buttons->addStretch();
    buttons->addWidget(m_help);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_options);
    layout->addLayout(lists, 1);
    layout->addLayout(status);
    layout->addLayout(buttons);
    resize(640, 520);

    connect(m_load, &QPushButton::clicked, this, &TFormFiles::BitBtn1Click);
    connect(m_close, &QPushButton::clicked, this, &TFormFiles::BitBtn2Click);
    connect(m_start, &QPushButton::clicked, this, &TFormFiles::BitBtn3Click);
    connect(m_new, &QPushButton::clicked, this, &TFormFiles::BitBtn4Click);
    connect(m_remove, &QToolButton::clicked, this, &TFormFiles::BitBtn5Click);
    connect(m_back, &QToolButton::clicked, this, &TFormFiles::BtnBackToSearchClick);
    connect(m_searchOpen, &QPushButton::clicked, this, &TFormFiles::ButtonSearchOpenClick);
    connect(m_resultOpen, &QPushButton::clicked, this, &TFormFiles::ButtonResultOpenClick);
    connect(m_help, &QToolButton::clicked, this, &TFormFiles::SpeedButton1Click);
    // A double click opens the entry under the mouse, whatever else is selected.
    connect(m_searchList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_searchList->setCurrentItem(item);
        ButtonSearchOpenClick();
    });
    connect(m_resultList, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        m_resultList->setCurrentItem(item);
        ButtonResultOpenClick();
    });
    connect(m_searchList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_searchList->selectedItems().isEmpty() && !isRunning())
            m_searchOpen->setEnabled(true);
    });
    connect(m_resultList, &QListWidget::itemSelectionChanged, this, [this] {
        if (!m_resultList->selectedItems().isEmpty() && !isRunning())
            m_resultOpen->setEnabled(true);
    });

    chooseFiles = [this](const QString& folder) {
        return QFileDialog::getOpenFileNames(this, QString(), folder, QStringLiteral("All (*)"));
    };
    installHelpKey(this, HelpContext, [this] { return Sprache; });
    applyTexts();
}

TFormFiles::~TFormFiles() = default;

void TFormFiles::applyTexts() {
    const auto text = [this](FilesText t) { return filesText(t, Sprache); };
    setWindowTitle(text(FilesText::Caption));
    m_options->setTitle(text(FilesText::Options));
    m_label1->setText(text(FilesText::SearchFor));
    m_label2->setText(text(FilesText::ReplaceBy));
    m_labelTreffer->setText(text(FilesText::TotalMatches));
    m_case->setText(text(FilesText::CaseSensitive));
    m_word->setText(text(FilesText::WholeWord));
    m_searchOnly->setText(text(FilesText::SearchOnly));
    m_all->setText(text(FilesText::FindAll));
    m_staticText1->setText(text(FilesText::SearchList));
    m_staticText2->setText(text(FilesText::ResultList));
    m_searchOpen->setText(text(FilesText::ShowFile));
    m_resultOpen->setText(text(FilesText::ShowFile));
    m_load->setText(text(FilesText::LoadFiles));
    m_close->setText(text(FilesText::Close));
    m_start->setText(text(FilesText::Start));
    m_new->setText(text(FilesText::New));

    m_case->setToolTip(text(FilesText::CaseSensitiveHint));
    m_word->setToolTip(text(FilesText::WholeWordHint));
    m_searchOnly->setToolTip(text(FilesText::SearchOnlyHint));
    m_all->setToolTip(text(FilesText::FindAllHint));
    m_searchOpen->setToolTip(text(FilesText::ShowFileHint));
    m_resultOpen->setToolTip(text(FilesText::ShowFileHint));
    m_load->setToolTip(text(FilesText::LoadFilesHint));
    m_close->setToolTip(text(FilesText::CloseHint));
    m_new->setToolTip(text(FilesText::NewHint));
    m_remove->setToolTip(text(FilesText::RemoveHint));
    m_back->setToolTip(text(FilesText::BackToSearchHint));
}

void TFormFiles::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TFormFiles::FormShow() {
    applyTexts();
    m_progress->setValue(0);
    m_editSearch->setFocus();
    BitBtn4Click();
}

void TFormFiles::done(int result) {
    if (m_run) {
        m_run->stop();
        m_turn->stop();
        endRun();
    }
    CurDir.clear();
    QDialog::done(result);
}

void TFormFiles::showLists() {
    m_searchList->clear();
    m_resultList->clear();
    for (const FilesListEntry& entry : m_state.searchList)
        m_searchList->addItem(listItem(entry));
    for (const FilesListEntry& entry : m_state.resultList)
        m_resultList->addItem(listItem(entry));
    showCounters();
}

void TFormFiles::showCounters() {
    m_edit1->setText(m_state.edit1);
    m_edit2->setText(m_state.edit2);
    m_editTreffer->setText(m_state.editTreffer);
}

int TFormFiles::selectedRow(QListWidget* list) const {
    const QListWidgetItem* current = list->currentItem();
    if (current && current->isSelected())
        return list->row(current);
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

void TFormFiles::BitBtn1Click() {
    if (isRunning())
        return;
    const QStringList chosen = chooseFiles(isBlankText(CurDir) ? QString() : CurDir);
    if (chosen.isEmpty())
        return;
    m_state.loadFiles(chosen);
    showLists();
}

void TFormFiles::BitBtn2Click() {
    close();
}

void TFormFiles::BitBtn3Click() {
    if (isRunning())
        return;
    m_progress->setValue(0);
    const FilesDialogState::StartPlan plan = m_state.start(m_editSearch->text());
    m_resultList->clear();
    showCounters();
    for (const FilesText message : plan.messages)
        m_main.prompter().message(filesText(message, Sprache));
    if (!plan.run)
        return;

    FilesSearchOptions options;
    options.search = m_editSearch->text();
    options.replace = m_editReplace->text();
    options.caseSensitive = m_case->isChecked();
    options.wholeWord = m_word->isChecked();
    options.searchOnly = m_searchOnly->isChecked();
    options.all = m_all->isChecked();
    if (!options.searchOnly) {
        FilesMainDocument mainDocument(m_main.document(), m_main.buffer());
        if (!mainDocument.prepareReplaceRun(m_state.fullPaths))
            return;
    }
    m_progress->setMaximum(int(m_state.fullPaths.size()));
    m_run = std::make_unique<FilesRun>(m_state.fullPaths, options);
    setRunning(true);
    m_turn->start();
}

void TFormFiles::runTurn() {
    if (!m_run)
        return;
    QElapsedTimer clock;
    clock.start();
    int done = 0;
    while (!m_run->isFinished() && done < maxFilesPerTurn &&
           (done == 0 || clock.elapsed() < TurnMilliseconds)) {
        const FileOutcome outcome = m_run->step();
        ++done;
        const QString& path = m_run->currentFile();
        m_state.fileName = path;
        if (outcome.failure != FileOutcome::Failure::None) {
            const int line =
                outcome.failure == FileOutcome::Failure::Read ? MsgCannotOpen : MsgCannotSave;
            m_progress->setValue(int(m_run->filesDone()));
            m_main.prompter().error(m_main.messages().message(line) + path + QLatin1Char('\n') +
                                    outcome.reason);
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

void TFormFiles::endRun() {
    const std::unique_ptr<FilesRun> run = std::move(m_run);
    m_state.finishRun(run->totalMatches());
    showCounters();
    setRunning(false);
    FilesMainDocument(m_main.document(), m_main.buffer()).reloadIfRewritten(run->rewrittenFiles());
    emit runFinished();
}

void TFormFiles::setRunning(bool running) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_load, m_start, m_new, m_remove, m_back})
        w->setEnabled(!running);
    // Opening a file while the run may still rewrite it would show a stale text.
    if (running) {
        m_openWasEnabled = {m_searchOpen->isEnabled(), m_resultOpen->isEnabled()};
        m_searchOpen->setEnabled(false);
        m_resultOpen->setEnabled(false);
    } else {
        m_searchOpen->setEnabled(m_openWasEnabled.first ||
                                 !m_searchList->selectedItems().isEmpty());
        m_resultOpen->setEnabled(m_openWasEnabled.second ||
                                 !m_resultList->selectedItems().isEmpty());
    }
}

void TFormFiles::BitBtn4Click() {
    m_state.New();
    m_editSearch->clear();
    m_editReplace->clear();
    m_searchOnly->setChecked(true);
    m_all->setChecked(false);
    m_case->setChecked(false);
    m_word->setChecked(false);
    m_progress->setValue(0);
    showLists();
}

void TFormFiles::BitBtn5Click() {
    QList<int> rows;
    for (const QListWidgetItem* item : m_searchList->selectedItems())
        rows.append(m_searchList->row(item));
    if (rows.isEmpty())
        return;
    m_state.removeEntries(rows);
    showLists();
}

void TFormFiles::BtnBackToSearchClick() {
    m_state.backToSearch();
    showLists();
}

void TFormFiles::openFrom(FilesDialogState::List list) {
    if (isRunning())
        return;
    QListWidget* widget = list == FilesDialogState::List::Search ? m_searchList : m_resultList;
    const QString path = m_state.fileToShow(list, selectedRow(widget));
    if (path.isEmpty()) {
        m_main.prompter().message(filesText(FilesDialogState::noFileMessage(list), Sprache));
        return;
    }
    FilesMainDocument(m_main.document(), m_main.buffer()).showFile(path);
}

void TFormFiles::ButtonSearchOpenClick() {
    openFrom(FilesDialogState::List::Search);
}

void TFormFiles::ButtonResultOpenClick() {
    openFrom(FilesDialogState::List::Result);
}

void TFormFiles::SpeedButton1Click() {
    showHelpTopic(this, HelpContext, Sprache);
}
