#include "features/files_replace/files_run.h"

FilesRun::FilesRun(QStringList paths, FilesSearchOptions options)
    : m_paths(std::move(paths)), m_options(std::move(options)) {}

FileOutcome FilesRun::step() {
    if (isFinished())
        return {};
    m_current = m_paths[m_next++];
    FileOutcome outcome = searchReplaceInFile(m_current, m_options, &m_memory);
    if (outcome.failure != FileOutcome::Failure::None) {
        // A replacement that could not be written did not happen.
        ++m_failures;
        if (m_stopAtFailure && outcome.failure != FileOutcome::Failure::Skipped)
            m_stopped = true;
        return outcome;
    }
    m_totalMatches += outcome.matches;
    if (outcome.rewritten)
        m_rewritten.append(m_current);
    return outcome;
}
