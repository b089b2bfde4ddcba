#include "markup/forms_controller.h"

#include "app/icons.h"
#include "app/main_actions.h"
#include "app/main_window.h"
#include "markup/form_dialog.h"
#include "markup/form_markup.h"
#include "markup/input_dialog.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

FormsController::FormsController(TMainForm& window)
    : QObject(&window), m_window(window), m_input(new TFormInput(&window)),
      m_form(new TFormFormular(&window)) {
    // The menu's captions read the same in both languages.
    auto* forms = new QMenu(QStringLiteral("Forms..."), window.actions().htmlMenu);
    forms->setObjectName(QStringLiteral("Forms1"));
    forms->menuAction()->setObjectName(QStringLiteral("Forms1Action"));
    window.actions().htmlMenu->addMenu(forms);
    QAction* form = menuItem(forms, "Form1", QStringLiteral("Form"));
    QAction* inputbox = menuItem(forms, "Inputbox1", QStringLiteral("Inputbox"));
    QAction* buttonItem = menuItem(forms, "Button1", QStringLiteral("Button"));
    QAction* textarea = menuItem(forms, "Textarea1", QStringLiteral("Textarea"));
    QAction* radio = menuItem(forms, "Radiobutton1", QStringLiteral("Radiobutton"));
    QAction* check = menuItem(forms, "CheckBox1", QStringLiteral("CheckBox"));
    QAction* selectbox = menuItem(forms, "Selectbox1", QStringLiteral("Selectbox"));
    QAction* dropdown = menuItem(forms, "Dropdownlist1", QStringLiteral("Drop down list"));

    window.actions().toolBar2->addSeparator();
    QAction* formButton = button("ToolButtonForm", "hx-form-form");
    m_inputButton = button("ToolButtonInput", "hx-form-input");
    m_passwordButton = button("ToolButtonPassword", "hx-form-password");
    m_uploadButton = button("ToolButtonUpload", "hx-form-upload");
    m_hiddenButton = button("ToolButtonHidden", "hx-form-hidden");
    QAction* areaButton = button("ToolButtonArea", "hx-form-textarea");
    QAction* listButton = button("ToolButtonList", "hx-form-list");
    QAction* dropdownButton = button("ToolButtonDropdown", "hx-form-dropdown");
    QAction* buttonButton = button("ToolButtonButton", "hx-form-button");
    QAction* radioButton = button("ToolButtonRadio", "hx-form-radio");
    QAction* checkButton = button("ToolButtonCheck", "hx-form-check");

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

QAction* FormsController::button(const char* name, const char* icon) {
    QAction* action =
        m_window.actions().toolBar2->addAction(themedIcon(QLatin1String(icon)), QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

void FormsController::runInput(InputCommand command) {
    PrepareInputCommand(m_input->state, command);
    m_input->Sprache = m_window.uiLanguage();
    const bool accepted = m_input->exec() == QDialog::Accepted;
    InsertInputCode(m_window.buffer(), accepted, m_input->HTMCode);
}

void FormsController::Form1Click() {
    PrepareFormCommand(m_window.buffer());
    m_form->Sprache = m_window.uiLanguage();
    if (m_form->exec() == QDialog::Accepted)
        InsertForm(m_window.buffer(), m_form->FormCode);
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
    InsertSelectbox(m_window.buffer());
}

void FormsController::Dropdownlist1Click() {
    InsertDropdownList(m_window.buffer());
}
