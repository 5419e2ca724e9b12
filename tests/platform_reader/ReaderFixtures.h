// Small components that record what the form reader does to them.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/FormReader.h"

namespace reader_fixtures {

using namespace vcl;

enum TFixAlign { faNone, faTop, faClient };
enum TFixSide : std::uint8_t { fsLeft = 1, fsTop = 2, fsRight = 4, fsBottom = 8 };
using TFixSides = std::uint8_t;

// Everything the reader does, in the order it does it.
inline std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

// A list reached through a getter, as a memo's lines are.
struct TFixList {
    std::vector<String> items{"stale"};
    void Clear() { items.clear(); }
    void Add(const String& item) { items.push_back(item); }
};

class TFixItem : public TComponent {
public:
    explicit TFixItem(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TFixItem"; }

    void SetLeft(int value) {
        if (value == -9999) throw std::invalid_argument("Left may not be -9999");
        Left = value;
        LoadingWhenSet = IsLoading();
        Log().push_back(Name() + ".Left");
    }
    void SetVisible(bool value) { Visible = value; }
    void SetCaption(const String& value) { Caption = value; }
    void SetAlign(TFixAlign value) { Align = value; }
    void SetSides(TFixSides value) { Sides = value; }
    void SetRatio(double value) { Ratio = value; }
    void SetColor(TColor value) { Color = value; }
    void SetPartner(TFixItem* value) { Partner = value; }
    void SetOnClick(TNotifyEvent value) { OnClick = std::move(value); }
    TFixList* Items() { return &ItemList; }
    void Click() {
        if (OnClick) OnClick(this);
    }

    void SetParentComponent(TComponent* parent) override {
        Parent = parent;
        Log().push_back(Name() + ".parent=" + parent->Name());
    }
    void Loaded() override {
        TComponent::Loaded();
        Log().push_back(Name() + ".Loaded");
    }

    int Left = 7;
    bool Visible = true;
    String Caption = "default";
    TFixAlign Align = faNone;
    TFixSides Sides = fsLeft | fsTop;
    double Ratio = 1.0;
    TColor Color = clBtnFace;
    TFixItem* Partner = nullptr;
    TComponent* Link = nullptr;
    TNotifyEvent OnClick;
    std::vector<String> Lines;
    TFixList ItemList;
    String FontName;
    QByteArray Data;
    TComponent* Parent = nullptr;
    bool LoadingWhenSet = false;
};

// A container: only its class name differs, its properties are all inherited.
class TFixBox : public TFixItem {
public:
    using TFixItem::TFixItem;
    const char* ClassName() const override { return "TFixBox"; }
};

class TFixOther : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TFixOther"; }
};

class TFixAbstract : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TFixAbstract"; }
    virtual void Run() = 0;
};

class TFixForm : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TFixForm"; }
    void SetCaption(const String& value) {
        Caption = value;
        LoadingWhenSet = IsLoading();
        Log().push_back(Name() + ".Caption");
    }
    void Loaded() override {
        TComponent::Loaded();
        Log().push_back(Name() + ".Loaded");
    }
    void FormCreate(TObject* sender) { CreateSender = sender; }

    String Caption;
    int Tag = 0;
    TNotifyEvent OnCreate;
    TFixItem* ActiveItem = nullptr;
    TObject* CreateSender = nullptr;
    bool LoadingWhenSet = false;
};

inline void RegisterFixtureClasses() {
    RegisterClass<TFixItem>("TFixItem")
        .Int("Left", &TFixItem::SetLeft)
        .Bool("Visible", &TFixItem::SetVisible)
        .Str("Caption", &TFixItem::SetCaption)
        .Enum("Align", &TFixItem::SetAlign,
              {{"faNone", faNone}, {"faTop", faTop}, {"faClient", faClient}})
        .Set("Sides", &TFixItem::SetSides,
             {{"fsLeft", fsLeft}, {"fsTop", fsTop}, {"fsRight", fsRight}, {"fsBottom", fsBottom}})
        .Float("Ratio", &TFixItem::SetRatio)
        .Color("Color", &TFixItem::SetColor)
        .Reference("Partner", &TFixItem::SetPartner)
        .Reference("Link", &TFixItem::Link)
        .Event("OnClick", &TFixItem::SetOnClick)
        .Strings("Lines.Strings",
                 [](TFixItem& item, const std::vector<String>& lines) { item.Lines = lines; })
        .Strings("Items", &TFixItem::Items)
        .Str("Font.Name", [](TFixItem& item, const String& name) { item.FontName = name; })
        .Custom("Data", [](TFixItem& item, const TDfmValue& value, TReaderContext& ctx) {
            item.Data = ctx.Binary(value);
        });
    RegisterClass<TFixBox>("TFixBox", "TFixItem");
    RegisterClass<TFixOther>("TFixOther");
    RegisterClass<TFixAbstract>("TFixAbstract");
    RegisterClass<TFixForm>("TFixForm")
        .Str("Caption", &TFixForm::SetCaption)
        .Int("Tag", &TFixForm::Tag)
        .Event("OnCreate", &TFixForm::OnCreate)
        .Reference("ActiveItem", &TFixForm::ActiveItem);
}

}  // namespace reader_fixtures
