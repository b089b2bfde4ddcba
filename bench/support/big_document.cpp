#include "big_document.h"

#include "foundation/document/document_file.h"

#include <QMap>
#include <QProcess>

QTemporaryDir& scratchFolder() {
    static QTemporaryDir dir;
    return dir;
}

QString bigDocument(int mebibytes) {
    static QMap<int, QString> made;
    if (made.contains(mebibytes))
        return made.value(mebibytes);
    const QString path = scratchFolder().filePath(QStringLiteral("big%1.html").arg(mebibytes));
    QProcess python;
    python.setStandardOutputFile(path);
    python.start(QStringLiteral("python3"),
                 {QStringLiteral(HEXLUME_SOURCE_DIR "/../shared/corpus/make_big.py"),
                  QString::number(mebibytes)});
    if (!python.waitForFinished(-1) || python.exitCode() != 0)
        return QString();
    made.insert(mebibytes, path);
    return path;
}

const QString* bigDocumentText(int mebibytes) {
    static QMap<int, QString> texts;
    if (!texts.contains(mebibytes)) {
        const QString path = bigDocument(mebibytes);
        std::optional<LoadedDocument> doc = path.isEmpty() ? std::nullopt : loadDocumentFile(path);
        if (!doc)
            return nullptr;
        texts.insert(mebibytes, doc->text);
    }
    return &texts[mebibytes];
}
