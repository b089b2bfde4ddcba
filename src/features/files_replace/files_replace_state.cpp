#include "features/files_replace/files_replace_state.h"

#include "foundation/text/text_rules.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace {

struct TextPair {
    const char* german;
    const char* english;
};

// In the order of FilesText.
constexpr std::array<TextPair, 30> texts = {{
    {"Suchen/Ersetzen", "Search/Replace"},
    {"Suchen/Ersetzen Optionen", "Search/Replace options"},
    {"Suche nach...", "Search for..."},
    {"Ersetzen mit...", "Replace by..."},
    {"Treffer gesamt", "Total matches"},
    {"Groß-/Kleinschreibung beachten", "Case sensitive"},
    {"Nur ganzes Wort", "Whole word"},
    {"Nur suchen/nichts ersetzen", "Search only/Do not replace"},
    {"Alle finden/ersetzen", "Find/Replace all"},
    {"Suchliste", "Search list"},
    {"Ergebnisliste", "Result list"},
    {"Zeige Datei", "Show file"},
    {"Dateien laden", "Load files"},
    {"Schließen", "Close"},
    {"Start", "Start"},
    {"Neu", "New"},
    {"Groß-/Keilnschreibung berücksichtigen", "Case sensitive"},
    {"Nur komplettes Wort finden", "Find whole word only"},
    {"Nur suchen. Keine Änderungen vornehmen. Wenn nicht angeklickt, wird ersetzt.",
     "Search only. No changes will be made. If unchecked matches will be replaced."},
    {"Findet/Ersetzt alle Vorkommen des Suchbegriffs in den Dateien", "Find/Replace all matches"},
    {"Öffnet die ausgewählte Datei im Editor", "Opens the selected file in source editor"},
    {"Lädt Dateien in die Suchliste", "Load files to search list"},
    {"Fenster schließen", "Close window"},
    {"Alle Einstellungen zurücksetzen ", "Clear lists and reset to default"},
    {"Datei aus Liste entfernen.", "Remove file from list."},
    {"Dateien in die Suchliste zurückstellen", "Set files back to search list"},
    {"Bitte Dateien laden, um die Suche zu starten.", "Please load files to start operation."},
    {"Bitte Suchtext angeben.", "Please enter a search string."},
    {"Bitte markieren Sie eine Datei in der Suchliste", "Please select a file in the search list."},
    {"Bitte markieren Sie eine Datei in der Ergebnisliste",
     "Please select a file an the result list."},
}};

static_assert(texts.size() == std::size_t(FilesText::NoResultListFile) + 1);

FilesListEntry entryFor(const QString& path) {
    return {QFileInfo(path).fileName(), path};
}

} // namespace

QString filesText(FilesText text, UiLanguage language) {
    const TextPair& pair = texts[std::size_t(text)];
    return QString::fromUtf8(language == UiLanguage::German ? pair.german : pair.english);
}

void FilesReplaceState::countLists() {
    searchCount = QString::number(searchList.size());
    resultCount = QString::number(resultList.size());
}

void FilesReplaceState::clear() {
    fullPaths.clear();
    searchList.clear();
    resultList.clear();
    // Counts of lists that are gone would mislead.
    searchCount.clear();
    resultCount.clear();
    matchCount.clear();
}

void FilesReplaceState::loadFiles(const QStringList& chosen) {
    fullPaths = chosen;
    searchList.clear();
    resultList.clear();
    for (const QString& path : chosen)
        searchList.append(entryFor(path));
    countLists();
}

void FilesReplaceState::backToSearch() {
    searchList.append(resultList);
    resultList.clear();
    resultCount.clear();
    matchCount.clear();
    searchCount = QString::number(searchList.size());
}

void FilesReplaceState::removeEntries(QList<int> selectedRows) {
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    QList<FilesListEntry> kept;
    bool removed = false;
    for (int row = 0; row < searchList.size(); ++row) {
        if (!std::binary_search(selectedRows.begin(), selectedRows.end(), row)) {
            kept.append(searchList[row]);
            continue;
        }
        fullPaths.removeOne(searchList[row].path);
        removed = true;
    }
    if (!removed)
        return;
    searchList = kept;
    searchCount = QString::number(searchList.size());
}

QString FilesReplaceState::fileToShow(List list, int selectedRow) {
    const QList<FilesListEntry>& entries = list == List::Search ? searchList : resultList;
    if (selectedRow >= 0 && selectedRow < entries.size())
        lastFile = entries[selectedRow].path;
    return lastFile;
}

FilesText FilesReplaceState::noFileMessage(List list) {
    return list == List::Search ? FilesText::NoSearchListFile : FilesText::NoResultListFile;
}

FilesReplaceState::StartPlan FilesReplaceState::start(const QString& search) {
    StartPlan plan;
    matchCount.clear();
    resultList.clear();
    lastFile.clear();
    resultCount = QString::number(0);
    if (searchList.isEmpty())
        plan.messages.append(FilesText::NoFilesLoaded);
    if (isBlankText(search)) {
        plan.messages.append(FilesText::NoSearchText);
        return plan;
    }
    plan.run = !searchList.isEmpty();
    return plan;
}

int FilesReplaceState::fileMatched(const QString& path) {
    FilesListEntry entry = entryFor(path);
    const int row = int(searchList.indexOf(entry));
    if (row >= 0)
        searchList.removeAt(row);
    resultList.append(std::move(entry));
    countLists();
    return row;
}

void FilesReplaceState::finishRun(int totalMatches) {
    countLists();
    matchCount = QString::number(totalMatches);
}
