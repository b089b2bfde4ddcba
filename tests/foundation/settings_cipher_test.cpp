#include "foundation/document/document_file.h"
#include "foundation/settings/settings_cipher.h"

#include <gtest/gtest.h>

namespace {

QString readAsFile(const QByteArray& bytes) {
    return decodeDocument(bytes)->text;
}

const char PlainSettings[] = "Courier New\r\n12\r\nfalse\r\nuser\r\nsecret\r\nftp.example.org\r\n"
                             "UserLogin\r\nUTF-8\r\n/usr/bin/firefox\r\n8388608\r\n32768\r\n"
                             "255;8421376;128\r\n \r\n \r\n \r\n1\r\n\r\nexplorer.exe\r\ntrue\r\n";

} // namespace

TEST(SettingsCipher, Encipher_AddsKeyBytesRestartingEveryFourBytes) {
    // 'a'+'q', 'b'+'o', 'c'+'m', 'd'+'u', then 'e'+'q' again.
    EXPECT_EQ(encipherSettings("abcde"), QByteArray("\xD2\xD1\xD0\xD9\xD6"));
}

TEST(SettingsCipher, Encipher_WrapsAroundModulo256) {
    EXPECT_EQ(encipherSettings("\xFF\x92"), QByteArray("\x70\x01"));
    EXPECT_EQ(decipherSettings(QByteArray(2, '\0')), QByteArray("\x8F\x91"));
}

TEST(SettingsCipher, DecipherUndoesEncipher_ForEveryByteAtEveryKeyPosition) {
    QByteArray all;
    for (int i = 0; i < 256 * 4; ++i)
        all.append(static_cast<char>(i / 4));
    const QByteArray enciphered = encipherSettings(all);
    EXPECT_NE(enciphered, all);
    EXPECT_EQ(decipherSettings(enciphered), all);
}

TEST(IsEnciphered, PlainSettingsText_IsNotEnciphered) {
    EXPECT_FALSE(isEnciphered(QString::fromLatin1(PlainSettings)));
    EXPECT_FALSE(isEnciphered(QStringLiteral("Schriftgröße\r\nÜberall\r\n")));
    EXPECT_FALSE(isEnciphered(QString()));
}

TEST(IsEnciphered, EncipheredSettingsText_IsEnciphered) {
    EXPECT_TRUE(isEnciphered(readAsFile(encipherSettings(PlainSettings))));
    // A freshly padded file: blanks and line ends only.
    QByteArray padded;
    for (int i = 0; i < 19; ++i)
        padded += " \r\n";
    EXPECT_TRUE(isEnciphered(readAsFile(encipherSettings(padded))));
}

TEST(IsEnciphered, OnlyLineEndsTabsAndBlanks_IsNotEnciphered) {
    EXPECT_FALSE(isEnciphered(QStringLiteral("\r\n\r\n")));
    EXPECT_FALSE(isEnciphered(QStringLiteral(" \t \r\n \t")));
}

TEST(IsEnciphered, NothingPrintableLeft_IsEnciphered) {
    EXPECT_TRUE(isEnciphered(QStringLiteral("\x01")));
    EXPECT_TRUE(isEnciphered(QStringLiteral("éü ö")));
}

TEST(IsEnciphered, ComparesPrintableLengthWithRoundedLengthOverOnePointFour) {
    const QString four = QStringLiteral("éééé");
    // 11 / 1.4 = 7.86 rounds up to 8: seven printable of eleven is enciphered.
    EXPECT_TRUE(isEnciphered(QStringLiteral("abcdefg") + four));
    EXPECT_FALSE(isEnciphered(QStringLiteral("abcdefgh") + four.left(3)));
    // 10 / 1.4 = 7.14 rounds down to 7: seven printable of ten is not.
    EXPECT_TRUE(isEnciphered(QStringLiteral("abcdef") + four));
    EXPECT_FALSE(isEnciphered(QStringLiteral("abcdefg") + four.left(3)));
    // 7 / 1.4 = 5 exactly.
    EXPECT_TRUE(isEnciphered(QStringLiteral("abcd") + four.left(3)));
    EXPECT_FALSE(isEnciphered(QStringLiteral("abcde") + four.left(2)));
}

TEST(IsEnciphered, KqoIsRemovedInAnyCase) {
    EXPECT_TRUE(isEnciphered(QStringLiteral("KqOkQo\x01")));
    // Kept, "KqO" would leave P four of six, not below round(6 / 1.4) = 4.
    EXPECT_TRUE(isEnciphered(QStringLiteral("aKqO\x01\x01")));
}

TEST(IsEnciphered, KqoFormedByRemovingBlanks_IsRemoved) {
    // Q is "\x01" once the blanks are gone and "kqo" with them.
    EXPECT_TRUE(isEnciphered(QStringLiteral("k q o\x01")));
}

TEST(IsEnciphered, KqoFormedByRemovingKqo_IsKept) {
    // "k[kqo]qo" leaves "kqo", which is not removed again: P "kqo" of Q "kqo\x01".
    EXPECT_FALSE(isEnciphered(QStringLiteral("kkqoqo\x01")));
}

TEST(IsEnciphered, CrLfFormedByRemovingTabs_IsKept) {
    // CR LF pairs go before tabs, so "\r\t\n" leaves a CR LF that counts as unprintable.
    EXPECT_TRUE(isEnciphered(QStringLiteral("\r\t\n")));
}
