#include "features/links/link_markup.h"

#include "foundation/document/editor_buffer.h"
#include "foundation/markup/blank_selection.h"
#include "foundation/messages/prompter.h"

namespace {

const LinkTexts germanTexts{
    .caption = QStringLiteral("HTML Link erstellen"),
    .protocolGroup = QStringLiteral("Protokoll"),
    .noneButton = QStringLiteral("ohne"),
    .httpHint = QStringLiteral("Verlinken auf URL"),
    .mailtoHint = QStringLiteral("Maillink"),
    .anchorHint = QStringLiteral("Kapitel/Abschnitt der aktuellen Seite verlinken"),
    .noneHint = QStringLiteral("Ohne Angaben"),
    .cancel = QStringLiteral("Abbrechen"),
    .externalAnchorQuestion =
        QStringLiteral("Es scheint, Sie haben eine externe URL für einen internen Anchor "
                       "angegeben. Trotzdem fortfahren?"),
    .anchorLinkText = QStringLiteral("Dies ist der interner Link:"),
    .anchorTargetText = QStringLiteral("[plazieren Sie diesen Anchor irgendwo auf Ihrer Seite]"),
    .descriptionMissing = QStringLiteral("Bitte eine Beschreibung eingeben."),
    .emailInvalid = QStringLiteral("Bitte geben Sie eine gültige Emailadresse ein."),
    .targetMissing = QStringLiteral("Geben Sie bitte ein Ziel für den Link an!"),
};

const LinkTexts englishTexts{
    .caption = QStringLiteral("Create link"),
    .protocolGroup = QStringLiteral("Protocol"),
    .noneButton = QStringLiteral("none"),
    .httpHint = QStringLiteral("Link to URL"),
    .mailtoHint = QStringLiteral("Mail link"),
    .anchorHint = QStringLiteral("Link to chapter of the current document"),
    .noneHint = QStringLiteral("No specification"),
    .cancel = QStringLiteral("Cancel"),
    .externalAnchorQuestion = QStringLiteral(
        "It seems you have entered an external Url for an internal anchor. Continue anyway?"),
    .anchorLinkText = QStringLiteral("This is an anchor:"),
    .anchorTargetText = QStringLiteral("[place this link anywhere in your page]"),
    .descriptionMissing = QStringLiteral("Enter a description pls."),
    .emailInvalid = QStringLiteral("Enter a valid email please."),
    .targetMissing = QStringLiteral("Enter a URL pls!"),
};

const QLatin1String AnchorSample("Chapter1");
const QLatin1String AnchorSampleTitle("Go to Chapter1");
const QLatin1String CrLf("\r\n");

QString titleAttribute(const QString& title) {
    const QString trimmed = title.trimmed();
    return trimmed.isEmpty() ? QString() : QStringLiteral("title=\"") + trimmed + u'"';
}

void removeFirst(QString& text, QLatin1String what, Qt::CaseSensitivity cs) {
    const qsizetype at = text.indexOf(what, 0, cs);
    if (at >= 0)
        text.remove(at, what.size());
}

void clearTargetAndDescription(LinkFields& f) {
    f.target.clear();
    f.description.clear();
}

bool acceptAnchor(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    if (f.target.contains(QLatin1String("www.")) &&
        prompter.askYesNo(t.externalAnchorQuestion) != Prompter::Answer::Yes)
        return false;
    removeFirst(f.target, QLatin1String("#"), Qt::CaseSensitive);
    const QString text = f.description.trimmed().isEmpty() ? t.anchorLinkText : f.description;
    if (f.target.trimmed().isEmpty()) {
        prompter.message(t.targetMissing);
        return false;
    }
    const QString& target = f.target;
    f.markup = QStringLiteral("<a ") + titleAttribute(f.title) + QStringLiteral(" href=\"#") +
               target + QStringLiteral("\">") + text + QStringLiteral("</a>") + CrLf +
               QStringLiteral("<a id=\"") + target + QStringLiteral("\" name=\"") + target +
               QStringLiteral("\">") + t.anchorTargetText + QStringLiteral("</a>") + CrLf;
    clearTargetAndDescription(f);
    return true;
}

bool acceptMailLink(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    if (!f.target.contains(u'@')) {
        prompter.message(t.emailInvalid);
        return false;
    }
    removeFirst(f.target, QLatin1String("mailto:"), Qt::CaseInsensitive);
    if (f.description.trimmed().isEmpty()) {
        prompter.message(t.descriptionMissing);
        return false;
    }
    f.markup = QStringLiteral("<a href=\"mailto:") + f.target + QStringLiteral("\">") +
               f.description + QStringLiteral("</a>");
    clearTargetAndDescription(f);
    return true;
}

bool acceptWebLink(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    const bool http = f.protocol == LinkProtocol::Http;
    const bool full = http && (f.target.contains(QLatin1String("http")) ||
                               f.target.contains(QLatin1String("ftp")) ||
                               f.target.contains(QLatin1String("file")));
    const QString frame = f.targetFrame.trimmed().isEmpty()
                              ? QString()
                              : QStringLiteral(" target=\"") + f.targetFrame + u'"';
    const bool targetMissing = f.target.trimmed().isEmpty();
    const bool descriptionMissing = f.description.trimmed().isEmpty();
    if (targetMissing || descriptionMissing) {
        if (targetMissing)
            prompter.message(t.targetMissing);
        if (descriptionMissing)
            prompter.message(t.descriptionMissing);
        return false;
    }
    const QString scheme = http && !full ? QStringLiteral("http://") : QString();
    f.markup = QStringLiteral("<a ") + titleAttribute(f.title) + QStringLiteral(" href=\"") +
               scheme + f.target + u'"' + frame + u'>' + f.description.trimmed() +
               QStringLiteral("</a>");
    clearTargetAndDescription(f);
    return true;
}

} // namespace

const std::array<QLatin1String, 4> LinkTargetFrames = {
    QLatin1String("_blank"), QLatin1String("_self"), QLatin1String("_top"),
    QLatin1String("_parent")};

const LinkTexts& linkTexts(UiLanguage language) {
    return language == UiLanguage::German ? germanTexts : englishTexts;
}

void chooseLinkProtocol(LinkFields& f, LinkProtocol protocol) {
    f.protocol = protocol;
    switch (protocol) {
    case LinkProtocol::Http:
        f.targetFrameEnabled = true;
        f.targetLabel = QStringLiteral("Url");
        f.targetFrame = LinkTargetFrames[0];
        break;
    case LinkProtocol::Mailto:
        f.targetLabel = QStringLiteral("Mail");
        f.targetFrame.clear();
        f.targetFrameEnabled = false;
        break;
    case LinkProtocol::Anchor:
        f.targetLabel = QStringLiteral("#");
        f.target = AnchorSample;
        f.targetFrame.clear();
        f.targetFrameEnabled = false;
        f.title = AnchorSampleTitle;
        break;
    case LinkProtocol::None:
        // The picker keeps whatever enabled state the previous protocol left.
        f.targetLabel = QStringLiteral("Url");
        f.targetFrame.clear();
        break;
    }
}

void prepareLinkDialog(LinkFields& f) {
    f.markup.clear();
    LinkProtocol protocol = LinkProtocol::Http;
    if (f.initialProtocol == 2)
        protocol = LinkProtocol::Mailto;
    else if (f.initialProtocol == 3)
        protocol = LinkProtocol::Anchor;
    chooseLinkProtocol(f, protocol);
    f.title.clear();
}

bool acceptLinkDialog(LinkFields& f, Prompter& prompter) {
    const LinkTexts& t = linkTexts(f.language);
    f.markup.clear();
    switch (f.protocol) {
    case LinkProtocol::Anchor:
        return acceptAnchor(f, t, prompter);
    case LinkProtocol::Mailto:
        return acceptMailLink(f, t, prompter);
    case LinkProtocol::Http:
    case LinkProtocol::None:
        break;
    }
    return acceptWebLink(f, t, prompter);
}

void cancelLinkDialog(LinkFields& f) {
    f.markup.clear();
    clearTargetAndDescription(f);
}

LinkSelection classifyLinkSelection(const QString& s) {
    LinkSelection result;
    if (s.isEmpty())
        return result;
    if (s.contains(QLatin1String("http")) || s.contains(QLatin1String("www."))) {
        result.kind = LinkSelection::Kind::Web;
        result.initialProtocol = 1;
    }
    if (s.contains(u'#')) {
        result.kind = LinkSelection::Kind::Web;
        result.initialProtocol = 3;
    }
    if (s.contains(u'@') || s.contains(QLatin1String("mailto"))) {
        result.kind = LinkSelection::Kind::Mail;
        result.initialProtocol = 2;
    }
    return result;
}

void insertLink(EditorBuffer& editor, LinkFields& dialog, UiLanguage uiLanguage,
                const std::function<void()>& runDialog) {
    dropBlankSelection(editor);
    dialog.initialProtocol = 0;
    const QString s = editor.selText();
    const LinkSelection found = classifyLinkSelection(s);
    dialog.description = s;
    if (found.kind == LinkSelection::Kind::Web) {
        dialog.initialProtocol = found.initialProtocol;
        chooseLinkProtocol(dialog, LinkProtocol::Http);
        dialog.target = s;
    } else if (found.kind == LinkSelection::Kind::Mail) {
        dialog.initialProtocol = 2;
        chooseLinkProtocol(dialog, LinkProtocol::Mailto);
        dialog.target = s;
    }
    dialog.language = uiLanguage;
    runDialog();
    if (!dialog.markup.isEmpty())
        editor.setSelText(dialog.markup);
}
