#pragma once

#include <QObject>

#include <initializer_list>

class QAction;
class QActionGroup;
class QMenu;
class FeatureContext;
enum class WrapCommand;

// The wrapping commands: inline formatting, alignment, headings, lists, comment, breaks, script.
// Owns their menu items, shortcuts and standard-toolbar buttons; the work is done in the core.
class WrapController : public QObject {
    Q_OBJECT
public:
    explicit WrapController(FeatureContext& context);

    void BoldButtonClick();
    void ItalicButtonClick();
    // The strike-through button shares this handler; sender tells them apart.
    void UnderlineButtonClick(QAction* sender);
    void Sup1Click();
    void Sub1Click();
    // tag: 0 left, 1 right, 2 justify, anything else center.
    void AlignButtonClick(int tag);
    void ToolButtonIndentClick();
    void HeadingClick(int level);
    void Kommentar1Click();
    void Linebreak1Click();
    void Horizontalline1Click();
    void Script1Click();
    // The ordered-list button and menu item share this handler with the unordered ones.
    void BulletsButtonClick(QAction* sender);

private:
    void createMenuItems();
    void createButtons();
    void wrap(WrapCommand command, std::initializer_list<QAction*> release = {});
    QAction* menuItem(QMenu* menu, const char* name, const QString& caption, const char* keys);
    // The hint comes from the message table by the button's name when the language is applied.
    QAction* button(const char* name, const QString& icon, bool toggle = false);

    FeatureContext& m_context;
    QAction* m_boldButton = nullptr;
    QAction* m_italicButton = nullptr;
    QAction* m_underlineButton = nullptr;
    QAction* m_strikeButton = nullptr;
    QAction* m_leftAlign = nullptr;
    QAction* m_centerAlign = nullptr;
    QAction* m_rightAlign = nullptr;
    QAction* m_justifyButton = nullptr;
    QAction* m_bulletsButton = nullptr;
    QAction* m_orderedButton = nullptr;
    QAction* m_orderedItem = nullptr;
    QActionGroup* m_alignGroup = nullptr;
};
