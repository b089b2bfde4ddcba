#pragma once

#include <QObject>

class QAction;
class QMenu;
class TFormFormular;
class TFormInput;
class FeatureContext;
enum class InputCommand;

// The form and form-control commands of HTML > Forms... and the second toolbar, and their two
// dialogs.
class FormsController : public QObject {
    Q_OBJECT
public:
    explicit FormsController(FeatureContext& context);

    TFormInput& inputDialog() const { return *m_input; }
    TFormFormular& formDialog() const { return *m_form; }

    void Form1Click();
    void Inputbox1Click();
    // The text-line, password, upload and hidden-field buttons share this handler.
    void ToolButtonInputClick(QAction* sender);
    void Button1Click();
    void Textarea1Click();
    void Radiobutton1Click();
    void CheckBox1Click();
    void Selectbox1Click();
    void Dropdownlist1Click();

private:
    void runInput(InputCommand command);
    QAction* menuItem(QMenu* menu, const char* name, const QString& caption);
    // The hint comes from the message table by the button's name when the language is applied.
    QAction* button(const char* name, const char* icon, int hintLine);

    FeatureContext& m_context;
    TFormInput* m_input;
    TFormFormular* m_form;
    QAction* m_inputButton = nullptr;
    QAction* m_passwordButton = nullptr;
    QAction* m_uploadButton = nullptr;
    QAction* m_hiddenButton = nullptr;
};
