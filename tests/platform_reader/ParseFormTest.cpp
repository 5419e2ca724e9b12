#include <gtest/gtest.h>

#include "platform/FormReader.h"

using namespace vcl;

namespace {

// The value of the single property of a one-object description.
TDfmValue ValueOf(const std::string& written) {
    const TDfmObject root = ParseForm("object F: TF\n  P = " + written + "\nend\n");
    EXPECT_EQ(root.properties.size(), 1u);
    return root.properties.at(0).value;
}

TEST(ParseFormTest, StringSyntax) {
    struct TCase {
        const char* written;
        std::string expected;
    };
    const TCase cases[] = {
        {"'it''s'", "it's"},        {"''", ""},
        {"'a'#13#10'b'", "a\r\nb"}, {"'abc' +\n    'def' + 'g'", "abcdefg"},
        {"'caf'#233", "caf\xE9"},  // a code names a Windows-1252 byte
        {"'caf\xE9'", "caf\xE9"},  // raw bytes pass through untouched
        {"#$41'b'#9", "Ab\t"},      {"'{not binary}'", "{not binary}"},
    };
    for (const TCase& c : cases) {
        const TDfmValue value = ValueOf(c.written);
        EXPECT_EQ(value.kind, TDfmValue::Kind::String) << c.written;
        EXPECT_EQ(value.text, c.expected) << c.written;
        EXPECT_EQ(value.line, 2) << c.written;
    }
}

TEST(ParseFormTest, ScalarValues) {
    using K = TDfmValue::Kind;
    EXPECT_EQ(ValueOf("-5").integer, -5);
    EXPECT_EQ(ValueOf("$1F").integer, 31);
    EXPECT_EQ(ValueOf("-$10").integer, -16);
    EXPECT_EQ(ValueOf("1.5").kind, K::Float);
    EXPECT_EQ(ValueOf("1.5").real, 1.5);
    EXPECT_EQ(ValueOf("-2.5E2").real, -250.0);
    const TDfmValue ident = ValueOf("Owner.Button1");
    EXPECT_EQ(ident.kind, K::Identifier);
    EXPECT_EQ(ident.text, "Owner.Button1");
}

TEST(ParseFormTest, SetsListsAndBinary) {
    using K = TDfmValue::Kind;
    const TDfmValue set = ValueOf("[akLeft, akTop]");
    EXPECT_EQ(set.kind, K::Set);
    EXPECT_EQ(set.items, (std::vector<String>{"akLeft", "akTop"}));
    EXPECT_TRUE(ValueOf("[]").items.empty());
    EXPECT_EQ(ValueOf("[]").kind, K::Set);

    // Blanks separate items; '+' joins pieces into one item.
    const TDfmValue list = ValueOf("(\n    'a' + 'b'\n    'it''s'#9\n    'c')");
    EXPECT_EQ(list.kind, K::StringList);
    EXPECT_EQ(list.items, (std::vector<String>{"ab", "it's\t", "c"}));
    EXPECT_TRUE(ValueOf("()").items.empty());

    const TDfmValue binary = ValueOf("{\n    00ff\n    7A}");
    EXPECT_EQ(binary.kind, K::Binary);
    EXPECT_EQ(binary.binary, QByteArray("\x00\xff\x7a", 3));
}

TEST(ParseFormTest, ObjectTreeKeepsOrderAndLines) {
    const TDfmObject root = ParseForm(
        "OBJECT Main: TMain\n"
        "  Font.Name = 'x'\n"
        "  object A: TA\n"
        "  end\n"
        "  object B: TB\n"
        "    object C: TC\n"
        "    End\n"
        "  end\n"
        "end");
    EXPECT_EQ(root.name, "Main");
    EXPECT_EQ(root.className, "TMain");
    ASSERT_EQ(root.properties.size(), 1u);
    EXPECT_EQ(root.properties[0].name, "Font.Name");
    ASSERT_EQ(root.children.size(), 2u);
    EXPECT_EQ(root.children[0].name, "A");
    EXPECT_EQ(root.children[1].line, 5);
    ASSERT_EQ(root.children[1].children.size(), 1u);
    EXPECT_EQ(root.children[1].children[0].className, "TC");
}

TEST(ParseFormTest, SyntaxErrorsNameTheLine) {
    struct TCase {
        const char* text;
        int line;
        const char* fragment;
    };
    const TCase cases[] = {
        {"", 1, "'object' expected"},
        {"object F: TF\n  P = 'a' +\n  Q = 1\nend", 3, "a string expected after '+'"},
        {"object F: TF\n  P = #256\nend", 2, "character code 256"},
        {"object F: TF\n  P = #\nend", 2, "character code expected"},
        {"object F: TF\n  P = {0a1}\nend", 2, "odd number"},
        {"object F: TF\n  P = {0a\n\n", 2, "unterminated binary"},
        {"object F: TF\n  P = {0x12}\nend", 2, "invalid character in binary"},
        {"object F: TF\n  P = [a, ]\nend", 2, "a set member expected"},
        {"object F: TF\n  P = (1)\nend", 2, "a string or ')' expected"},
        {"object F: TF\n  P = ('a'\nend", 3, "a string or ')' expected"},
        {"object F: TF\n  P = 12ab\nend", 2, "invalid number"},
        {"object F: TF\n  P = 99999999999999999999\nend", 2, "out of range"},
        {"object F: TF\n  P =\n", 2, "a value expected"},
        {"object F: TF\n  P 1\nend", 2, "'=' expected"},
        {"object F TF\nend", 1, "':' expected"},
        {"object F: TF\n  P = 1 // note\nend", 2, "unexpected character '/'"},
        {"object F: TF\nend\nobject G: TF\nend", 3, "after the final 'end'"},
        {"object F: TF\n  inherited A: TA\n  end\nend", 2, "not supported"},
        {"object F: TF\n  P = 'a'\n\n\n", 2, "'end' of object F"},
        {"object F: TF\n  P = 'a' 'b'\nend", 2, "a property, 'object' or 'end' expected"},
    };
    for (const TCase& c : cases) {
        try {
            ParseForm(c.text);
            ADD_FAILURE() << "no error for: " << c.text;
        } catch (const EFormReadError& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.rfind("line " + std::to_string(c.line) + ": ", 0), 0u)
                << c.text << " -> " << message;
            EXPECT_NE(message.find(c.fragment), std::string::npos) << c.text << " -> " << message;
        }
    }
}

TEST(ParseFormTest, DeepNestingIsAnErrorNotACrash) {
    std::string text;
    for (int i = 0; i < 100000; ++i) text += "object A: TA\n";
    EXPECT_THROW(ParseForm(text), EFormReadError);
}

}  // namespace
