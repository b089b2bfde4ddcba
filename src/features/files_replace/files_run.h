#pragma once

#include "features/files_replace/files_search.h"

#include <QStringList>

// One search or replace run over a list of files, a file per step, so that a window can keep
// its event loop turning between files and stop after the current one.
class FilesRun {
public:
    FilesRun(QStringList paths, FilesSearchOptions options);

    // The window ends the run at a file that cannot be read or written; hexlume-cli goes on.
    void setStopAtFailure(bool stop) { m_stopAtFailure = stop; }
    // Where the old bytes of every rewritten file are kept; must outlive the run.
    void setRecord(ReplaceRecord* record) { m_memory.record = record; }

    qsizetype fileCount() const { return m_paths.size(); }
    qsizetype filesDone() const { return m_next; }
    bool isFinished() const { return m_stopped || m_next >= m_paths.size(); }
    // Processes the next file; the run must not be finished.
    FileOutcome step();
    // The file the last step worked on.
    const QString& currentFile() const { return m_current; }
    void stop() { m_stopped = true; }

    int totalMatches() const { return m_totalMatches; }
    const QStringList& rewrittenFiles() const { return m_rewritten; }
    bool hadFailure() const { return m_failures > 0; }

private:
    QStringList m_paths;
    FilesSearchOptions m_options;
    FilesRunMemory m_memory;
    qsizetype m_next = 0;
    QString m_current;
    bool m_stopAtFailure = true;
    bool m_stopped = false;
    int m_totalMatches = 0;
    int m_failures = 0;
    QStringList m_rewritten;
};
