#include "features/files_replace/files_main_document.h"

#include "foundation/document/document.h"
#include "foundation/document/editor_buffer.h"
#include "foundation/text/text_rules.h"

#include <QFileInfo>

#include <algorithm>

namespace {

QString comparablePath(const QString& path) {
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

QString FilesMainDocument::ownFile() const {
    const QString name = m_document.fileName().trimmed();
    if (isBlankText(name) || name == m_document.untitledName() ||
        asciiLower(name) == QLatin1String("untitled"))
        return QString();
    return name;
}

bool FilesMainDocument::sameFile(const QString& a, const QString& b) {
    return comparablePath(a) == comparablePath(b);
}

bool FilesMainDocument::isAmong(const QStringList& paths) const {
    const QString own = ownFile();
    if (own.isEmpty())
        return false;
    const QString mine = comparablePath(own);
    return std::any_of(paths.begin(), paths.end(),
                       [&mine](const QString& p) { return comparablePath(p) == mine; });
}

bool FilesMainDocument::prepareReplaceRun(const QStringList& paths) {
    if (!m_editor.isModified() || !isAmong(paths))
        return true;
    m_document.askSaveChanges();
    return !m_document.saveCancelled();
}

void FilesMainDocument::reloadIfRewritten(const QStringList& rewritten) {
    if (isAmong(rewritten))
        m_document.loadDocument(ownFile());
}

bool FilesMainDocument::showFile(const QString& path) {
    m_document.askSaveChanges();
    // A cancel, a cancelled Save As or a failed save leaves the work on screen.
    if (m_document.saveCancelled())
        return false;
    return m_document.loadDocument(path);
}
