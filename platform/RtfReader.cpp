#include "platform/RtfReader.h"

#include <QTextBlock>
#include <QTextCharFormat>
#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace vcl {

namespace {

// ---- Tokenizer -----------------------------------------------------------

enum class TokenKind { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

struct Token {
    explicit Token(TokenKind kind) : Kind(kind) {}

    TokenKind Kind;
    std::string_view Text;  // control word name or run of plain text
    bool HasParam = false;
    int Param = 0;
    char Symbol = 0;
    unsigned char Byte = 0;
};

// Parameters are 16-bit in practice; anything longer is clamped here so
// that absurd digit strings cannot overflow.
constexpr long long kParamLimit = 1'000'000'000;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
// CR and LF in the source only wrap long lines; NUL is never text.
bool IsIgnoredByte(char c) { return c == '\r' || c == '\n' || c == '\0'; }

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class TRtfTokenizer {
public:
    explicit TRtfTokenizer(std::string_view source) : FSrc(source) {}

    Token Next() {
        while (FPos < FSrc.size()) {
            const char c = FSrc[FPos];
            if (IsIgnoredByte(c)) {
                ++FPos;
            } else if (c == '{') {
                ++FPos;
                return Token{TokenKind::GroupStart};
            } else if (c == '}') {
                ++FPos;
                return Token{TokenKind::GroupEnd};
            } else if (c == '\\') {
                ++FPos;
                if (std::optional<Token> token = ReadControl()) return *token;
            } else {
                return ReadText();
            }
        }
        return Token{TokenKind::End};
    }

    // \binN: the next n bytes are data, not RTF.
    void SkipBytes(int n) { FPos += std::min(static_cast<size_t>(std::max(n, 0)), FSrc.size() - FPos); }

private:
    // After a backslash. Nothing when the escape is broken (input ends, or a
    // hex escape lacks its digits): the damage is simply dropped.
    std::optional<Token> ReadControl() {
        if (FPos >= FSrc.size()) return std::nullopt;
        const char c = FSrc[FPos];
        if (IsLetter(c)) return ReadControlWord();
        ++FPos;
        if (c == '\'') return ReadHexByte();
        Token token{TokenKind::ControlSymbol};
        // A backslash before a line break is an old spelling of \par.
        token.Symbol = (c == '\r' || c == '\n') ? '\n' : c;
        return token;
    }

    Token ReadControlWord() {
        Token token{TokenKind::ControlWord};
        const size_t start = FPos;
        while (FPos < FSrc.size() && IsLetter(FSrc[FPos])) ++FPos;
        token.Text = FSrc.substr(start, FPos - start);
        bool negative = false;
        if (FPos + 1 < FSrc.size() && FSrc[FPos] == '-' && IsDigit(FSrc[FPos + 1])) {
            negative = true;
            ++FPos;
        }
        long long value = 0;
        while (FPos < FSrc.size() && IsDigit(FSrc[FPos])) {
            token.HasParam = true;
            value = std::min(value * 10 + (FSrc[FPos] - '0'), kParamLimit);
            ++FPos;
        }
        token.Param = static_cast<int>(negative ? -value : value);
        if (FPos < FSrc.size() && FSrc[FPos] == ' ') ++FPos;  // the delimiter belongs to the word
        return token;
    }

    std::optional<Token> ReadHexByte() {
        int value = 0;
        for (int i = 0; i < 2; ++i) {
            const int digit = FPos < FSrc.size() ? HexValue(FSrc[FPos]) : -1;
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
            ++FPos;
        }
        Token token{TokenKind::HexByte};
        token.Byte = static_cast<unsigned char>(value);
        return token;
    }

    Token ReadText() {
        const size_t start = FPos;
        while (FPos < FSrc.size()) {
            const char c = FSrc[FPos];
            if (c == '{' || c == '}' || c == '\\' || IsIgnoredByte(c)) break;
            ++FPos;
        }
        Token token{TokenKind::Text};
        token.Text = FSrc.substr(start, FPos - start);
        return token;
    }

    std::string_view FSrc;
    size_t FPos = 0;
};

// ---- Reader --------------------------------------------------------------

enum class TDestination { Text, FontTable, ColourTable, Skip };

// What a group inherits from its parent and restores on close.
struct TGroupState {
    TDestination Destination = TDestination::Text;
    int Font = -1;    // -1: the document's default font
    int Colour = -1;  // -1: no \cf, the document's default colour
    int HalfPoints = 24;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    int UnicodeSkip = 1;
};

// Beyond this depth extra groups are only counted, so a flood of '{' costs
// no memory.
constexpr size_t kMaxDepth = 256;

bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "info",     "stylesheet", "pict",      "object",   "fldinst",  "header",
        "headerl",  "headerr",    "headerf",   "footer",   "footerl",  "footerr",
        "footerf",  "footnote",   "listtable", "listoverridetable",    "filetbl",
        "revtbl",   "rsidtbl",    "generator", "xmlnstbl", "themedata", "falt",
        "colorschememapping",     "latentstyles",          "datastore",
    };
    return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

// Control words that stand for one character.
std::optional<char16_t> NamedCharacter(std::string_view word) {
    static constexpr std::pair<std::string_view, char16_t> kNames[] = {
        {"emdash", 0x2014}, {"endash", 0x2013},    {"bullet", 0x2022},
        {"lquote", 0x2018}, {"rquote", 0x2019},    {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"tab", u'\t'},     {"line", 0x2028},
    };
    for (const auto& [name, ch] : kNames)
        if (name == word) return ch;
    return std::nullopt;
}

class TRtfReader {
public:
    explicit TRtfReader(QTextCursor& cursor) : FCursor(cursor) {}

    void Read(std::string_view rtf) {
        TRtfTokenizer tokenizer(rtf);
        FCursor.beginEditBlock();
        FStack.push_back(TGroupState{});
        while (!FFinished) {
            const Token token = tokenizer.Next();
            if (token.Kind == TokenKind::End) break;
            Dispatch(token, tokenizer);
        }
        FCursor.endEditBlock();
    }

private:
    TGroupState& State() { return FStack.back(); }
    const TGroupState& State() const { return FStack.back(); }

    void Dispatch(const Token& token, TRtfTokenizer& tokenizer) {
        switch (token.Kind) {
        case TokenKind::GroupStart: GroupStart(); break;
        case TokenKind::GroupEnd: GroupEnd(); break;
        case TokenKind::ControlWord:
            if (token.Text == "bin")
                tokenizer.SkipBytes(token.Param);
            else if (State().Destination != TDestination::Skip)
                ControlWord(token);
            break;
        case TokenKind::ControlSymbol: ControlSymbol(token.Symbol); break;
        case TokenKind::HexByte:
            if (!ConsumeSkip()) Characters(ToQString(String(1, static_cast<char>(token.Byte))));
            break;
        case TokenKind::Text: PlainText(token.Text); break;
        case TokenKind::End: break;
        }
    }

    void GroupStart() {
        FPendingSkip = 0;
        if (FStack.size() >= kMaxDepth) {
            ++FOverflowDepth;
            return;
        }
        FStack.push_back(State());
    }

    void GroupEnd() {
        FPendingSkip = 0;
        if (FOverflowDepth > 0) {
            --FOverflowDepth;
            return;
        }
        if (FStack.size() <= 1) return;  // a stray '}' outside every group
        if (State().Destination == TDestination::FontTable) CommitFont();
        FStack.pop_back();
        // The document ends with its outermost group; anything after is not ours.
        if (FStack.size() == 1) FFinished = true;
    }

    void ControlWord(const Token& token) {
        const std::string_view word = token.Text;
        const int param = token.Param;
        TGroupState& s = State();
        const bool on = !token.HasParam || param != 0;

        if (word == "fonttbl") s.Destination = TDestination::FontTable;
        else if (word == "colortbl") s.Destination = TDestination::ColourTable;
        else if (IsSkippedDestination(word)) s.Destination = TDestination::Skip;
        else if (s.Destination == TDestination::FontTable) FontTableWord(word, param);
        else if (s.Destination == TDestination::ColourTable) ColourTableWord(word, param);
        else if (word == "par") Paragraph();
        else if (word == "f") s.Font = param;
        else if (word == "deff") FDefaultFont = param;
        else if (word == "b") s.Bold = on;
        else if (word == "i") s.Italic = on;
        else if (word == "ul") s.Underline = on;
        else if (word == "ulnone") s.Underline = false;
        else if (word == "cf") s.Colour = param;
        else if (word == "fs") s.HalfPoints = param > 0 ? std::min(param, 3276) : 24;
        else if (word == "plain") Plain(s);
        else if (word == "uc") s.UnicodeSkip = std::clamp(param, 0, 16);
        else if (word == "u") Unicode(param);
        else if (std::optional<char16_t> ch = NamedCharacter(word)) Characters(QString(QChar(*ch)));
        // Everything else (\rtf, \ansi, \pard, \viewkind, ...) changes nothing we show.
    }

    void ControlSymbol(char symbol) {
        switch (symbol) {
        // \* marks a destination an old reader may skip; every one we know is handled by name.
        case '*': State().Destination = TDestination::Skip; break;
        case '\\':
        case '{':
        case '}': Characters(QString(QChar(symbol))); break;
        case '~': Characters(QString(QChar(0x00A0))); break;
        case '_': Characters(QString(QChar(0x2011))); break;
        case '\n':
            if (State().Destination == TDestination::Text) Paragraph();
            break;
        default: break;
        }
    }

    void Plain(TGroupState& s) {
        s.Font = -1;
        s.Colour = -1;
        s.HalfPoints = 24;
        s.Bold = s.Italic = s.Underline = false;
    }

    void Unicode(int code) {
        // Values above 32767 are written as negative 16-bit numbers.
        if (code < 0) code += 65536;
        if (code > 0 && code <= 0xFFFF) Characters(QString(QChar(char16_t(code))));
        FPendingSkip = State().UnicodeSkip;
    }

    // The fallback characters after \u are counted off here.
    bool ConsumeSkip() {
        if (FPendingSkip == 0) return false;
        --FPendingSkip;
        return true;
    }

    void PlainText(std::string_view text) {
        const size_t skipped = std::min(static_cast<size_t>(FPendingSkip), text.size());
        FPendingSkip -= static_cast<int>(skipped);
        text.remove_prefix(skipped);
        if (!text.empty()) Characters(ToQString(String(text)));
    }

    void Characters(const QString& text) {
        switch (State().Destination) {
        case TDestination::Text: InsertText(text); break;
        case TDestination::FontTable: FontTableText(text); break;
        case TDestination::ColourTable:
            for (int i = text.count(u';'); i > 0; --i) CommitColour();
            break;
        case TDestination::Skip: break;
        }
    }

    // ---- Body text ----

    void InsertText(const QString& text) {
        const QTextCharFormat format = CurrentFormat();
        if (FParagraphPending) {
            FCursor.insertBlock(QTextBlockFormat(), format);
            FParagraphPending = false;
        }
        FCursor.insertText(text, format);
    }

    // A paragraph mark ends the current paragraph; the next one is opened
    // only when something follows, so a closing \par leaves no empty line.
    void Paragraph() {
        const QTextCharFormat format = CurrentFormat();
        if (FParagraphPending) FCursor.insertBlock(QTextBlockFormat(), format);
        // An empty paragraph still needs its font for its height.
        if (FCursor.block().length() == 1) FCursor.setBlockCharFormat(format);
        FParagraphPending = true;
    }

    QTextCharFormat CurrentFormat() const {
        const TGroupState& s = State();
        QTextCharFormat format;
        const auto font = FFonts.find(s.Font >= 0 ? s.Font : FDefaultFont);
        if (font != FFonts.end()) format.setFontFamilies(QStringList{font->second});
        format.setFontWeight(s.Bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.Italic);
        format.setFontUnderline(s.Underline);
        format.setFontPointSize(s.HalfPoints / 2.0);
        if (s.Colour >= 0 && s.Colour < static_cast<int>(FColours.size()) && FColours[s.Colour])
            format.setForeground(*FColours[s.Colour]);
        return format;
    }

    // ---- Font table: {\f0\fswiss Verdana;}{\f1 Arial;} or \f0 Verdana;\f1 Arial; ----

    void FontTableWord(std::string_view word, int param) {
        if (word != "f") return;
        CommitFont();
        FFontNumber = param;
    }

    void FontTableText(const QString& text) {
        for (QChar c : text) {
            if (c == u';')
                CommitFont();
            else
                FFontName += c;
        }
    }

    void CommitFont() {
        const QString name = FFontName.trimmed();
        if (!name.isEmpty()) FFonts[FFontNumber] = name;
        FFontName.clear();
    }

    // ---- Colour table: entries end with ';', an empty one means "auto" ----

    void ColourTableWord(std::string_view word, int param) {
        const int value = std::clamp(param, 0, 255);
        if (word == "red") FRed = value;
        else if (word == "green") FGreen = value;
        else if (word == "blue") FBlue = value;
        else return;
        FColourGiven = true;
    }

    void CommitColour() {
        if (FColourGiven)
            FColours.emplace_back(QColor(FRed, FGreen, FBlue));
        else
            FColours.emplace_back(std::nullopt);
        FRed = FGreen = FBlue = 0;
        FColourGiven = false;
    }

    QTextCursor& FCursor;
    std::vector<TGroupState> FStack;
    size_t FOverflowDepth = 0;
    bool FFinished = false;
    bool FParagraphPending = false;
    int FPendingSkip = 0;

    int FDefaultFont = 0;
    std::map<int, QString> FFonts;
    int FFontNumber = 0;
    QString FFontName;

    std::vector<std::optional<QColor>> FColours;
    int FRed = 0;
    int FGreen = 0;
    int FBlue = 0;
    bool FColourGiven = false;
};

}  // namespace

bool IsRtf(const String& text) { return text.starts_with("{\\rtf"); }

bool LoadRtf(QTextDocument& doc, const String& rtf) {
    if (!IsRtf(rtf)) return false;
    doc.clear();
    QTextCursor cursor(&doc);
    ReadRtf(rtf, cursor);
    return true;
}

void ReadRtf(const String& rtf, QTextCursor& cursor) { TRtfReader(cursor).Read(rtf); }

}  // namespace vcl
