#include "features/forms/forms_controller.h"

#include "features/forms/form_dialog.h"
#include "features/forms/form_markup.h"
#include "features/forms/input_dialog.h"
#include "widgets/feature_context.h"
#include "widgets/icons.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

FormsController::FormsController(FeatureContext& context)
    : QObject(&context), m_context(context), m_input(new TFormInput(m_context.window())),
      m_form(new TFormFormular(m_context.window())) {
    // The menu's captions read the same in both languages.
    auto* forms = new QMenu(QStringLiteral("Forms..."), m_context.menus().html);
    forms->setObjectName(QStringLiteral("Forms1"));
    forms->menuAction()->setObjectName(QStringLiteral("Forms1Action"));
    m_context.menus().html->addMenu(forms);
    QAction* form = menuItem(forms, "Form1", QStringLiteral("Form"));
    QAction* inputbox = menuItem(forms, "Inputbox1", QStringLiteral("Inputbox"));
    QAction* buttonItem = menuItem(forms, "Button1", QStringLiteral("Button"));
    QAction* textarea = menuItem(forms, "Textarea1", QStringLiteral("Textarea"));
    QAction* radio = menuItem(forms, "Radiobutton1", QStringLiteral("Radiobutton"));
    QAction* check = menuItem(forms, "CheckBox1", QStringLiteral("CheckBox"));
    QAction* selectbox = menuItem(forms, "Selectbox1", QStringLiteral("Selectbox"));
    QAction* dropdown = menuItem(forms, "Dropdownlist1", QStringLiteral("Drop down list"));

    m_context.menus().tableBar->addSeparator();
    QAction* formButton = button("ToolButtonForm", "hx-form-form", 113);
    m_inputButton = button("ToolButtonInput", "hx-form-input", 114);
    m_passwordButton = button("ToolButtonPassword", "hx-form-password", 115);
    m_uploadButton = button("ToolButtonUpload", "hx-form-upload", 116);
    m_hiddenButton = button("ToolButtonHidden", "hx-form-hidden", 117);
    QAction* areaButton = button("ToolButtonArea", "hx-form-textarea", 118);
    QAction* listButton = button("ToolButtonList", "hx-form-list", 119);
    QAction* dropdownButton = button("ToolButtonDropdown", "hx-form-dropdown", 120);
    QAction* buttonButton = button("ToolButtonButton", "hx-form-button", 121);
    QAction* radioButton = button("ToolButtonRadio", "hx-form-radio", 122);
    QAction* checkButton = button("ToolButtonCheck", "hx-form-check", 123);

    auto on = [this](std::initializer_list<QAction*> actions, auto handler) {
        for (QAction* action : actions)
            connect(action, &QAction::triggered, this, handler);
    };
    on({form, formButton}, [this] { Form1Click(); });
    on({inputbox}, [this] { Inputbox1Click(); });
    for (QAction* line : {m_inputButton, m_passwordButton, m_uploadButton, m_hiddenButton})
        connect(line, &QAction::triggered, this, [this, line] { ToolButtonInputClick(line); });
    on({buttonItem, buttonButton}, [this] { Button1Click(); });
    on({textarea, areaButton}, [this] { Textarea1Click(); });
    on({radio, radioButton}, [this] { Radiobutton1Click(); });
    on({check, checkButton}, [this] { CheckBox1Click(); });
    on({selectbox, listButton}, [this] { Selectbox1Click(); });
    on({dropdown, dropdownButton}, [this] { Dropdownlist1Click(); });
}

QAction* FormsController::menuItem(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}

QAction* FormsController::button(const char* name, const char* icon, int hintLine) {
    QAction* action =
        m_context.menus().tableBar->addAction(themedIcon(QLatin1String(icon)), QString());
    action->setObjectName(QLatin1String(name));
    m_context.hintFromMessage(action, hintLine);
    return action;
}

void FormsController::runInput(InputCommand command) {
    PrepareInputCommand(m_input->state, command);
    m_input->Sprache = m_context.uiLanguage();
    const bool accepted = m_input->exec() == QDialog::Accepted;
    InsertInputCode(m_context.buffer(), accepted, m_input->HTMCode);
}

void FormsController::Form1Click() {
    PrepareFormCommand(m_context.buffer());
    m_form->Sprache = m_context.uiLanguage();
    if (m_form->exec() == QDialog::Accepted)
        InsertForm(m_context.buffer(), m_form->FormCode);
}

void FormsController::Inputbox1Click() {
    runInput(InputCommand::Inputbox);
}

void FormsController::ToolButtonInputClick(QAction* sender) {
    if (sender == m_passwordButton)
        runInput(InputCommand::Password);
    else if (sender == m_uploadButton)
        runInput(InputCommand::Upload);
    else if (sender == m_hiddenButton)
        runInput(InputCommand::Hidden);
    else
        runInput(InputCommand::TextLine);
}

void FormsController::Button1Click() {
    runInput(InputCommand::Button);
}

void FormsController::Textarea1Click() {
    runInput(InputCommand::Textarea);
}

void FormsController::Radiobutton1Click() {
    runInput(InputCommand::Radio);
}

void FormsController::CheckBox1Click() {
    runInput(InputCommand::CheckBox);
}

void FormsController::Selectbox1Click() {
    InsertSelectbox(m_context.buffer());
}

void FormsController::Dropdownlist1Click() {
    InsertDropdownList(m_context.buffer());
}
