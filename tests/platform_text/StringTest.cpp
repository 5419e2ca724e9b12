#include <gtest/gtest.h>

#include "QStringPrinter.h"

#include "platform/String.h"

using vcl::FromQString;
using vcl::String;
using vcl::ToQString;

TEST(CodePage1252, EveryByteSurvivesTheRoundTrip) {
    String all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString unicode = ToQString(all);
    ASSERT_EQ(unicode.size(), 256);
    EXPECT_EQ(FromQString(unicode), all);
}

TEST(CodePage1252, MapsTheBytesThatDifferFromLatin1) {
    struct Case {
        unsigned char Byte;
        char16_t Unicode;
    };
    const Case cases[] = {
        {0x80, 0x20AC},  // euro sign
        {0x81, 0x0081},  // undefined in the code page: the C1 control
        {0x8D, 0x008D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x9D, 0x009D},
        {0x97, 0x2014},  // em dash
        {0x9F, 0x0178},
        {0xA0, 0x00A0},
        {0xE9, 0x00E9},
    };
    for (const Case& c : cases) {
        const String byte(1, static_cast<char>(c.Byte));
        EXPECT_EQ(ToQString(byte), QString(QChar(c.Unicode))) << int(c.Byte);
        EXPECT_EQ(FromQString(QString(QChar(c.Unicode))), byte) << int(c.Byte);
    }
}

TEST(CodePage1252, CharactersOutsideThePageBecomeOneQuestionMark) {
    EXPECT_EQ(FromQString(QString::fromUtf8("a\u4E2Db")), "a?b");
    // An emoji is a surrogate pair in UTF-16 but one character.
    EXPECT_EQ(FromQString(QString::fromUtf8("x\U0001F600y")), "x?y");
    // A latin-1 control that 1252 reassigns (U+0080) is not in the page.
    EXPECT_EQ(FromQString(QString(QChar(0x0080))), "?");
    // A lone surrogate is not a character at all.
    EXPECT_EQ(FromQString(QString(QChar(0xD800)) + "z"), "?z");
}
