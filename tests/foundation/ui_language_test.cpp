#include "foundation/messages/captions.h"
#include "foundation/messages/messages.h"
#include "foundation/messages/ui_language.h"

#include <gtest/gtest.h>

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
