#include "app/captions.h"
#include "app/messages.h"
#include "app/ui_language.h"

#include <QSet>

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

QSet<int> linesFromRanges(std::initializer_list<std::pair<int, int>> ranges) {
    QSet<int> lines;
    for (const auto& [first, last] : ranges)
        for (int n = first; n <= last; ++n)
            lines.insert(n);
    return lines;
}

QList<const CaptionAssignment*> entriesOfKind(CaptionKind kind) {
    QList<const CaptionAssignment*> entries;
    for (const CaptionAssignment& entry : captionAssignments())
        if (entry.kind == kind)
            entries.append(&entry);
    return entries;
}

QList<int> linesOfKind(CaptionKind kind) {
    QList<int> lines;
    for (const CaptionAssignment* entry : entriesOfKind(kind))
        lines.append(entry->line);
    return lines;
}

const CaptionAssignment* find(const char* objectName, CaptionKind kind) {
    for (const CaptionAssignment& entry : captionAssignments())
        if (entry.kind == kind && qstrcmp(entry.objectName, objectName) == 0)
            return &entry;
    return nullptr;
}

// The lines the language switch writes into toolbar hints and menu captions.
const QSet<int> hintLines =
    linesFromRanges({{56, 75}, {85, 86}, {89, 110}, {113, 123}, {184, 184}});
const QSet<int> captionLines = linesFromRanges({{129, 138},
                                                {140, 161},
                                                {164, 168},
                                                {179, 185},
                                                {187, 188},
                                                {199, 205},
                                                {207, 208},
                                                {210, 214}});

} // namespace

TEST(CaptionAssignments, HintsCoverExactlyTheToolbarHintLinesOnce) {
    const QList<int> lines = linesOfKind(CaptionKind::Hint);
    EXPECT_EQ(QSet<int>(lines.begin(), lines.end()), hintLines);
    EXPECT_EQ(lines.size(), hintLines.size());
}

TEST(CaptionAssignments, CaptionsCoverTheMenuLinesOnceExceptTheBookmarkPrefix) {
    QSet<int> expected = captionLines;
    expected.remove(BookmarkCaptionLine);
    const QList<int> lines = linesOfKind(CaptionKind::Caption);
    EXPECT_EQ(QSet<int>(lines.begin(), lines.end()), expected);
    EXPECT_EQ(lines.size(), expected.size());
}

TEST(CaptionAssignments, ObjectNamesAreUniquePerKind) {
    for (CaptionKind kind : {CaptionKind::Hint, CaptionKind::Caption}) {
        QSet<QByteArray> names;
        for (const CaptionAssignment* entry : entriesOfKind(kind)) {
            const QByteArray name(entry->objectName);
            EXPECT_FALSE(name.isEmpty());
            EXPECT_FALSE(names.contains(name)) << name.constData();
            names.insert(name);
        }
    }
}

TEST(CaptionAssignments, FtpLineIsButtonHintAndMenuCaption) {
    const CaptionAssignment* hint = find("ToolButtonFtp", CaptionKind::Hint);
    const CaptionAssignment* caption = find("FTP1", CaptionKind::Caption);
    ASSERT_NE(hint, nullptr);
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(hint->line, 184);
    EXPECT_EQ(caption->line, 184);
}

TEST(CaptionAssignments, SwitchingLanguageRewritesFileMenuAndFirstItem) {
    const CaptionAssignment* menu = find("FileMenu", CaptionKind::Caption);
    const CaptionAssignment* item = find("FileNewItem", CaptionKind::Caption);
    ASSERT_NE(menu, nullptr);
    ASSERT_NE(item, nullptr);
    MessageTable table;
    table.setLanguage(UiEnglish);
    EXPECT_EQ(table.message(menu->line), QStringLiteral("File"));
    EXPECT_EQ(table.message(item->line), QStringLiteral("New"));
    table.setLanguage(UiGerman);
    EXPECT_EQ(table.message(menu->line), QStringLiteral("Datei"));
    EXPECT_EQ(table.message(item->line), QStringLiteral("Neu"));
}

TEST(CaptionAssignments, HtmlMenuAndItsBuiltInItemsAreLeftAlone) {
    for (const CaptionAssignment& entry : captionAssignments()) {
        const QByteArray name(entry.objectName);
        EXPECT_NE(name, "AG1");
        EXPECT_NE(name, "Div1");
        EXPECT_NE(name, "Span1");
    }
}

TEST(BookmarkItemCaption, IsThePrefixLineFollowedByTheDigit) {
    MessageTable table;
    table.setLanguage(UiEnglish);
    EXPECT_EQ(bookmarkItemCaption(table, 0), QStringLiteral("Bookmark 0"));
    EXPECT_EQ(bookmarkItemCaption(table, 9), QStringLiteral("Bookmark 9"));
    table.setLanguage(UiGerman);
    EXPECT_EQ(bookmarkItemCaption(table, 3), QStringLiteral("Lesezeichen 3"));
}

TEST(UiLanguage, FirstStartIsGermanOnlyForGermanGermanyInput) {
    EXPECT_EQ(firstStartLanguage(true), UiGerman);
    EXPECT_EQ(firstStartLanguage(false), UiEnglish);
}

TEST(UiLanguage, SystemNameContainingDeutschGivesGerman) {
    EXPECT_EQ(languageFromSystemName(QStringLiteral("Deutsch")), UiGerman);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("Deutsch (Österreich)")), UiGerman);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("English")), UiEnglish);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("français")), UiEnglish);
    EXPECT_EQ(languageFromSystemName(QString()), UiEnglish);
}
