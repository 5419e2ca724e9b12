#include "platform/ClassRegistry.h"

#include <algorithm>
#include <cctype>

namespace vcl {

namespace {

String Lower(String text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

struct TColorName {
    const char* name;
    TColor color;
};

// The system colours resolve to the fixed values of platform/Types.h.
constexpr TColorName ColorNames[] = {
    {"clBlack", clBlack},     {"clMaroon", 0x000080},  {"clGreen", 0x008000},
    {"clOlive", 0x008080},    {"clNavy", 0x800000},    {"clPurple", 0x800080},
    {"clTeal", 0x808000},     {"clGray", clGray},      {"clSilver", clSilver},
    {"clRed", clRed},         {"clLime", 0x00FF00},    {"clYellow", clYellow},
    {"clBlue", clBlue},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},
    {"clWhite", clWhite},     {"clLtGray", clSilver},  {"clDkGray", clGray},
    {"clBtnFace", clBtnFace}, {"clWindow", clWindow},  {"clWindowText", clWindowText},
};

}  // namespace

const char* KindName(TDfmValue::Kind kind) {
    switch (kind) {
        case TDfmValue::Kind::Integer:
            return "an integer";
        case TDfmValue::Kind::Float:
            return "a floating-point number";
        case TDfmValue::Kind::String:
            return "a string";
        case TDfmValue::Kind::Identifier:
            return "an identifier";
        case TDfmValue::Kind::Set:
            return "a set";
        case TDfmValue::Kind::StringList:
            return "a list of strings";
        case TDfmValue::Kind::Binary:
            return "binary data";
    }
    return "a value";
}

bool IdentToColor(const String& ident, TColor& color) {
    for (const TColorName& entry : ColorNames) {
        if (SameText(ident, entry.name)) {
            color = entry.color;
            return true;
        }
    }
    return false;
}

void TReaderContext::Fail(int line, const String& message) {
    throw EFormReadError("line " + std::to_string(line) + ": " + message);
}

void TReaderContext::Fail(const TDfmValue& value, const String& message) {
    Fail(value.line, message);
}

void TReaderContext::Expect(const TDfmValue& value, TDfmValue::Kind kind) {
    if (value.kind != kind)
        Fail(value, String("expected ") + KindName(kind) + ", found " + KindName(value.kind));
}

long long TReaderContext::Integer(const TDfmValue& value) {
    Expect(value, TDfmValue::Kind::Integer);
    return value.integer;
}

double TReaderContext::Number(const TDfmValue& value) {
    if (value.kind == TDfmValue::Kind::Integer) return static_cast<double>(value.integer);
    Expect(value, TDfmValue::Kind::Float);
    return value.real;
}

const String& TReaderContext::Text(const TDfmValue& value) {
    Expect(value, TDfmValue::Kind::String);
    return value.text;
}

const String& TReaderContext::Identifier(const TDfmValue& value) {
    Expect(value, TDfmValue::Kind::Identifier);
    return value.text;
}

bool TReaderContext::Boolean(const TDfmValue& value) {
    const String& ident = Identifier(value);
    if (SameText(ident, "True")) return true;
    if (SameText(ident, "False")) return false;
    Fail(value, "expected True or False, found '" + ident + "'");
}

const std::vector<String>& TReaderContext::Strings(const TDfmValue& value) {
    Expect(value, TDfmValue::Kind::StringList);
    return value.items;
}

const QByteArray& TReaderContext::Binary(const TDfmValue& value) {
    Expect(value, TDfmValue::Kind::Binary);
    return value.binary;
}

bool TClassInfo::InheritsFrom(const TClassInfo& other) const {
    for (const TClassInfo* info = this; info; info = info->FParent)
        if (info == &other) return true;
    return false;
}

const TPropertyApply* TClassInfo::FindProperty(const String& name) const {
    const String key = Lower(name);
    for (const TClassInfo* info = this; info; info = info->FParent) {
        auto it = info->FProperties.find(key);
        if (it != info->FProperties.end()) return &it->second;
    }
    return nullptr;
}

void TClassInfo::SetProperty(const String& name, TPropertyApply apply) {
    FProperties[Lower(name)] = std::move(apply);
}

TClassRegistry::TClassRegistry() {
    Register("TComponent", typeid(TComponent), "",
             [](TComponent* owner) { return new TComponent(owner); });
}

TClassInfo& TClassRegistry::Register(const String& name, std::type_index type, const String& parent,
                                     TComponentFactory factory) {
    const TClassInfo* parentInfo = nullptr;
    if (!parent.empty()) {
        parentInfo = Find(parent);
        if (!parentInfo)
            throw std::logic_error("class " + name + ": parent " + parent + " is not registered");
    }
    TClassInfo* info = FindInfo(name);
    if (!info) {
        FClasses.push_back(std::make_unique<TClassInfo>(name, type));
        info = FClasses.back().get();
    } else if (info->FType != type) {
        throw std::logic_error("class name " + name + " is taken by another type");
    }
    if (parentInfo && parentInfo->InheritsFrom(*info))
        throw std::logic_error("class " + name + " cannot descend from itself");
    info->FParent = parentInfo;
    info->FFactory = std::move(factory);
    return *info;
}

TClassInfo* TClassRegistry::FindInfo(const String& name) const {
    for (const auto& info : FClasses)
        if (SameText(info->Name(), name)) return info.get();
    return nullptr;
}

const TClassInfo* TClassRegistry::Find(const String& name) const { return FindInfo(name); }

const TClassInfo* TClassRegistry::Find(std::type_index type) const {
    for (const auto& info : FClasses)
        if (info->Type() == type) return info.get();
    return nullptr;
}

TClassRegistry& Classes() {
    static TClassRegistry registry;
    return registry;
}

String RegisteredClassName(std::type_index type, const char* fallback) {
    const TClassInfo* info = Classes().Find(type);
    return info ? info->Name() : String(fallback);
}

namespace dfm_detail {

String IdentList(const std::vector<String>& names) {
    String list;
    for (const String& name : names) list += (list.empty() ? "" : ", ") + name;
    return list;
}

}  // namespace dfm_detail

}  // namespace vcl
