#include "platform/FormReader.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vcl {

namespace {

[[noreturn]] void Fail(int line, const String& message) { TReaderContext::Fail(line, message); }

// Deep enough for any real form; stops a hostile text from exhausting the stack.
constexpr int MaxNesting = 200;

enum class TTokenKind { End, Identifier, Integer, Float, String, Binary, Symbol };

struct TToken {
    TTokenKind kind = TTokenKind::End;
    String text;  // identifier, decoded string, or the symbol character
    long long integer = 0;
    double real = 0;
    QByteArray binary;
    int line = 1;
};

// ASCII only, whatever the process locale says about bytes above 127.
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }

class TLexer {
public:
    explicit TLexer(const String& text) : FText(text) {}

    TToken Next() {
        SkipBlanks();
        if (FPos >= FText.size()) {
            TToken end;
            end.line = FLastLine;  // the line the text really ends on, not a trailing break
            return end;
        }
        TToken token = Scan();
        FLastLine = FLine;
        return token;
    }

private:
    char Peek(size_t ahead = 0) const {
        return FPos + ahead < FText.size() ? FText[FPos + ahead] : '\0';
    }

    void SkipBlanks() {
        // Every control character counts as blank, as in the classic format.
        while (FPos < FText.size() && static_cast<unsigned char>(FText[FPos]) <= ' ') {
            if (FText[FPos] == '\n') ++FLine;
            ++FPos;
        }
    }

    TToken Scan() {
        const char c = Peek();
        if (IsIdentStart(c)) return ScanIdentifier();
        if (IsDigit(c) || c == '$' || (c == '-' && (IsDigit(Peek(1)) || Peek(1) == '$')))
            return ScanNumber();
        if (c == '\'' || c == '#') return ScanString();
        if (c == '{') return ScanBinary();
        if (String("=:.[](),+").find(c) != String::npos) {
            TToken token = Make(TTokenKind::Symbol);
            token.text = String(1, c);
            ++FPos;
            return token;
        }
        if (static_cast<unsigned char>(c) >= 0x20 && static_cast<unsigned char>(c) < 0x7F)
            Fail(FLine, String("unexpected character '") + c + "'");
        Fail(FLine, "unexpected character #" + std::to_string(static_cast<unsigned char>(c)));
    }

    TToken Make(TTokenKind kind) const {
        TToken token;
        token.kind = kind;
        token.line = FLine;
        return token;
    }

    TToken ScanIdentifier() {
        TToken token = Make(TTokenKind::Identifier);
        const size_t start = FPos;
        while (IsIdentChar(Peek())) ++FPos;
        token.text = FText.substr(start, FPos - start);
        return token;
    }

    TToken ScanNumber() {
        const size_t start = FPos;
        const bool negative = Peek() == '-';
        if (negative) ++FPos;
        TToken token = Make(TTokenKind::Integer);
        if (Peek() == '$') {
            ++FPos;
            const size_t digits = FPos;
            while (IsHexDigit(Peek())) ++FPos;
            token.integer = ParseInteger(digits, 16);
            if (negative) token.integer = -token.integer;
        } else {
            while (IsDigit(Peek())) ++FPos;
            bool isFloat = false;
            if (Peek() == '.' && IsDigit(Peek(1))) {
                isFloat = true;
                ++FPos;
                while (IsDigit(Peek())) ++FPos;
            }
            if ((Peek() == 'e' || Peek() == 'E') &&
                (IsDigit(Peek(1)) || ((Peek(1) == '+' || Peek(1) == '-') && IsDigit(Peek(2))))) {
                isFloat = true;
                FPos += 2;
                while (IsDigit(Peek())) ++FPos;
            }
            if (isFloat) {
                token.kind = TTokenKind::Float;
                auto [end, error] =
                    std::from_chars(FText.data() + start, FText.data() + FPos, token.real);
                if (error != std::errc() || end != FText.data() + FPos)
                    Fail(token.line, "invalid number '" + FText.substr(start, FPos - start) + "'");
            } else {
                token.integer = ParseInteger(start, 10);
            }
        }
        if (IsIdentChar(Peek()))
            Fail(token.line, "invalid number '" + FText.substr(start, FPos - start + 1) + "'");
        return token;
    }

    long long ParseInteger(size_t from, int base) const {
        long long value = 0;
        auto [end, error] = std::from_chars(FText.data() + from, FText.data() + FPos, value, base);
        if (from == FPos || end != FText.data() + FPos)
            Fail(FLine, "invalid number '" + FText.substr(from, FPos - from) + "'");
        if (error == std::errc::result_out_of_range)
            Fail(FLine, "number " + FText.substr(from, FPos - from) + " is out of range");
        return value;
    }

    // Quoted pieces and #NN codes written without blanks between them form
    // one string; '' inside quotes is one quote.
    TToken ScanString() {
        TToken token = Make(TTokenKind::String);
        while (Peek() == '\'' || Peek() == '#') {
            if (Peek() == '\'') {
                ++FPos;
                for (;;) {
                    if (FPos >= FText.size() || Peek() == '\n' || Peek() == '\r')
                        Fail(token.line, "unterminated string");
                    if (Peek() == '\'') {
                        if (Peek(1) != '\'') break;
                        ++FPos;
                    }
                    token.text += FText[FPos++];
                }
                ++FPos;
            } else {
                token.text += ScanCharCode();
            }
        }
        return token;
    }

    char ScanCharCode() {
        ++FPos;  // '#'
        const bool hex = Peek() == '$';
        if (hex) ++FPos;
        const size_t digits = FPos;
        while (hex ? IsHexDigit(Peek()) : IsDigit(Peek())) ++FPos;
        if (digits == FPos) Fail(FLine, "character code expected after '#'");
        long long code = 0;
        auto [end, error] =
            std::from_chars(FText.data() + digits, FText.data() + FPos, code, hex ? 16 : 10);
        // Text is single-byte code page 1252: a code names the byte.
        if (error != std::errc() || code > 255)
            Fail(FLine,
                 "character code " + FText.substr(digits, FPos - digits) + " is out of range");
        (void)end;
        return static_cast<char>(code);
    }

    TToken ScanBinary() {
        TToken token = Make(TTokenKind::Binary);
        ++FPos;  // '{'
        String hex;
        for (;;) {
            SkipBlanks();
            if (FPos >= FText.size()) Fail(token.line, "unterminated binary data");
            const char c = FText[FPos];
            if (c == '}') break;
            if (!IsHexDigit(c)) Fail(FLine, "invalid character in binary data");
            hex += c;
            ++FPos;
        }
        ++FPos;
        if (hex.size() % 2) Fail(FLine, "binary data has an odd number of hex digits");
        token.binary = QByteArray::fromHex(QByteArray(hex.data(), qsizetype(hex.size())));
        return token;
    }

    const String& FText;
    size_t FPos = 0;
    int FLine = 1;
    int FLastLine = 1;
};

String Describe(const TToken& token) {
    switch (token.kind) {
        case TTokenKind::End:
            return "the end of the text";
        case TTokenKind::Identifier:
            return "'" + token.text + "'";
        case TTokenKind::Symbol:
            return "'" + token.text + "'";
        case TTokenKind::String:
            return "a string";
        case TTokenKind::Integer:
        case TTokenKind::Float:
            return "a number";
        case TTokenKind::Binary:
            return "binary data";
    }
    return "a token";
}

class TParser {
public:
    explicit TParser(const String& text) : FLexer(text) { Advance(); }

    TDfmObject ParseRoot() {
        TDfmObject root = ParseObject(0);
        if (FToken.kind != TTokenKind::End)
            Fail(FToken.line, "unexpected " + Describe(FToken) + " after the final 'end'");
        return root;
    }

private:
    void Advance() { FToken = FLexer.Next(); }

    bool IsSymbol(char c) const { return FToken.kind == TTokenKind::Symbol && FToken.text[0] == c; }
    bool IsKeyword(const char* word) const {
        return FToken.kind == TTokenKind::Identifier && SameText(FToken.text, word);
    }
    bool IsObjectStart() const {
        return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline");
    }

    void ExpectSymbol(char c) {
        if (!IsSymbol(c))
            Fail(FToken.line, String("'") + c + "' expected but found " + Describe(FToken));
        Advance();
    }

    String ExpectIdentifier(const char* what) {
        if (FToken.kind != TTokenKind::Identifier)
            Fail(FToken.line, String(what) + " expected but found " + Describe(FToken));
        String text = FToken.text;
        Advance();
        return text;
    }

    // a.b.c as one name
    String DottedIdentifier(const char* what) {
        String name = ExpectIdentifier(what);
        while (IsSymbol('.')) {
            Advance();
            name += "." + ExpectIdentifier(what);
        }
        return name;
    }

    TDfmObject ParseObject(int depth) {
        if (!IsKeyword("object")) {
            if (IsObjectStart())
                Fail(FToken.line, "'" + FToken.text + "' objects are not supported");
            Fail(FToken.line, "'object' expected but found " + Describe(FToken));
        }
        if (depth > MaxNesting) Fail(FToken.line, "objects are nested too deeply");
        TDfmObject object;
        object.line = FToken.line;
        Advance();
        object.name = ExpectIdentifier("a component name");
        ExpectSymbol(':');
        object.classLine = FToken.line;
        object.className = ExpectIdentifier("a class name");
        while (FToken.kind == TTokenKind::Identifier && !IsObjectStart() && !IsKeyword("end"))
            object.properties.push_back(ParseProperty());
        while (IsObjectStart()) object.children.push_back(ParseObject(depth + 1));
        if (FToken.kind == TTokenKind::End)
            Fail(FToken.line, "'end' of object " + object.name + " (line " +
                                  std::to_string(object.line) + ") expected but the text ends");
        if (!IsKeyword("end"))
            Fail(FToken.line, String(object.children.empty() ? "a property, " : "") +
                                  "'object' or 'end' expected but found " + Describe(FToken));
        Advance();
        return object;
    }

    TDfmProperty ParseProperty() {
        TDfmProperty property;
        property.line = FToken.line;
        property.name = DottedIdentifier("a property name");
        ExpectSymbol('=');
        property.value = ParseValue();
        return property;
    }

    TDfmValue ParseValue() {
        TDfmValue value;
        value.line = FToken.line;
        switch (FToken.kind) {
            case TTokenKind::Integer:
                value.kind = TDfmValue::Kind::Integer;
                value.integer = FToken.integer;
                Advance();
                return value;
            case TTokenKind::Float:
                value.kind = TDfmValue::Kind::Float;
                value.real = FToken.real;
                Advance();
                return value;
            case TTokenKind::String:
                value.kind = TDfmValue::Kind::String;
                value.text = ParseString();
                return value;
            case TTokenKind::Identifier:
                value.kind = TDfmValue::Kind::Identifier;
                value.text = DottedIdentifier("an identifier");
                return value;
            case TTokenKind::Binary:
                value.kind = TDfmValue::Kind::Binary;
                value.binary = FToken.binary;
                Advance();
                return value;
            case TTokenKind::Symbol:
                if (IsSymbol('[')) {
                    value.kind = TDfmValue::Kind::Set;
                    value.items = ParseSet();
                    return value;
                }
                if (IsSymbol('(')) {
                    value.kind = TDfmValue::Kind::StringList;
                    value.items = ParseList();
                    return value;
                }
                break;
            case TTokenKind::End:
                break;
        }
        Fail(FToken.line, "a value expected but found " + Describe(FToken));
    }

    // 'abc' + 'def': '+' joins strings, also across lines.
    String ParseString() {
        String text = FToken.text;
        Advance();
        while (IsSymbol('+')) {
            Advance();
            if (FToken.kind != TTokenKind::String)
                Fail(FToken.line, "a string expected after '+' but found " + Describe(FToken));
            text += FToken.text;
            Advance();
        }
        return text;
    }

    std::vector<String> ParseSet() {
        Advance();  // '['
        std::vector<String> items;
        if (IsSymbol(']')) {
            Advance();
            return items;
        }
        for (;;) {
            items.push_back(ExpectIdentifier("a set member"));
            if (IsSymbol(']')) break;
            ExpectSymbol(',');
        }
        Advance();
        return items;
    }

    std::vector<String> ParseList() {
        Advance();  // '('
        std::vector<String> items;
        while (!IsSymbol(')')) {
            if (FToken.kind != TTokenKind::String)
                Fail(FToken.line, "a string or ')' expected but found " + Describe(FToken));
            items.push_back(ParseString());
        }
        Advance();
        return items;
    }

    TLexer FLexer;
    TToken FToken;
};

class TFormLoader final : public TReaderContext {
public:
    TFormLoader(TComponent& root, const TFormBindings& bindings)
        : FRoot(root), FBindings(bindings) {}

    void Load(const TDfmObject& tree) {
        try {
            LoadRoot(tree);
            for (const TDfmObject& child : tree.children) LoadChild(child, FRoot);
            ResolveReferences();
            BindFields(tree);
            for (const TCreated& created : FCreated)
                AtLine(created.line, [&] { created.component->Loaded(); });
            AtLine(tree.line, [&] { FRoot.Loaded(); });
        } catch (...) {
            // Nothing half-read stays marked as loading.
            FRoot.SetLoading(false);
            for (const TCreated& created : FCreated) created.component->SetLoading(false);
            throw;
        }
    }

    TComponent& Root() override { return FRoot; }

    void DeferReference(const TDfmValue& value, std::function<void(TComponent&)> assign) override {
        FReferences.push_back({value, std::move(assign)});
    }

    const std::any* FindHandler(const String& name) const override {
        return FBindings.FindHandler(name);
    }

private:
    struct TCreated {
        TComponent* component;
        int line;
    };
    struct TPendingReference {
        TDfmValue value;
        std::function<void(TComponent&)> assign;
    };

    // Anything a component's own code raises gets the line it came from.
    template <class F>
    static void AtLine(int line, F&& action) {
        try {
            action();
        } catch (const EFormReadError&) {
            throw;
        } catch (const std::exception& error) {
            Fail(line, error.what());
        }
    }

    void LoadRoot(const TDfmObject& tree) {
        if (!SameText(tree.className, FRoot.ClassName()))
            Fail(tree.classLine, "the description is of class " + tree.className +
                                     ", the form is a " + FRoot.ClassName());
        const TClassInfo* info = Classes().Find(tree.className);
        if (!info) Fail(tree.classLine, "class " + tree.className + " is not registered");
        FRoot.SetLoading(true);
        FRootName = tree.name;
        AtLine(tree.line, [&] { FRoot.SetName(UniqueRootName(tree.name)); });
        ApplyProperties(FRoot, *info, tree);
    }

    String UniqueRootName(const String& name) const {
        const TComponent* owner = FRoot.Owner();
        auto taken = [&](const String& candidate) {
            const TComponent* other = owner ? owner->FindComponent(candidate) : nullptr;
            return other && other != &FRoot;
        };
        String candidate = name;
        for (int i = 1; taken(candidate); ++i) candidate = name + "_" + std::to_string(i);
        return candidate;
    }

    void LoadChild(const TDfmObject& object, TComponent& parent) {
        const TClassInfo* info = Classes().Find(object.className);
        if (!info) Fail(object.classLine, "unknown class " + object.className);
        if (info->IsAbstract())
            Fail(object.classLine, "class " + object.className + " cannot be created");
        TComponent* component = nullptr;
        AtLine(object.line, [&] { component = info->Create(&FRoot); });
        if (!component) Fail(object.classLine, "class " + object.className + " made no component");
        // The root must own it before anything else can fail, or it would leak;
        // a factory that ignored the owner is corrected here.
        if (component->Owner() != &FRoot) {
            AtLine(object.line, [&] {
                try {
                    FRoot.InsertComponent(component);
                } catch (...) {
                    if (!component->Owner()) delete component;
                    throw;
                }
            });
        }
        FCreated.push_back({component, object.line});
        component->SetLoading(true);
        AtLine(object.line, [&] {
            component->SetName(object.name);
            component->SetParentComponent(&parent);
        });
        ApplyProperties(*component, *info, object);
        for (const TDfmObject& child : object.children) LoadChild(child, *component);
    }

    void ApplyProperties(TComponent& component, const TClassInfo& info, const TDfmObject& object) {
        for (const TDfmProperty& property : object.properties) {
            const TPropertyApply* apply = info.FindProperty(property.name);
            if (!apply)
                Fail(property.line,
                     "unknown property " + property.name + " of class " + info.Name());
            AtLine(property.value.line, [&] { (*apply)(component, property.value, *this); });
        }
    }

    TComponent* FindComponent(const String& name) const {
        if (TComponent* found = FRoot.FindComponent(name)) return found;
        return SameText(name, FRootName) ? &FRoot : nullptr;
    }

    void ResolveReferences() {
        for (const TPendingReference& reference : FReferences) {
            TComponent* target = FindComponent(reference.value.text);
            if (!target) Fail(reference.value, "unknown component " + reference.value.text);
            AtLine(reference.value.line, [&] { reference.assign(*target); });
        }
    }

    int LineOf(const TComponent* component, int fallback) const {
        for (const TCreated& created : FCreated)
            if (created.component == component) return created.line;
        return fallback;
    }

    void BindFields(const TDfmObject& tree) {
        for (const TFormBindings::TField& field : FBindings.Fields()) {
            TComponent* component = FRoot.FindComponent(field.name);
            if (!component)
                Fail(tree.line,
                     "the form's field " + field.name + " has no component in the description");
            if (!field.bind(component))
                Fail(LineOf(component, tree.line),
                     field.name + " is a " + component->ClassName() +
                         ", the form's field needs a " +
                         RegisteredClassName(field.type, "component of another class"));
        }
    }

    TComponent& FRoot;
    const TFormBindings& FBindings;
    String FRootName;
    std::vector<TCreated> FCreated;
    std::vector<TPendingReference> FReferences;
};

}  // namespace

TDfmObject ParseForm(const String& description) { return TParser(description).ParseRoot(); }

String TFormBindings::Key(const String& name) {
    String key = name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

const std::any* TFormBindings::FindHandler(const String& name) const {
    auto it = FHandlers.find(Key(name));
    return it == FHandlers.end() ? nullptr : &it->second;
}

void ReadForm(TComponent& root, const String& description, const TFormBindings& bindings) {
    const TDfmObject tree = ParseForm(description);
    TFormLoader(root, bindings).Load(tree);
}

}  // namespace vcl
