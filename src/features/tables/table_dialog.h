#pragma once

#include "foundation/messages/ui_language.h"

#include "features/tables/table_markup.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The new-table dialog. Created once with the main window, so the fields keep the values of
// the last use; only moves texts between its widgets and TableFields.
class TFormTable : public QDialog {
    Q_OBJECT
public:
    explicit TFormTable(QWidget* parent = nullptr);

    // Set by the caller before showing.
    UiLanguage TLanguage = UiLanguage::English;
    bool NewTable = true;
    // The markup after OK; empty after Cancel or closing.
    QString Tabelle;

    // Showing: language, cleared result, enabled fields and colour previews, then the modal loop.
    int ShowModal();

    TableFields fields() const;
    void setFields(const TableFields& fields);

    void BitBtn1Click();
    void BitBtn2Click();
    void Button1Click();
    void Button2Click();

private:
    void applyLanguage();
    void setPreview(QFrame* panel, const QString& colourText);
    void pickColour(QLineEdit* field, QFrame* panel);

    QLineEdit* m_rows;
    QLineEdit* m_cols;
    QLineEdit* m_tableWidth;
    QLineEdit* m_tableHeight;
    QComboBox* m_tableAlign;
    QLineEdit* m_border;
    QLineEdit* m_padding;
    QLineEdit* m_spacing;
    QLineEdit* m_tableColour;
    QPushButton* m_tableColourButton;
    QFrame* m_tablePreview;
    QLineEdit* m_cellWidth;
    QLineEdit* m_cellHeight;
    QComboBox* m_cellAlign;
    QComboBox* m_cellValign;
    QLineEdit* m_cellColour;
    QPushButton* m_cellColourButton;
    QFrame* m_cellPreview;
    QLabel* m_colspanLabel;
    QLineEdit* m_colspan;
    QLabel* m_rowspanLabel;
    QLineEdit* m_rowspan;
    QCheckBox* m_behind;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
