#include "features/forms/forms_actions.h"

#include "features/forms/form_control_dialog.h"
#include "features/forms/form_dialog.h"
#include "features/forms/form_markup.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

namespace {

const UiText FormsMenuText{"Formulare", "Forms"};
const UiText FormText{"Formular", "Form"};
const UiText InputBoxText{"Eingabefeld", "Input box"};
const UiText ButtonText{"Schaltfläche", "Button"};
const UiText TextAreaText{"Textbereich", "Text area"};
const UiText RadioButtonText{"Optionsfeld", "Radio button"};
const UiText CheckBoxText{"Kontrollkästchen", "Check box"};
const UiText SelectBoxText{"Auswahlliste", "Select box"};
const UiText DropDownListText{"Aufklappliste", "Drop-down list"};

} // namespace

FormsActions::FormsActions(FeatureContext& context)
    : QObject(&context), m_context(context),
      m_formControl(new FormControlDialog(m_context.window())),
      m_form(new FormDialog(m_context.window())) {
    auto* forms = new QMenu(m_context.menus().html);
    m_context.captionFromText(forms, FormsMenuText);
    forms->setObjectName(QStringLiteral("formsMenu"));
    forms->menuAction()->setObjectName(QStringLiteral("formsMenuAction"));
    m_context.menus().html->addMenu(forms);
    QAction* formItem = menuItem(forms, "insertFormItem", FormText);
    QAction* inputBoxItem = menuItem(forms, "insertInputBoxItem", InputBoxText);
    QAction* buttonItem = menuItem(forms, "insertButtonItem", ButtonText);
    QAction* textAreaItem = menuItem(forms, "insertTextAreaItem", TextAreaText);
    QAction* radioItem = menuItem(forms, "insertRadioButtonItem", RadioButtonText);
    QAction* checkItem = menuItem(forms, "insertCheckBoxItem", CheckBoxText);
    QAction* selectItem = menuItem(forms, "insertSelectBoxItem", SelectBoxText);
    QAction* dropDownItem = menuItem(forms, "insertDropDownListItem", DropDownListText);

    m_context.menus().tableBar->addSeparator();
    QAction* formButton = button("insertFormButton", "hx-form-form", 113);
    QAction* textLineButton = button("insertTextLineButton", "hx-form-input", 114);
    QAction* passwordButton = button("insertPasswordButton", "hx-form-password", 115);
    QAction* uploadButton = button("insertUploadButton", "hx-form-upload", 116);
    QAction* hiddenButton = button("insertHiddenFieldButton", "hx-form-hidden", 117);
    QAction* textAreaButton = button("insertTextAreaButton", "hx-form-textarea", 118);
    QAction* selectButton = button("insertSelectBoxButton", "hx-form-list", 119);
    QAction* dropDownButton = button("insertDropDownListButton", "hx-form-dropdown", 120);
    QAction* buttonButton = button("insertButtonButton", "hx-form-button", 121);
    QAction* radioButton = button("insertRadioButtonButton", "hx-form-radio", 122);
    QAction* checkButton = button("insertCheckBoxButton", "hx-form-check", 123);

    auto on = [this](std::initializer_list<QAction*> actions, void (FormsActions::*handler)()) {
        for (QAction* action : actions)
            connect(action, &QAction::triggered, this, handler);
    };
    on({formItem, formButton}, &FormsActions::insertForm);
    on({inputBoxItem}, &FormsActions::insertInputBox);
    on({textLineButton}, &FormsActions::insertTextLine);
    on({passwordButton}, &FormsActions::insertPassword);
    on({uploadButton}, &FormsActions::insertUpload);
    on({hiddenButton}, &FormsActions::insertHiddenField);
    on({buttonItem, buttonButton}, &FormsActions::insertButton);
    on({textAreaItem, textAreaButton}, &FormsActions::insertTextArea);
    on({radioItem, radioButton}, &FormsActions::insertRadioButton);
    on({checkItem, checkButton}, &FormsActions::insertCheckBox);
    on({selectItem, selectButton}, &FormsActions::insertSelectBox);
    on({dropDownItem, dropDownButton}, &FormsActions::insertDropDownList);
}

QAction* FormsActions::menuItem(QMenu* menu, const char* name, const UiText& caption) {
    QAction* action = menu->addAction(QString());
    m_context.captionFromText(action, caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* FormsActions::button(const char* name, const char* icon, int hintLine) {
    QAction* action =
        m_context.menus().tableBar->addAction(themedIcon(QLatin1String(icon)), QString());
    action->setObjectName(QLatin1String(name));
    m_context.hintFromMessage(action, hintLine);
    return action;
}

void FormsActions::runFormControlDialog(InputCommand command) {
    m_formControl->setLanguage(m_context.uiLanguage());
    const bool accepted = m_formControl->execFor(command) == QDialog::Accepted;
    insertInputCode(m_context.buffer(), accepted, m_formControl->htmlCode());
}

void FormsActions::insertForm() {
    prepareFormCommand(m_context.buffer());
    m_form->setLanguage(m_context.uiLanguage());
    if (m_form->exec() == QDialog::Accepted)
        insertFormCode(m_context.buffer(), m_form->htmlCode());
}

void FormsActions::insertInputBox() {
    runFormControlDialog(InputCommand::InputBox);
}

void FormsActions::insertTextLine() {
    runFormControlDialog(InputCommand::TextLine);
}

void FormsActions::insertPassword() {
    runFormControlDialog(InputCommand::Password);
}

void FormsActions::insertUpload() {
    runFormControlDialog(InputCommand::Upload);
}

void FormsActions::insertHiddenField() {
    runFormControlDialog(InputCommand::Hidden);
}

void FormsActions::insertButton() {
    runFormControlDialog(InputCommand::Button);
}

void FormsActions::insertTextArea() {
    runFormControlDialog(InputCommand::TextArea);
}

void FormsActions::insertRadioButton() {
    runFormControlDialog(InputCommand::Radio);
}

void FormsActions::insertCheckBox() {
    runFormControlDialog(InputCommand::CheckBox);
}

void FormsActions::insertSelectBox() {
    insertSelectBoxCode(m_context.buffer());
}

void FormsActions::insertDropDownList() {
    insertDropDownListCode(m_context.buffer());
}
