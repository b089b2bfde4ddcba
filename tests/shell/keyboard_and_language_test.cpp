#include "foundation/messages/scripted_prompter.h"
#include "shell/main_window.h"
#include "widgets/menu_mnemonics.h"
#include "widgets/tab_order.h"
#include "window_test.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

// Words that are the same in German and English: names of elements, attributes and protocols,
// and words German uses as they are. Lower-case words are markup (attribute and CSS names,
// entities) and read the same in both.
const QSet<QString> SameInBoth{
    QStringLiteral("OK"),
    QStringLiteral("HTML"),
    QStringLiteral("Format"),
    QStringLiteral("Frame"),
    QStringLiteral("Frames"),
    QStringLiteral("Frameset"),
    QStringLiteral("iFrame"),
    QStringLiteral("Link"),
    QStringLiteral("Links"),
    QStringLiteral("Div"),
    QStringLiteral("DIV"),
    QStringLiteral("Span"),
    QStringLiteral("SPAN"),
    QStringLiteral("Style"),
    QStringLiteral("CSS"),
    QStringLiteral("FTP"),
    QStringLiteral("Info"),
    QStringLiteral("Name"),
    QStringLiteral("Alt"),
    QStringLiteral("Server"),
    QStringLiteral("Parameter"),
    QStringLiteral("Entities"),
    QStringLiteral("UTF"),
    QStringLiteral("ID"),
    QStringLiteral("Class"),
    QStringLiteral("URL"),
    QStringLiteral("Pos"),
    QStringLiteral("X"),
    QStringLiteral("Y"),
    QStringLiteral("TR"),
    QStringLiteral("TD"),
    QStringLiteral("Hexlume"),
    QStringLiteral("Size"),
    QStringLiteral("MaxLength"),
    QStringLiteral("Noresize"),
    QStringLiteral("Start"),
    QStringLiteral("Version"),
    QStringLiteral("Extras"),
    QStringLiteral("Standard"),
    QStringLiteral("onSubmit"),
    QStringLiteral("Text"),
    // Character sets and object types.
    QStringLiteral("ISO"),
    QStringLiteral("Windows"),
    QStringLiteral("Java"),
    QStringLiteral("ActiveX"),
    QStringLiteral("Flash"),
    QStringLiteral("Data"),
    // Key names.
    QStringLiteral("F"),
};

bool readsTheSameInBoth(const QString& text) {
    // Entities such as "Auml;".
    if (text.endsWith(QLatin1Char(';')))
        return true;
    static const QRegularExpression word(QStringLiteral("[^\\W\\d_]+"));
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured();
        if (!SameInBoth.contains(w) && w != w.toLower())
            return false;
    }
    return true;
}

// Every caption, title and hint a window shows, by the object that shows it.
using ShownTexts = QHash<QPair<const QObject*, QString>, QString>;

void collect(ShownTexts& texts, const QObject* owner, const char* what, const QString& text) {
    if (!text.trimmed().isEmpty())
        texts.insert({owner, QLatin1String(what)}, withoutMnemonic(text));
}

// Dialogs and menus are children of the main window; each belongs to the window it shows in.
bool shownIn(const QObject* o, const QWidget* window) {
    for (const QObject* p = o; p; p = p->parent()) {
        auto* w = qobject_cast<const QWidget*>(p);
        if (w && w->isWindow() && !qobject_cast<const QMenu*>(w))
            return w == window;
    }
    return false;
}

void collectWindow(ShownTexts& texts, QWidget* window) {
    collect(texts, window, "title", window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!shownIn(w, window))
            continue;
        collect(texts, w, "tip", w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            collect(texts, w, "text", label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            collect(texts, w, "text", button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(w))
            collect(texts, w, "text", group->title());
        else if (auto* box = qobject_cast<QComboBox*>(w); box && !box->isEditable())
            for (int i = 0; i < box->count(); ++i)
                collect(texts, w, qPrintable(QStringLiteral("item %1").arg(i)), box->itemText(i));
        else if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                collect(texts, tabs->widget(i), "tab", tabs->tabText(i));
    }
    for (QAction* a : window->findChildren<QAction*>()) {
        if (!shownIn(a, window))
            continue;
        collect(texts, a, "text", a->text());
        collect(texts, a, "tip", a->toolTip());
    }
}

QStringList sameInBothLanguages(const ShownTexts& english, const ShownTexts& german) {
    QStringList left;
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
        const QString text = it.value();
        if (english.value(it.key()) == text && !readsTheSameInBoth(text))
            left << it.key().first->objectName() + QLatin1Char(' ') + text;
    }
    left.removeDuplicates();
    return left;
}

} // namespace

class KeyboardAndLanguageTest : public WindowTest {
    Q_OBJECT

private:
    // Opens the window or dialog the item shows, gathers its texts and closes it with Esc (the
    // help window with Ctrl+W), as a user at the keyboard would.
    static void textsOfWindowShownBy(MainWindow& window, const char* item, ShownTexts& texts) {
        bool closed = false;
        auto gather = [&](QWidget* shown) {
            collectWindow(texts, shown);
            // Tab goes where the layout leads, in the program's own dialogs.
            if (qobject_cast<QDialog*>(shown) &&
                !QByteArray(shown->metaObject()->className()).startsWith('Q')) {
                const QList<QWidget*> order = widgetsInLayoutOrder(shown);
                for (qsizetype i = 1; i < order.size(); ++i) {
                    QWidget* next = order[i - 1]->nextInFocusChain();
                    while (!order.contains(next) && next != order[i - 1])
                        next = next->nextInFocusChain();
                    QVERIFY2(next == order[i], qPrintable(shown->objectName() + QLatin1Char(' ') +
                                                          order[i]->objectName()));
                }
            }
            const bool help = shown->objectName() == QLatin1String("helpWindow");
            QTest::keyClick(shown, help ? Qt::Key_W : Qt::Key_Escape,
                            help ? Qt::ControlModifier : Qt::NoModifier);
            closed = !shown->isVisible();
        };
        bool modal = false;
        QTimer::singleShot(0, &window, [&] {
            if (QWidget* shown = QApplication::activeModalWidget()) {
                modal = true;
                gather(shown);
                if (shown->isVisible())
                    static_cast<QDialog*>(shown)->reject();
            }
        });
        action(window, item)->trigger();
        QCoreApplication::processEvents();
        if (!modal) {
            QWidget* shown = nullptr;
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->isVisible() && w != &window && !qobject_cast<QMenu*>(w))
                    shown = w;
            QVERIFY2(shown, item);
            QVERIFY(QTest::qWaitForWindowExposed(shown));
            shown->activateWindow();
            gather(shown);
            if (shown->isVisible())
                shown->close();
        }
        QVERIFY2(closed, item);
    }

    static ShownTexts textsOfMainWindow(MainWindow& window) {
        ShownTexts texts;
        collectWindow(texts, &window);
        for (QMenu* menu : window.findChildren<QMenu*>())
            collect(texts, menu, "text", menu->title());
        return texts;
    }

private slots:
    void initTestCase() { QVERIFY(m_home.isValid()); }

    // Walks the real menus: every item has an Alt+letter, none twice in one menu, and none of
    // the menu bar's is the Alt shortcut of a command.
    void everyMenuItemHasAMnemonicOfItsOwnInBothLanguages() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        QString altKeys;
        for (QAction* a : window.findChildren<QAction*>())
            for (const QKeySequence& keys : a->shortcuts())
                if (keys.count() == 1 && keys[0].keyboardModifiers() == Qt::AltModifier)
                    altKeys += QKeySequence(keys[0].key()).toString().toLower();
        QVERIFY(altKeys.contains(QLatin1Char('x')));
        for (QAction* language : {action(window, "englishItem"), action(window, "germanItem")}) {
            language->trigger();
            auto check = [&](const QString& where, const QList<QAction*>& items,
                             const QString& taken) {
                QString used = taken;
                for (QAction* item : items) {
                    if (item->isSeparator() || item->text().isEmpty())
                        continue;
                    const QChar key = mnemonicOf(item->text());
                    const QString at = where + QStringLiteral(": ") + item->text();
                    QVERIFY2(!key.isNull(), qPrintable(at));
                    QVERIFY2(!used.contains(key), qPrintable(at));
                    used += key;
                }
            };
            check(QStringLiteral("menu bar"), window.menuBar()->actions(), altKeys);
            for (QMenu* menu : window.findChildren<QMenu*>()) {
                emit menu->aboutToShow();
                check(menu->objectName(), menu->actions(), QString());
            }
        }
        QCOMPARE(withoutMnemonic(window.findChild<QMenu*>(QStringLiteral("htmlMenu"))->title()),
                 QStringLiteral("HTML"));
    }

    void f10OpensTheFirstMenu() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(window.editor(), Qt::Key_F10);
        QTRY_COMPARE(window.menuBar()->activeAction(), window.menuBar()->actions().first());
        QMenu* file = window.menuBar()->actions().first()->menu();
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_Escape);
    }

    // Every menu, toolbar hint and window a menu item opens is German throughout once the
    // language is German: a text that stays as it was in English is a text left untranslated.
    // Each window also closes with Esc.
    void germanInterfaceLeavesNoTextInEnglish() {
        ScriptedPrompter prompter;
        MainWindow window(m_platform, &prompter);
        window.startUp({});
        window.show();
        const char* openers[] = {"linkItem",           "newTableItem",
                                 "imageItem",          "framesetItem",
                                 "iFrameItem",         "objectItem",
                                 "styleItem",          "insertFormItem",
                                 "insertInputBoxItem", "specialCharactersItem",
                                 "findItem",           "replaceItem",
                                 "filesReplaceItem",   "settingsItem",
                                 "aboutItem",          "scratchWindowItem",
                                 "helpContentsItem"};
        ShownTexts texts[2];
        for (int pass = 0; pass < 2; ++pass) {
            action(window, pass == 0 ? "englishItem" : "germanItem")->trigger();
            for (QMenu* menu : window.findChildren<QMenu*>())
                emit menu->aboutToShow();
            texts[pass] = textsOfMainWindow(window);
            for (const char* opener : openers) {
                textsOfWindowShownBy(window, opener, texts[pass]);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        const QStringList left = sameInBothLanguages(texts[0], texts[1]);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(KeyboardAndLanguageTest)
#include "keyboard_and_language_test.moc"
