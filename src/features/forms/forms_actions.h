#pragma once

#include <QObject>

class QAction;
class QMenu;
class FormDialog;
class FormControlDialog;
class FeatureContext;
struct UiText;
enum class InputCommand;

// The form and form-control items of HTML > Forms... and their buttons on the second toolbar,
// and the form and form-control dialogs.
class FormsActions : public QObject {
    Q_OBJECT
public:
    explicit FormsActions(FeatureContext& context);

    FormControlDialog& formControlDialog() const { return *m_formControl; }
    FormDialog& formDialog() const { return *m_form; }

    void insertForm();
    // Opens on the type the last command left.
    void insertInputBox();
    void insertTextLine();
    void insertPassword();
    void insertUpload();
    void insertHiddenField();
    void insertButton();
    void insertTextArea();
    void insertRadioButton();
    void insertCheckBox();
    void insertSelectBox();
    void insertDropDownList();

private:
    void runFormControlDialog(InputCommand command);
    QAction* menuItem(QMenu* menu, const char* name, const UiText& caption);
    // The hint comes from the message table by the button's name when the language is applied.
    QAction* button(const char* name, const char* icon, int hintLine);

    FeatureContext& m_context;
    FormControlDialog* m_formControl;
    FormDialog* m_form;
};
