#include "foundation/messages/captions.h"
#include "foundation/messages/message_table.h"
#include "foundation/messages/ui_language.h"

#include <gtest/gtest.h>

TEST(BookmarkItemCaption, IsThePrefixLineFollowedByTheDigit) {
    MessageTable table;
    table.setLanguage(UiLanguage::English);
    EXPECT_EQ(bookmarkItemCaption(table, 0), QStringLiteral("Bookmark 0"));
    EXPECT_EQ(bookmarkItemCaption(table, 9), QStringLiteral("Bookmark 9"));
    table.setLanguage(UiLanguage::German);
    EXPECT_EQ(bookmarkItemCaption(table, 3), QStringLiteral("Lesezeichen 3"));
}

TEST(UiLanguage, FirstStartIsGermanOnlyForGermanGermanyInput) {
    EXPECT_EQ(firstStartLanguage(true), UiLanguage::German);
    EXPECT_EQ(firstStartLanguage(false), UiLanguage::English);
}

TEST(UiLanguage, SystemNameContainingDeutschGivesGerman) {
    EXPECT_EQ(languageFromSystemName(QStringLiteral("Deutsch")), UiLanguage::German);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("Deutsch (Österreich)")), UiLanguage::German);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("English")), UiLanguage::English);
    EXPECT_EQ(languageFromSystemName(QStringLiteral("français")), UiLanguage::English);
    EXPECT_EQ(languageFromSystemName(QString()), UiLanguage::English);
}
