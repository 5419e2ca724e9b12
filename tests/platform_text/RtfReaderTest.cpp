#include <gtest/gtest.h>

#include "QStringPrinter.h"

#include <QTextBlock>
#include <QTextDocument>

#include "platform/RtfReader.h"

using vcl::LoadRtf;
using vcl::String;

namespace {

// The format of the character at the start of the first occurrence of word.
QTextCharFormat FormatOf(QTextDocument& doc, const QString& word) {
    const QTextCursor found = doc.find(word);
    EXPECT_FALSE(found.isNull()) << word.toStdString();
    QTextCursor at(&doc);
    at.setPosition(found.selectionStart() + 1);  // charFormat() is the format before the cursor
    return at.charFormat();
}

QString Loaded(const String& rtf) {
    QTextDocument doc;
    EXPECT_TRUE(LoadRtf(doc, rtf));
    return doc.toPlainText();
}

const char* const kDocument =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033"
    "{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}{\\f1\\fmodern Courier New;}}\r\n"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0{\\b Title}\\par\r\n"
    "\\par\r\n"
    "\\fs24 Text {\\cf1\\b Yellow} end\\par\r\n"
    "}";

}  // namespace

TEST(RtfReader, DocumentGivesParagraphsAndFormats) {
    QTextDocument doc;
    ASSERT_TRUE(LoadRtf(doc, kDocument));
    // The closing \par ends the last paragraph and opens no new one.
    EXPECT_EQ(doc.toPlainText(), "Title\n\nText Yellow end");

    const QTextCharFormat title = FormatOf(doc, "Title");
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(title.fontPointSize(), 16.0);
    EXPECT_EQ(title.fontFamilies().toStringList(), QStringList{"Verdana"});
    EXPECT_EQ(title.foreground().color(), QColor(64, 64, 64));

    const QTextCharFormat yellow = FormatOf(doc, "Yellow");
    EXPECT_EQ(yellow.fontWeight(), QFont::Bold);
    EXPECT_EQ(yellow.foreground().color(), QColor(255, 255, 64));
    EXPECT_DOUBLE_EQ(yellow.fontPointSize(), 12.0);

    // After the group closes, bold and colour are back to the outer state.
    for (const char* word : {"Text", "end"}) {
        const QTextCharFormat body = FormatOf(doc, word);
        EXPECT_EQ(body.fontWeight(), QFont::Normal) << word;
        EXPECT_EQ(body.foreground().color(), QColor(64, 64, 64)) << word;
        EXPECT_DOUBLE_EQ(body.fontPointSize(), 12.0) << word;
        EXPECT_EQ(body.fontFamilies().toStringList(), QStringList{"Verdana"}) << word;
    }
}

TEST(RtfReader, FontsAndColoursResolveByNumber) {
    QTextDocument doc;
    ASSERT_TRUE(LoadRtf(doc,
                        "{\\rtf1{\\fonttbl\\f0 Arial;\\f3 Courier New;}"
                        "{\\colortbl;\\red0\\green128\\blue0;}"
                        "\\f3 mono \\f0\\cf1 green \\cf0 auto \\cf9 missing "
                        "\\b bold\\b0  thin \\plain plain}"));
    EXPECT_EQ(FormatOf(doc, "mono").fontFamilies().toStringList(), QStringList{"Courier New"});
    EXPECT_EQ(FormatOf(doc, "green").fontFamilies().toStringList(), QStringList{"Arial"});
    EXPECT_EQ(FormatOf(doc, "green").foreground().color(), QColor(0, 128, 0));
    // An empty first entry is "auto"; an unknown index too: no colour of their own.
    EXPECT_FALSE(FormatOf(doc, "auto").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatOf(doc, "missing").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(FormatOf(doc, "bold").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(doc, "thin").fontWeight(), QFont::Normal);
    const QTextCharFormat plain = FormatOf(doc, "plain");
    EXPECT_FALSE(plain.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_DOUBLE_EQ(plain.fontPointSize(), 12.0);
    EXPECT_EQ(plain.fontFamilies().toStringList(), QStringList{"Arial"});  // \deff defaults to 0
}

TEST(RtfReader, CharactersEscapesAndIgnoredWords) {
    struct Case {
        const char* Rtf;
        const char16_t* Text;
    };
    const Case cases[] = {
        {"{\\rtf1 a\\emdash b}", u"a\u2014b"},
        {"{\\rtf1 caf\\'e9 \\'80}", u"caf\u00e9 \u20ac"},
        {"{\\rtf1 \\\\ \\{x\\}}", u"\\ {x}"},
        // The space after a word (and its parameter) is its delimiter; a second one is text.
        {"{\\rtf1\\fs20  two\\b0 x}", u" twox"},
        {"{\\rtf1 a\\li-360 b\\fancyword c\\pard d}", u"abcd"},
        // Raw line breaks in the source are not text.
        {"{\\rtf1 ab\r\ncd\ne}", u"abcde"},
        {"{\\rtf1 x{\\*\\unknowndest hidden {nested}}y{\\info{\\title t}}z}", u"xyz"},
        {"{\\rtf1 \\u8364?\\uc2\\u8212 ab!}", u"\u20ac\u2014!"},
        {"{\\rtf1 a\\par\\par}", u"a\n"},
        {"{\\rtf1 a\\bin3 }}}b}", u"ab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Loaded(c.Rtf), QString::fromUtf16(c.Text)) << c.Rtf;
}

TEST(RtfReader, MalformedInputKeepsWhatWasRead) {
    struct Case {
        std::string Rtf;
        const char* Text;
    };
    const Case cases[] = {
        {"{\\rtf1 {a", "a"},
        {"{\\rtf1 a}} b", "a"},
        {"{\\rtf1 a}}}}}", "a"},
        {"{\\rtf1 a{}}}{b}", "a"},
        {"{\\rtf1 \\", ""},
        {"{\\rtf1 x\\'4", "x"},
        {"{\\rtf1 x\\'", "x"},
        {"{\\rtf1 x\\'zz y}", "xzz y"},
        {"{\\rtf1 \\fs99999999999999 big}", "big"},
        {"{\\rtf1 \\fs-99999999999999999999 \\cf99999999999 \\uc99999999 \\u-99999999 fallback\\uc1\\u70000 ?small}", "small"},
        {"{\\rtf1 \\bin99999999999 lost}", ""},
        {"{\\rtf1{\\fonttbl{\\f0 Unterminated", ""},
        {"{\\rtf1{\\colortbl\\red999;\\red-5}x", "x"},
        {"{\\rtf1 a\\b", "a"},
        {"{\\rtf1 " + std::string(100000, '{') + "deep" + std::string(100000, '}') + " after}",
         "deep after"},
        {"{\\rtf1 " + std::string(50000, '}') + "gone", ""},
        {std::string("{\\rtf1 n\0ul", 11) + "}", "nul"},
    };
    for (const Case& c : cases) {
        QTextDocument doc;
        ASSERT_TRUE(LoadRtf(doc, c.Rtf)) << c.Rtf.substr(0, 40);
        EXPECT_EQ(doc.toPlainText(), QString::fromLatin1(c.Text)) << c.Rtf.substr(0, 40);
        doc.documentLayout();  // laying out the result must not fail either
        EXPECT_GT(doc.size().height(), 0.0);
    }
}

TEST(RtfReader, HugeSizeIsClamped) {
    QTextDocument doc;
    ASSERT_TRUE(LoadRtf(doc, "{\\rtf1 \\fs99999999999999 big}"));
    EXPECT_LE(FormatOf(doc, "big").fontPointSize(), 1638.0);
}

TEST(RtfReader, NonRtfIsRefusedAndLeavesTheDocument) {
    QTextDocument doc;
    doc.setPlainText("kept");
    EXPECT_FALSE(LoadRtf(doc, "plain text"));
    EXPECT_FALSE(LoadRtf(doc, ""));
    EXPECT_FALSE(LoadRtf(doc, "{\\rt"));
    EXPECT_EQ(doc.toPlainText(), "kept");

    EXPECT_TRUE(LoadRtf(doc, "{\\rtf1 new}"));
    EXPECT_EQ(doc.toPlainText(), "new");
}

TEST(RtfReader, ReadInsertsAtTheCursor) {
    QTextDocument doc;
    doc.setPlainText("[]");
    QTextCursor cursor(&doc);
    cursor.setPosition(1);
    vcl::ReadRtf("{\\rtf1 one\\par two\\par}", cursor);
    EXPECT_EQ(doc.toPlainText(), "[one\ntwo]");
}
