#pragma once

#include <QString>

// Every message box, question and file choice a command shows goes through here, so the
// commands run the same in the window, under tests and in hexlume-cli.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel, Ok };
    // Where new markup goes relative to the element around the caret.
    enum class Placement { Before, Behind, Cancel };

    virtual ~Prompter() = default;

    virtual void information(const QString& text) = 0;
    virtual void error(const QString& text) = 0;
    // A plain message box without an icon.
    virtual void message(const QString& text) = 0;
    virtual Answer askYesNo(const QString& text) = 0;
    virtual Answer askYesNoCancel(const QString& text) = 0;
    virtual Answer askOkCancel(const QString& text) = 0;
    // The before/behind choice; text is the question the dialog shows.
    virtual Placement choosePlacement(const QString& text) = 0;
    // The document-type dialog: the chosen type's code (1-3 HTML 4, 11-13 XHTML, 21-23
    // HTML 5), 0 when cancelled.
    virtual int chooseDocType() = 0;

    // File choosers; an empty result means the user cancelled. filter uses Qt's notation.
    virtual QString chooseOpenFile(const QString& folder, const QString& filter) = 0;
    virtual QString chooseSaveFile(const QString& folder, const QString& fileName,
                                   const QString& filter) = 0;
};
