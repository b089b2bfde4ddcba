#pragma once

#include "foundation/messages/ui_language.h"

#include "features/tables/table_markup.h"
#include "widgets/dialog_parts.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

// The new-table dialog. Created once with the main window, so the fields keep the values of
// the last use; only moves texts between its widgets and TableFields.
class TableDialog : public QDialog {
    Q_OBJECT
public:
    explicit TableDialog(QWidget* parent = nullptr);

    // Read when the dialog opens.
    void setLanguage(UiLanguage language) { m_language = language; }
    // The markup after OK; empty after Cancel or closing.
    QString markup() const { return m_markup; }

    // Applies the language, clears the markup, enables the fields the new table uses and shows
    // the colour previews before the modal loop runs.
    int exec() override;

    TableFields fields() const;
    void setFields(const TableFields& fields);

private:
    void applyLanguage();
    void acceptTable();
    void setPreview(QFrame* preview, const QString& colourText);
    void pickColour(QLineEdit* field, QFrame* preview);

    UiLanguage m_language = UiLanguage::English;
    QString m_markup;

    QLineEdit* m_rows;
    QLineEdit* m_columns;
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
    DialogCaptions m_captions;
    QLabel* m_colspanLabel;
    QLineEdit* m_colspan;
    QLabel* m_rowspanLabel;
    QLineEdit* m_rowspan;
    QCheckBox* m_insertBehind;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
