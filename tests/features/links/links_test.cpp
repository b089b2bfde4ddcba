#include "features/links/font_markup.h"
#include "features/links/link_markup.h"
#include "foundation/document/memory_buffer.h"
#include "foundation/messages/scripted_prompter.h"

#include <gtest/gtest.h>

namespace {

constexpr UiLanguage German = UiLanguage::German;
constexpr UiLanguage English = UiLanguage::English;

MemoryBuffer selecting(const QString& before, const QString& selected, const QString& after) {
    MemoryBuffer b(before + selected + after);
    b.select(int(before.size()), int(before.size() + selected.size()));
    return b;
}

// A dialog as the link command opens it, on the given protocol, with what the user typed.
LinkFields dialogOn(LinkProtocol protocol, const QString& target, const QString& description,
                    const QString& title = QString(), UiLanguage language = English) {
    LinkFields f;
    f.DLanguage = language;
    OpenLinkDialog(f);
    ChooseLinkProtocol(f, protocol);
    f.EditName = target;
    f.EditColor = description;
    f.EditMyTitle = title;
    return f;
}

} // namespace

TEST(ClassifyLinkSelection, LaterHitsOverrideEarlierOnesCaseSensitively) {
    using K = LinkSelection::Kind;
    const struct {
        const char* text;
        K kind;
        int linkTyp;
    } cases[] = {
        {"http://example.com", K::Web, 1},
        {"www.example.com", K::Web, 1},
        {"#top", K::Web, 3},
        {"http://example.com#top", K::Web, 3},
        {"me@example.com", K::Mail, 2},
        {"http://a.de/?to=me@b.de", K::Mail, 2},
        {"mailto", K::Mail, 2},
        {"HTTP://EXAMPLE.COM", K::Plain, 0},
        {"word", K::Plain, 0},
        {"", K::Plain, 0},
    };
    for (const auto& c : cases) {
        const LinkSelection found = ClassifyLinkSelection(QLatin1String(c.text));
        EXPECT_EQ(found.kind, c.kind) << c.text;
        EXPECT_EQ(found.linkTyp, c.linkTyp) << c.text;
    }
}

TEST(ChooseLinkProtocol, SetsLabelFrameAndAnchorSample) {
    LinkFields f;
    f.EditName = QStringLiteral("typed");
    ChooseLinkProtocol(f, LinkProtocol::Mailto);
    EXPECT_EQ(f.Label1, QStringLiteral("Mail"));
    EXPECT_TRUE(f.ComboBox1.isEmpty());
    EXPECT_FALSE(f.ComboBox1Enabled);
    EXPECT_EQ(f.EditName, QStringLiteral("typed"));

    // None leaves the picker as the previous protocol left it.
    ChooseLinkProtocol(f, LinkProtocol::None);
    EXPECT_EQ(f.Label1, QStringLiteral("Url"));
    EXPECT_FALSE(f.ComboBox1Enabled);

    ChooseLinkProtocol(f, LinkProtocol::Http);
    EXPECT_EQ(f.ComboBox1, QStringLiteral("_blank"));
    EXPECT_TRUE(f.ComboBox1Enabled);

    ChooseLinkProtocol(f, LinkProtocol::Anchor);
    EXPECT_EQ(f.Label1, QStringLiteral("#"));
    EXPECT_EQ(f.EditName, QStringLiteral("Chapter1"));
    EXPECT_EQ(f.EditMyTitle, QStringLiteral("Go to Chapter1"));
    EXPECT_FALSE(f.ComboBox1Enabled);
}

TEST(OpenLinkDialog, ChoosesTheProtocolOfLinkTypAndClearsTitleAndResult) {
    const struct {
        int linkTyp;
        LinkProtocol protocol;
        const char* target;
    } cases[] = {
        {0, LinkProtocol::Http, ""},
        {1, LinkProtocol::Http, ""},
        {2, LinkProtocol::Mailto, ""},
        {3, LinkProtocol::Anchor, "Chapter1"},
    };
    for (const auto& c : cases) {
        LinkFields f;
        f.LinkTyp = c.linkTyp;
        f.LinkStart = QStringLiteral("<a>old</a>");
        f.EditMyTitle = QStringLiteral("old title");
        OpenLinkDialog(f);
        EXPECT_EQ(f.protocol, c.protocol) << c.linkTyp;
        EXPECT_EQ(f.EditName, QLatin1String(c.target)) << c.linkTyp;
        EXPECT_TRUE(f.EditMyTitle.isEmpty()) << c.linkTyp;
        EXPECT_TRUE(f.LinkStart.isEmpty()) << c.linkTyp;
    }
}

TEST(LinkDialogOk, WebLinksGetHttpOnlyWhenNoSchemeIsTyped) {
    const struct {
        LinkProtocol protocol;
        const char* target;
        const char* title;
        const char* frame;
        const char* markup;
    } cases[] = {
        {LinkProtocol::Http, "example.com", "", "_blank",
         "<a  href=\"http://example.com\" target=\"_blank\">Text</a>"},
        {LinkProtocol::Http, "https://a.de", "  Home  ", "",
         "<a title=\"Home\" href=\"https://a.de\">Text</a>"},
        {LinkProtocol::Http, "ftp.a.de/x", "   ", "_top",
         "<a  href=\"ftp.a.de/x\" target=\"_top\">Text</a>"},
        {LinkProtocol::Http, "file:///tmp/a.htm", "", "  ",
         "<a  href=\"file:///tmp/a.htm\">Text</a>"},
        {LinkProtocol::None, "page.htm", "", "", "<a  href=\"page.htm\">Text</a>"},
    };
    for (const auto& c : cases) {
        ScriptedPrompter prompter;
        LinkFields f = dialogOn(c.protocol, QLatin1String(c.target), QStringLiteral("  Text "),
                                QLatin1String(c.title));
        f.ComboBox1 = QLatin1String(c.frame);
        EXPECT_TRUE(LinkDialogOk(f, prompter)) << c.target;
        EXPECT_EQ(f.LinkStart, QLatin1String(c.markup));
        EXPECT_TRUE(f.EditName.isEmpty());
        EXPECT_TRUE(f.EditColor.isEmpty());
        EXPECT_TRUE(prompter.messages().isEmpty());
    }
}

TEST(LinkDialogOk, WebLinkWithoutTargetAndDescriptionNamesBothAndStaysOpen) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Http, QStringLiteral("  "), QString(), {}, German);
    EXPECT_FALSE(LinkDialogOk(f, prompter));
    EXPECT_EQ(prompter.messages(),
              QStringList({QStringLiteral("Geben Sie bitte ein Ziel für den Link an!"),
                           QStringLiteral("Bitte eine Beschreibung eingeben.")}));
    EXPECT_TRUE(f.LinkStart.isEmpty());
    EXPECT_EQ(f.EditName, QStringLiteral("  "));
}

TEST(LinkDialogOk, MailLinkDropsOneMailtoAndNeedsAtAndDescription) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Mailto, QStringLiteral("nobody"), QStringLiteral("x"));
    EXPECT_FALSE(LinkDialogOk(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a valid email please.")});

    prompter.clearMessages();
    f.EditName = QStringLiteral("MailTo:me@example.com");
    f.EditColor = QStringLiteral(" ");
    EXPECT_FALSE(LinkDialogOk(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a description pls.")});
    EXPECT_EQ(f.EditName, QStringLiteral("me@example.com"));

    f.EditColor = QStringLiteral(" Write ");
    f.EditMyTitle = QStringLiteral("ignored");
    EXPECT_TRUE(LinkDialogOk(f, prompter));
    EXPECT_EQ(f.LinkStart, QStringLiteral("<a href=\"mailto:me@example.com\"> Write </a>"));
}

TEST(LinkDialogOk, AnchorWritesTheLinkAndItsTargetElement) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Anchor, QStringLiteral("#intro"), QStringLiteral(" Go "),
                            QStringLiteral("Start"));
    EXPECT_TRUE(LinkDialogOk(f, prompter));
    EXPECT_EQ(f.LinkStart,
              QStringLiteral("<a title=\"Start\" href=\"#intro\"> Go </a>\r\n"
                             "<a id=\"intro\" name=\"intro\">[place this link anywhere in your "
                             "page]</a>\r\n"));

    f = dialogOn(LinkProtocol::Anchor, QStringLiteral("top"), QStringLiteral("  "), {}, German);
    EXPECT_TRUE(LinkDialogOk(f, prompter));
    EXPECT_EQ(f.LinkStart,
              QStringLiteral("<a  href=\"#top\">Dies ist der interner Link:</a>\r\n<a id=\"top\" "
                             "name=\"top\">[plazieren Sie diesen Anchor irgendwo auf Ihrer "
                             "Seite]</a>\r\n"));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST(LinkDialogOk, AnchorAsksAboutExternalTargetsAndNeedsAName) {
    ScriptedPrompter prompter({QStringLiteral("no"), QStringLiteral("yes")});
    LinkFields f = dialogOn(LinkProtocol::Anchor, QStringLiteral("www.a.de#x"), QString());
    EXPECT_FALSE(LinkDialogOk(f, prompter));
    EXPECT_EQ(f.EditName, QStringLiteral("www.a.de#x"));
    EXPECT_TRUE(LinkDialogOk(f, prompter));
    EXPECT_TRUE(f.LinkStart.startsWith(QStringLiteral("<a  href=\"#www.a.dex\">")));
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages().first(),
              QStringLiteral("It seems you have entered an external Url for an internal anchor. "
                             "Continue anyway?"));

    prompter.clearMessages();
    f = dialogOn(LinkProtocol::Anchor, QStringLiteral(" # "), QStringLiteral("x"));
    EXPECT_FALSE(LinkDialogOk(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a URL pls!")});
    EXPECT_EQ(f.EditName, QStringLiteral("  "));
}

TEST(Link1Click, EmailSelectionOpensMailtoAndIsReplacedByTheMailLink) {
    MemoryBuffer b =
        selecting(QStringLiteral("write "), QStringLiteral("me@x.de"), QStringLiteral(" now"));
    LinkFields dialog;
    ScriptedPrompter prompter;
    Link1Click(b, dialog, English, [&] {
        OpenLinkDialog(dialog);
        EXPECT_EQ(dialog.protocol, LinkProtocol::Mailto);
        EXPECT_EQ(dialog.EditName, QStringLiteral("me@x.de"));
        EXPECT_EQ(dialog.EditColor, QStringLiteral("me@x.de"));
        EXPECT_FALSE(dialog.ComboBox1Enabled);
        EXPECT_TRUE(LinkDialogOk(dialog, prompter));
    });
    EXPECT_EQ(b.text(), QStringLiteral("write <a href=\"mailto:me@x.de\">me@x.de</a> now"));
    EXPECT_EQ(b.selLength(), 0);
}

TEST(Link1Click, PlainWordGoesIntoTheDescriptionOnlyAndCancelChangesNothing) {
    MemoryBuffer b = selecting(QStringLiteral("a "), QStringLiteral("word"), QStringLiteral(" b"));
    LinkFields dialog;
    dialog.LinkTyp = 3;
    Link1Click(b, dialog, German, [&] {
        OpenLinkDialog(dialog);
        EXPECT_EQ(dialog.protocol, LinkProtocol::Http);
        EXPECT_EQ(dialog.DLanguage, German);
        EXPECT_TRUE(dialog.EditName.isEmpty());
        EXPECT_EQ(dialog.EditColor, QStringLiteral("word"));
        LinkDialogCancel(dialog);
    });
    EXPECT_EQ(b.text(), QStringLiteral("a word b"));
    EXPECT_FALSE(b.isModified());
}

TEST(Link1Click, BlankSelectionStaysAndTheLinkGoesInFront) {
    MemoryBuffer b = selecting(QStringLiteral("a"), QStringLiteral("  "), QStringLiteral("b"));
    LinkFields dialog;
    ScriptedPrompter prompter;
    Link1Click(b, dialog, English, [&] {
        OpenLinkDialog(dialog);
        EXPECT_TRUE(dialog.EditColor.isEmpty());
        dialog.EditName = QStringLiteral("x.de");
        dialog.EditColor = QStringLiteral("X");
        EXPECT_TRUE(LinkDialogOk(dialog, prompter));
    });
    EXPECT_EQ(b.text(), QStringLiteral("a<a  href=\"http://x.de\" target=\"_blank\">X</a>  b"));
}

TEST(FontSpan, WorkedExampleAndNothingChosen) {
    FontSpanFields f{QStringLiteral("Verdana"), RgbColour{0xFF, 0, 0}, QStringLiteral("12")};
    MemoryBuffer b = selecting(QStringLiteral("a "), QStringLiteral("word"), QStringLiteral(" b"));
    Font3Click(b, f);
    EXPECT_EQ(b.text(), QStringLiteral("a <span style=\" font-family:Verdana; font-size:12px; "
                                       "color:#FF0000;\">word </span> b"));
    EXPECT_EQ(b.caretOffset(), b.text().size() - 2);

    EXPECT_EQ(FontSpanOpen({QStringLiteral("  "), std::nullopt, QStringLiteral(" ")}),
              QStringLiteral("<span style=\"\">"));
    // The colour picker starts on black.
    EXPECT_EQ(FontSpanOpen(FontSpanFields{}), QStringLiteral("<span style=\" color:#000000;\">"));
}

TEST(FontSpan, BlankSelectionStaysBehindTheSpan) {
    MemoryBuffer b = selecting(QStringLiteral("a"), QStringLiteral(" \r\n"), QStringLiteral("b"));
    Font3Click(b, {QString(), std::nullopt, QStringLiteral("9")});
    EXPECT_EQ(b.text(), QStringLiteral("a<span style=\" font-size:9px;\"> </span> \r\nb"));
}

TEST(InsertColourCode, GoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer b = selecting(QStringLiteral("x "), QStringLiteral("red"), QStringLiteral(" y"));
    InsertColourCode(b, {0x56, 0x34, 0x12});
    EXPECT_EQ(b.text(), QStringLiteral("x #563412red y"));
    EXPECT_EQ(b.caretOffset(), 9);
    EXPECT_EQ(b.selLength(), 0);
}
