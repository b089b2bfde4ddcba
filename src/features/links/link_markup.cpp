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
    f.EditName.clear();
    f.EditColor.clear();
}

bool anchorOk(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    if (f.EditName.contains(QLatin1String("www.")) &&
        prompter.askYesNo(t.externalAnchorQuestion) != Prompter::Answer::Yes)
        return false;
    removeFirst(f.EditName, QLatin1String("#"), Qt::CaseSensitive);
    const QString text = f.EditColor.trimmed().isEmpty() ? t.anchorLinkText : f.EditColor;
    if (f.EditName.trimmed().isEmpty()) {
        prompter.message(t.targetMissing);
        return false;
    }
    const QString& target = f.EditName;
    f.LinkStart = QStringLiteral("<a ") + titleAttribute(f.EditMyTitle) +
                  QStringLiteral(" href=\"#") + target + QStringLiteral("\">") + text +
                  QStringLiteral("</a>") + CrLf + QStringLiteral("<a id=\"") + target +
                  QStringLiteral("\" name=\"") + target + QStringLiteral("\">") +
                  t.anchorTargetText + QStringLiteral("</a>") + CrLf;
    clearTargetAndDescription(f);
    return true;
}

bool mailOk(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    if (!f.EditName.contains(u'@')) {
        prompter.message(t.emailInvalid);
        return false;
    }
    removeFirst(f.EditName, QLatin1String("mailto:"), Qt::CaseInsensitive);
    if (f.EditColor.trimmed().isEmpty()) {
        prompter.message(t.descriptionMissing);
        return false;
    }
    f.LinkStart = QStringLiteral("<a href=\"mailto:") + f.EditName + QStringLiteral("\">") +
                  f.EditColor + QStringLiteral("</a>");
    clearTargetAndDescription(f);
    return true;
}

bool webOk(LinkFields& f, const LinkTexts& t, Prompter& prompter) {
    const bool http = f.protocol == LinkProtocol::Http;
    const bool full = http && (f.EditName.contains(QLatin1String("http")) ||
                               f.EditName.contains(QLatin1String("ftp")) ||
                               f.EditName.contains(QLatin1String("file")));
    const QString frame = f.ComboBox1.trimmed().isEmpty()
                              ? QString()
                              : QStringLiteral(" target=\"") + f.ComboBox1 + u'"';
    const bool targetMissing = f.EditName.trimmed().isEmpty();
    const bool descriptionMissing = f.EditColor.trimmed().isEmpty();
    if (targetMissing || descriptionMissing) {
        if (targetMissing)
            prompter.message(t.targetMissing);
        if (descriptionMissing)
            prompter.message(t.descriptionMissing);
        return false;
    }
    const QString scheme = http && !full ? QStringLiteral("http://") : QString();
    f.LinkStart = QStringLiteral("<a ") + titleAttribute(f.EditMyTitle) +
                  QStringLiteral(" href=\"") + scheme + f.EditName + u'"' + frame + u'>' +
                  f.EditColor.trimmed() + QStringLiteral("</a>");
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

void ChooseLinkProtocol(LinkFields& f, LinkProtocol protocol) {
    f.protocol = protocol;
    switch (protocol) {
    case LinkProtocol::Http:
        f.ComboBox1Enabled = true;
        f.Label1 = QStringLiteral("Url");
        f.ComboBox1 = LinkTargetFrames[0];
        break;
    case LinkProtocol::Mailto:
        f.Label1 = QStringLiteral("Mail");
        f.ComboBox1.clear();
        f.ComboBox1Enabled = false;
        break;
    case LinkProtocol::Anchor:
        f.Label1 = QStringLiteral("#");
        f.EditName = AnchorSample;
        f.ComboBox1.clear();
        f.ComboBox1Enabled = false;
        f.EditMyTitle = AnchorSampleTitle;
        break;
    case LinkProtocol::None:
        // The picker keeps whatever enabled state the previous protocol left.
        f.Label1 = QStringLiteral("Url");
        f.ComboBox1.clear();
        break;
    }
}

void OpenLinkDialog(LinkFields& f) {
    f.LinkStart.clear();
    LinkProtocol protocol = LinkProtocol::Http;
    if (f.LinkTyp == 2)
        protocol = LinkProtocol::Mailto;
    else if (f.LinkTyp == 3)
        protocol = LinkProtocol::Anchor;
    ChooseLinkProtocol(f, protocol);
    f.EditMyTitle.clear();
}

bool LinkDialogOk(LinkFields& f, Prompter& prompter) {
    const LinkTexts& t = linkTexts(f.DLanguage);
    f.LinkStart.clear();
    switch (f.protocol) {
    case LinkProtocol::Anchor:
        return anchorOk(f, t, prompter);
    case LinkProtocol::Mailto:
        return mailOk(f, t, prompter);
    case LinkProtocol::Http:
    case LinkProtocol::None:
        break;
    }
    return webOk(f, t, prompter);
}

void LinkDialogCancel(LinkFields& f) {
    f.LinkStart.clear();
    clearTargetAndDescription(f);
}

LinkSelection ClassifyLinkSelection(const QString& s) {
    LinkSelection result;
    if (s.isEmpty())
        return result;
    if (s.contains(QLatin1String("http")) || s.contains(QLatin1String("www."))) {
        result.kind = LinkSelection::Kind::Web;
        result.linkTyp = 1;
    }
    if (s.contains(u'#')) {
        result.kind = LinkSelection::Kind::Web;
        result.linkTyp = 3;
    }
    if (s.contains(u'@') || s.contains(QLatin1String("mailto"))) {
        result.kind = LinkSelection::Kind::Mail;
        result.linkTyp = 2;
    }
    return result;
}

void Link1Click(EditorBuffer& editor, LinkFields& dialog, UiLanguage uiLanguage,
                const std::function<void()>& runDialog) {
    dropBlankSelection(editor);
    dialog.LinkTyp = 0;
    const QString s = editor.selText();
    const LinkSelection found = ClassifyLinkSelection(s);
    dialog.EditColor = s;
    if (found.kind == LinkSelection::Kind::Web) {
        dialog.LinkTyp = found.linkTyp;
        ChooseLinkProtocol(dialog, LinkProtocol::Http);
        dialog.EditName = s;
    } else if (found.kind == LinkSelection::Kind::Mail) {
        dialog.LinkTyp = 2;
        ChooseLinkProtocol(dialog, LinkProtocol::Mailto);
        dialog.EditName = s;
    }
    dialog.DLanguage = uiLanguage;
    runDialog();
    if (!dialog.LinkStart.isEmpty())
        editor.setSelText(dialog.LinkStart);
}
