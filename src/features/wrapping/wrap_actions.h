#pragma once

#include <QObject>

#include <initializer_list>

class QAction;
class QActionGroup;
class QMenu;
class FeatureContext;
struct UiText;
enum class WrapCommand;

// The wrapping commands: inline formatting, alignment, headings, lists, comment, breaks, script.
// Owns their menu items, shortcuts and standard-toolbar buttons; the work is done in the core.
class WrapActions : public QObject {
    Q_OBJECT
public:
    explicit WrapActions(FeatureContext& context);

    void makeBold();
    void makeItalic();
    void underline();
    void strikeThrough();
    void makeSuperscript();
    void makeSubscript();
    // tag: 0 left, 1 right, 2 justify, anything else center.
    void align(int tag);
    void indent();
    void makeHeading(int level);
    void commentOut();
    void insertLineBreak();
    void insertHorizontalLine();
    void insertScriptBlock();
    void toggleUnorderedList();
    void toggleOrderedList();

private:
    void createMenuItems();
    void createButtons();
    void wrap(WrapCommand command, std::initializer_list<QAction*> release = {});
    QAction* menuItem(QMenu* menu, const char* name, const UiText& caption, const char* keys);
    QAction* button(const char* name, const QString& icon, int hintLine, bool toggle = false);

    FeatureContext& m_context;
    QAction* m_boldButton = nullptr;
    QAction* m_italicButton = nullptr;
    QAction* m_underlineButton = nullptr;
    QAction* m_alignLeftButton = nullptr;
    QAction* m_alignCenterButton = nullptr;
    QAction* m_alignRightButton = nullptr;
    QAction* m_justifyButton = nullptr;
    QAction* m_unorderedListButton = nullptr;
    QActionGroup* m_alignGroup = nullptr;
};
