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
    f.language = language;
    prepareLinkDialog(f);
    chooseLinkProtocol(f, protocol);
    f.target = target;
    f.description = description;
    f.title = title;
    return f;
}

} // namespace

TEST(ClassifyLinkSelection, LaterHitsOverrideEarlierOnesCaseSensitively) {
    using K = LinkSelection::Kind;
    const struct {
        const char* text;
        K kind;
        int initialProtocol;
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
        const LinkSelection found = classifyLinkSelection(QLatin1String(c.text));
        EXPECT_EQ(found.kind, c.kind) << c.text;
        EXPECT_EQ(found.initialProtocol, c.initialProtocol) << c.text;
    }
}

TEST(ChooseLinkProtocol, SetsLabelFrameAndAnchorSample) {
    LinkFields f;
    f.target = QStringLiteral("typed");
    chooseLinkProtocol(f, LinkProtocol::Mailto);
    EXPECT_EQ(f.targetLabel, QStringLiteral("Mail"));
    EXPECT_TRUE(f.targetFrame.isEmpty());
    EXPECT_FALSE(f.targetFrameEnabled);
    EXPECT_EQ(f.target, QStringLiteral("typed"));

    // None leaves the picker as the previous protocol left it.
    chooseLinkProtocol(f, LinkProtocol::None);
    EXPECT_EQ(f.targetLabel, QStringLiteral("Url"));
    EXPECT_FALSE(f.targetFrameEnabled);

    chooseLinkProtocol(f, LinkProtocol::Http);
    EXPECT_EQ(f.targetFrame, QStringLiteral("_blank"));
    EXPECT_TRUE(f.targetFrameEnabled);

    chooseLinkProtocol(f, LinkProtocol::Anchor);
    EXPECT_EQ(f.targetLabel, QStringLiteral("#"));
    EXPECT_EQ(f.target, QStringLiteral("Chapter1"));
    EXPECT_EQ(f.title, QStringLiteral("Go to Chapter1"));
    EXPECT_FALSE(f.targetFrameEnabled);
}

TEST(PrepareLinkDialog, ChoosesTheInitialProtocolAndClearsTitleAndMarkup) {
    const struct {
        int initialProtocol;
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
        f.initialProtocol = c.initialProtocol;
        f.markup = QStringLiteral("<a>old</a>");
        f.title = QStringLiteral("old title");
        prepareLinkDialog(f);
        EXPECT_EQ(f.protocol, c.protocol) << c.initialProtocol;
        EXPECT_EQ(f.target, QLatin1String(c.target)) << c.initialProtocol;
        EXPECT_TRUE(f.title.isEmpty()) << c.initialProtocol;
        EXPECT_TRUE(f.markup.isEmpty()) << c.initialProtocol;
    }
}

TEST(AcceptLinkDialog, WebLinksGetHttpOnlyWhenNoSchemeIsTyped) {
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
        f.targetFrame = QLatin1String(c.frame);
        EXPECT_TRUE(acceptLinkDialog(f, prompter)) << c.target;
        EXPECT_EQ(f.markup, QLatin1String(c.markup));
        EXPECT_TRUE(f.target.isEmpty());
        EXPECT_TRUE(f.description.isEmpty());
        EXPECT_TRUE(prompter.messages().isEmpty());
    }
}

TEST(AcceptLinkDialog, WebLinkWithoutTargetAndDescriptionNamesBothAndStaysOpen) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Http, QStringLiteral("  "), QString(), {}, German);
    EXPECT_FALSE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(prompter.messages(),
              QStringList({QStringLiteral("Geben Sie bitte ein Ziel für den Link an!"),
                           QStringLiteral("Bitte eine Beschreibung eingeben.")}));
    EXPECT_TRUE(f.markup.isEmpty());
    EXPECT_EQ(f.target, QStringLiteral("  "));
}

TEST(AcceptLinkDialog, MailLinkDropsOneMailtoAndNeedsAtAndDescription) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Mailto, QStringLiteral("nobody"), QStringLiteral("x"));
    EXPECT_FALSE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a valid email please.")});

    prompter.clearMessages();
    f.target = QStringLiteral("MailTo:me@example.com");
    f.description = QStringLiteral(" ");
    EXPECT_FALSE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a description pls.")});
    EXPECT_EQ(f.target, QStringLiteral("me@example.com"));

    f.description = QStringLiteral(" Write ");
    f.title = QStringLiteral("ignored");
    EXPECT_TRUE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(f.markup, QStringLiteral("<a href=\"mailto:me@example.com\"> Write </a>"));
}

TEST(AcceptLinkDialog, AnchorWritesTheLinkAndItsTargetElement) {
    ScriptedPrompter prompter;
    LinkFields f = dialogOn(LinkProtocol::Anchor, QStringLiteral("#intro"), QStringLiteral(" Go "),
                            QStringLiteral("Start"));
    EXPECT_TRUE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(f.markup,
              QStringLiteral("<a title=\"Start\" href=\"#intro\"> Go </a>\r\n"
                             "<a id=\"intro\" name=\"intro\">[place this link anywhere in your "
                             "page]</a>\r\n"));

    f = dialogOn(LinkProtocol::Anchor, QStringLiteral("top"), QStringLiteral("  "), {}, German);
    EXPECT_TRUE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(f.markup,
              QStringLiteral("<a  href=\"#top\">Dies ist der interner Link:</a>\r\n<a id=\"top\" "
                             "name=\"top\">[plazieren Sie diesen Anchor irgendwo auf Ihrer "
                             "Seite]</a>\r\n"));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST(AcceptLinkDialog, AnchorAsksAboutExternalTargetsAndNeedsAName) {
    ScriptedPrompter prompter({QStringLiteral("no"), QStringLiteral("yes")});
    LinkFields f = dialogOn(LinkProtocol::Anchor, QStringLiteral("www.a.de#x"), QString());
    EXPECT_FALSE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(f.target, QStringLiteral("www.a.de#x"));
    EXPECT_TRUE(acceptLinkDialog(f, prompter));
    EXPECT_TRUE(f.markup.startsWith(QStringLiteral("<a  href=\"#www.a.dex\">")));
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(prompter.messages().first(),
              QStringLiteral("It seems you have entered an external Url for an internal anchor. "
                             "Continue anyway?"));

    prompter.clearMessages();
    f = dialogOn(LinkProtocol::Anchor, QStringLiteral(" # "), QStringLiteral("x"));
    EXPECT_FALSE(acceptLinkDialog(f, prompter));
    EXPECT_EQ(prompter.messages(), QStringList{QStringLiteral("Enter a URL pls!")});
    EXPECT_EQ(f.target, QStringLiteral("  "));
}

TEST(InsertLink, EmailSelectionOpensMailtoAndIsReplacedByTheMailLink) {
    MemoryBuffer b =
        selecting(QStringLiteral("write "), QStringLiteral("me@x.de"), QStringLiteral(" now"));
    LinkFields dialog;
    ScriptedPrompter prompter;
    insertLink(b, dialog, English, [&] {
        prepareLinkDialog(dialog);
        EXPECT_EQ(dialog.protocol, LinkProtocol::Mailto);
        EXPECT_EQ(dialog.target, QStringLiteral("me@x.de"));
        EXPECT_EQ(dialog.description, QStringLiteral("me@x.de"));
        EXPECT_FALSE(dialog.targetFrameEnabled);
        EXPECT_TRUE(acceptLinkDialog(dialog, prompter));
    });
    EXPECT_EQ(b.text(), QStringLiteral("write <a href=\"mailto:me@x.de\">me@x.de</a> now"));
    EXPECT_EQ(b.selLength(), 0);
}

TEST(InsertLink, PlainWordGoesIntoTheDescriptionOnlyAndCancelChangesNothing) {
    MemoryBuffer b = selecting(QStringLiteral("a "), QStringLiteral("word"), QStringLiteral(" b"));
    LinkFields dialog;
    dialog.initialProtocol = 3;
    insertLink(b, dialog, German, [&] {
        prepareLinkDialog(dialog);
        EXPECT_EQ(dialog.protocol, LinkProtocol::Http);
        EXPECT_EQ(dialog.language, German);
        EXPECT_TRUE(dialog.target.isEmpty());
        EXPECT_EQ(dialog.description, QStringLiteral("word"));
        cancelLinkDialog(dialog);
    });
    EXPECT_EQ(b.text(), QStringLiteral("a word b"));
    EXPECT_FALSE(b.isModified());
}

TEST(InsertLink, BlankSelectionStaysAndTheLinkGoesInFront) {
    MemoryBuffer b = selecting(QStringLiteral("a"), QStringLiteral("  "), QStringLiteral("b"));
    LinkFields dialog;
    ScriptedPrompter prompter;
    insertLink(b, dialog, English, [&] {
        prepareLinkDialog(dialog);
        EXPECT_TRUE(dialog.description.isEmpty());
        dialog.target = QStringLiteral("x.de");
        dialog.description = QStringLiteral("X");
        EXPECT_TRUE(acceptLinkDialog(dialog, prompter));
    });
    EXPECT_EQ(b.text(), QStringLiteral("a<a  href=\"http://x.de\" target=\"_blank\">X</a>  b"));
}

TEST(WrapInFontSpan, WorkedExampleAndNothingChosen) {
    FontSpanFields f{QStringLiteral("Verdana"), RgbColour{0xFF, 0, 0}, QStringLiteral("12")};
    MemoryBuffer b = selecting(QStringLiteral("a "), QStringLiteral("word"), QStringLiteral(" b"));
    wrapInFontSpan(b, f);
    EXPECT_EQ(b.text(), QStringLiteral("a <span style=\" font-family:Verdana; font-size:12px; "
                                       "color:#FF0000;\">word </span> b"));
    EXPECT_EQ(b.caretOffset(), b.text().size() - 2);

    EXPECT_EQ(fontSpanOpeningTag({QStringLiteral("  "), std::nullopt, QStringLiteral(" ")}),
              QStringLiteral("<span style=\"\">"));
    // The colour picker starts on black.
    EXPECT_EQ(fontSpanOpeningTag(FontSpanFields{}),
              QStringLiteral("<span style=\" color:#000000;\">"));
}

TEST(WrapInFontSpan, BlankSelectionStaysBehindTheSpan) {
    MemoryBuffer b = selecting(QStringLiteral("a"), QStringLiteral(" \r\n"), QStringLiteral("b"));
    wrapInFontSpan(b, {QString(), std::nullopt, QStringLiteral("9")});
    EXPECT_EQ(b.text(), QStringLiteral("a<span style=\" font-size:9px;\"> </span> \r\nb"));
}

TEST(InsertColourCode, GoesInFrontOfTheSelectionWhichStays) {
    MemoryBuffer b = selecting(QStringLiteral("x "), QStringLiteral("red"), QStringLiteral(" y"));
    insertColourCode(b, {0x56, 0x34, 0x12});
    EXPECT_EQ(b.text(), QStringLiteral("x #563412red y"));
    EXPECT_EQ(b.caretOffset(), 9);
    EXPECT_EQ(b.selLength(), 0);
}
