#include "shell/message_box_prompter.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

const QString title = QStringLiteral("Hexlume");

Prompter::Answer toAnswer(QMessageBox::StandardButton button) {
    switch (button) {
    case QMessageBox::Yes:
        return Prompter::Answer::Yes;
    case QMessageBox::No:
        return Prompter::Answer::No;
    case QMessageBox::Ok:
        return Prompter::Answer::Ok;
    default:
        return Prompter::Answer::Cancel;
    }
}

} // namespace

void MessageBoxPrompter::information(const QString& text) {
    QMessageBox::information(m_parent, title, text);
}

void MessageBoxPrompter::error(const QString& text) {
    QMessageBox::critical(m_parent, title, text);
}

void MessageBoxPrompter::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, m_parent);
    box.exec();
}

Prompter::Answer MessageBoxPrompter::askYesNo(const QString& text) {
    return toAnswer(QMessageBox::question(m_parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                          QMessageBox::Yes));
}

Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString& text) {
    return toAnswer(QMessageBox::question(m_parent, title, text,
                                          QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                          QMessageBox::Yes));
}

Prompter::Answer MessageBoxPrompter::askOkCancel(const QString& text) {
    return toAnswer(QMessageBox::question(m_parent, title, text,
                                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok));
}

Prompter::Placement MessageBoxPrompter::choosePlacement(const QString& text) {
    if (m_placementDialog)
        return m_placementDialog(text);
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, m_parent);
    QAbstractButton* before = box.addButton(QObject::tr("Before"), QMessageBox::AcceptRole);
    QAbstractButton* behind = box.addButton(QObject::tr("Behind"), QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == before)
        return Placement::Before;
    if (box.clickedButton() == behind)
        return Placement::Behind;
    return Placement::Cancel;
}

int MessageBoxPrompter::chooseDocType() {
    return m_docTypeDialog ? m_docTypeDialog() : 0;
}

QString MessageBoxPrompter::chooseOpenFile(const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(m_parent, QString(), folder, filter);
}

QString MessageBoxPrompter::chooseSaveFile(const QString& folder, const QString& fileName,
                                           const QString& filter) {
    // The program asks its own overwrite question where one is wanted.
    const QString start = fileName.isEmpty() ? folder : QDir(folder).filePath(fileName);
    return QFileDialog::getSaveFileName(m_parent, QString(), start, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}
