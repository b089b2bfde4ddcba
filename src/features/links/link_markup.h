#pragma once

#include "foundation/messages/ui_language.h"

#include <QLatin1String>
#include <QString>

#include <array>
#include <functional>

class EditorBuffer;
class Prompter;

// The link dialog's four protocol buttons, in their order.
enum class LinkProtocol { Http, Mailto, Anchor, None };

// What the link dialog holds. The dialog lives as long as the window, so these persist
// between uses except where the rules clear them.
struct LinkFields {
    // The finished markup; empty means nothing is inserted.
    QString markup;
    // The protocol shown at opening: 0 or 1 web link, 2 e-mail, 3 anchor.
    int initialProtocol = 0;
    UiLanguage language = UiLanguage::German;
    LinkProtocol protocol = LinkProtocol::Http;
    // The caption in front of the target: "Url", "Mail" or "#".
    QString targetLabel = QStringLiteral("Url");
    QString target;
    // The link text.
    QString description;
    // The title attribute.
    QString title;
    QString targetFrame;
    bool targetFrameEnabled = true;
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

// A protocol button chosen by the user or at opening: sets the target label, the target
// frame and for an anchor the sample target and title.
void chooseLinkProtocol(LinkFields& fields, LinkProtocol protocol);

// At every opening: clears the markup, chooses the initial protocol, clears the title.
void prepareLinkDialog(LinkFields& fields);

// OK: builds the markup and clears the target and description; returns true when the dialog
// closes. Missing or invalid input is reported through the prompter and returns false with
// the user's input kept (some of it tidied, as the first "#" of an anchor target).
bool acceptLinkDialog(LinkFields& fields, Prompter& prompter);

// Cancel, Esc or closing the window.
void cancelLinkDialog(LinkFields& fields);

// How the link command reads the selected text before opening the dialog.
struct LinkSelection {
    enum class Kind { Plain, Web, Mail };
    Kind kind = Kind::Plain;
    int initialProtocol = 0;
};
LinkSelection classifyLinkSelection(const QString& selected);

// The link command: fills the dialog from the selection, runs it (runDialog shows it modally,
// which prepares it with prepareLinkDialog) and writes the markup over the selection unless
// empty.
void insertLink(EditorBuffer& editor, LinkFields& dialog, UiLanguage uiLanguage,
                const std::function<void()>& runDialog);
