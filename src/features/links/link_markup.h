#pragma once

#include "foundation/messages/ui_language.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <functional>

class EditorBuffer;
class Prompter;

// The link dialog's four radio buttons, RadioButton1 to RadioButton4.
enum class LinkProtocol { Http, Mailto, Anchor, None };

// What the link dialog (TFormSettings) holds, named as its fields and controls. The dialog
// lives as long as the window, so these persist between uses except where the rules clear them.
struct LinkFields {
    // The finished markup; empty means nothing is inserted.
    QString LinkStart;
    // The protocol shown at opening: 0 or 1 web link, 2 e-mail, 3 anchor.
    int LinkTyp = 0;
    // 0 German, anything else English.
    UiLanguage DLanguage = UiLanguage::German;
    LinkProtocol protocol = LinkProtocol::Http;
    QString Label1 = QStringLiteral("Url");
    QString EditName;    // the link target
    QString EditColor;   // the link text
    QString EditMyTitle; // the title attribute
    QString ComboBox1;   // the target frame
    bool ComboBox1Enabled = true;
};

// Every text of the link dialog in one language.
struct LinkTexts {
    QString caption;
    QString protocolGroup;
    QString noneButton;
    QString httpHint;
    QString mailtoHint;
    QString anchorHint;
    QString noneHint;
    QString cancel;
    QString externalAnchorQuestion;
    QString anchorLinkText;
    QString anchorTargetText;
    QString descriptionMissing;
    QString emailInvalid;
    QString targetMissing;
};
const LinkTexts& linkTexts(UiLanguage language);

// The target frame picker's items.
extern const std::array<QLatin1String, 4> LinkTargetFrames;

// A radio button chosen by the user or at opening: sets the target label, the target frame
// and for an anchor the sample target and title.
void ChooseLinkProtocol(LinkFields& fields, LinkProtocol protocol);

// At every opening: clears LinkStart, chooses the protocol of LinkTyp, clears the title.
void OpenLinkDialog(LinkFields& fields);

// OK: builds LinkStart and clears the target and description; returns true when the dialog
// closes. Missing or invalid input is reported through the prompter and returns false with
// the user's input kept (some of it tidied, as the first "#" of an anchor target).
bool LinkDialogOk(LinkFields& fields, Prompter& prompter);

// Cancel, Esc or closing the window.
void LinkDialogCancel(LinkFields& fields);

// How the link command reads the selected text before opening the dialog.
struct LinkSelection {
    enum class Kind { Plain, Web, Mail };
    Kind kind = Kind::Plain;
    int linkTyp = 0;
};
LinkSelection ClassifyLinkSelection(const QString& selected);

// The link command: fills the dialog from the selection, runs it (runDialog shows it modally,
// which opens it with OpenLinkDialog) and writes LinkStart over the selection unless empty.
void Link1Click(EditorBuffer& editor, LinkFields& dialog, UiLanguage uiLanguage,
                const std::function<void()>& runDialog);
