#include "foundation/settings/settings_cipher.h"
#include "foundation/settings/settings_file.h"

#include <QFile>
#include <QTemporaryDir>

#include "file_bytes.h"

#include <gtest/gtest.h>

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = settingsFilePath(dir.path());

    void writeRaw(const QByteArray& bytes) { ASSERT_TRUE(writeFileBytes(path, bytes)); }
};

} // namespace

TEST(SettingsNumber, AcceptsSignAndDecimalDigitsOnly) {
    EXPECT_EQ(parseSettingsNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(parseSettingsNumber(QStringLiteral("-16777201")), -16777201);
    EXPECT_EQ(parseSettingsNumber(QStringLiteral("+7")), 7);
    for (const char* text :
         {"", "-", " 12", "12 ", "1 2", "1e3", "0x1F", "$1F", "12.0", "abc", "2147483648"})
        EXPECT_EQ(parseSettingsNumber(QString::fromLatin1(text)), std::nullopt) << text;
    // Digits of other scripts are no decimal digits here.
    EXPECT_EQ(parseSettingsNumber(QStringLiteral("١٢")), std::nullopt);
}

TEST(SettingsColourFields, SplitsIntoAtMostThreeTrimmedFields) {
    EXPECT_EQ(splitColourFields(QStringLiteral(" 1 ;\t2; 3 ")),
              QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}));
    EXPECT_EQ(splitColourFields(QStringLiteral("255")), QStringList({QStringLiteral("255")}));
    EXPECT_EQ(splitColourFields(QString()), QStringList({QString()}));
    EXPECT_EQ(splitColourFields(QStringLiteral("1;;")),
              QStringList({QStringLiteral("1"), QString(), QString()}));
    EXPECT_EQ(splitColourFields(QStringLiteral("1;2;3;4")),
              QStringList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3;4")}));
}

TEST_F(SettingsFileTest, Read_SplitsPlainTextAtAnyLineBreak_WithoutLineForFinalBreak) {
    writeRaw("a\r\nb\nc\rd\r\n");
    EXPECT_EQ(readSettingsFile(path), QStringList({"a", "b", "c", "d"}));
    writeRaw("a\r\n\r\n");
    EXPECT_EQ(readSettingsFile(path), QStringList({"a", ""}));
    writeRaw("");
    EXPECT_EQ(readSettingsFile(path), QStringList());
}

TEST_F(SettingsFileTest, Read_PlainWindows1252Text_KeepsItsCharacters) {
    writeRaw("Schriftgr\xF6\xDF"
             "e\r\n12\r\n");
    EXPECT_EQ(readSettingsFile(path), QStringList({QStringLiteral("Schriftgröße"), "12"}));
}

TEST_F(SettingsFileTest, Read_DeciphersTheFileBytes) {
    writeRaw(encipherSettings(QStringLiteral("Grüße\r\n\r\nfalse\r\n").toUtf8()));
    EXPECT_EQ(readSettingsFile(path), QStringList({QStringLiteral("Grüße"), "", "false"}));
}
