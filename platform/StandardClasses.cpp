#include "platform/StandardClasses.h"

#include <QFile>

#include "platform/ComCtrls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"

namespace vcl {

void LoadPictureResource(TPicture& picture, const TDfmValue& value, TReaderContext& ctx) {
    const String& path = ctx.Text(value);
    QFile file(ToQString(path));
    if (!file.open(QIODevice::ReadOnly)) ctx.Fail(value, "no picture resource '" + path + "'");
    try {
        picture.LoadFromData(file.readAll());
    } catch (const EInvalidGraphic& e) {
        ctx.Fail(value, "picture resource '" + path + "': " + e.what());
    }
}

namespace {

template <class T>
void FontProperties(TClassBuilder<T>& b) {
    b.Str("Font.Name", [](T& c, const String& v) { c.Font().Name = v; c.FontChanged(); })
        .Int("Font.Height", [](T& c, int v) { c.Font().Height = v; c.FontChanged(); })
        .Int("Font.Charset", [](T& c, int v) { c.Font().Charset = v; c.FontChanged(); })
        .Color("Font.Color", [](T& c, TColor v) { c.Font().Color = v; c.FontChanged(); })
        .Set("Font.Style", [](T& c, TFontStyles v) { c.Font().Style = v; c.FontChanged(); },
             {{"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline},
              {"fsStrikeOut", fsStrikeOut}});
}

void RegisterControls() {
    auto control = RegisterClass<TControl>("TControl");
    control.Int("Left", &TControl::SetLeft)
        .Int("Top", &TControl::SetTop)
        .Int("Width", &TControl::SetWidth)
        .Int("Height", &TControl::SetHeight)
        .Int("ClientWidth", &TControl::SetClientWidth)
        .Int("ClientHeight", &TControl::SetClientHeight)
        .Bool("Visible", &TControl::SetVisible)
        .Bool("Enabled", &TControl::SetEnabled)
        .Bool("AutoSize", &TControl::SetAutoSize)
        .Bool("ShowHint", &TControl::SetShowHint)
        .Bool("ParentShowHint", &TControl::SetParentShowHint)
        .Color("Color", &TControl::SetColor)
        .Enum("Align", &TControl::SetAlign,
              {{"alNone", alNone}, {"alTop", alTop}, {"alBottom", alBottom}, {"alLeft", alLeft},
               {"alRight", alRight}, {"alClient", alClient}, {"alCustom", alCustom}})
        .Set("Anchors", &TControl::SetAnchors,
             {{"akLeft", akLeft}, {"akTop", akTop}, {"akRight", akRight}, {"akBottom", akBottom}})
        .Event("OnClick", &TControl::OnClick)
        .Event("OnResize", &TControl::OnResize);
    auto constraint = [](int TSizeConstraints::*field) {
        return [field](TControl& c, int v) {
            TSizeConstraints k = c.Constraints();
            k.*field = v;
            c.SetConstraints(k);
        };
    };
    control.Int("Constraints.MinWidth", constraint(&TSizeConstraints::MinWidth))
        .Int("Constraints.MinHeight", constraint(&TSizeConstraints::MinHeight))
        .Int("Constraints.MaxWidth", constraint(&TSizeConstraints::MaxWidth))
        .Int("Constraints.MaxHeight", constraint(&TSizeConstraints::MaxHeight));
    FontProperties(control);

    RegisterClass<TGraphicControl>("TGraphicControl", "TControl");
    RegisterClass<TWinControl>("TWinControl", "TControl")
        .Int("TabOrder", &TWinControl::SetTabOrder)
        .Bool("TabStop", &TWinControl::SetTabStop);
    RegisterClass<TCustomControl>("TCustomControl", "TWinControl");

    const TIdentTable<TAlignment> alignments = {
        {"taLeftJustify", taLeftJustify}, {"taRightJustify", taRightJustify}, {"taCenter", taCenter}};
    const TIdentTable<TBevelCut> bevels = {
        {"bvNone", bvNone}, {"bvLowered", bvLowered}, {"bvRaised", bvRaised}, {"bvSpace", bvSpace}};
    RegisterClass<TPanel>("TPanel", "TCustomControl")
        .Enum("BevelOuter", &TPanel::SetBevelOuter, bevels)
        .Enum("BevelInner", &TPanel::SetBevelInner, bevels)
        .Int("BevelWidth", &TPanel::SetBevelWidth)
        .Int("BorderWidth", &TPanel::SetBorderWidth)
        .Str("Caption", &TPanel::SetCaption)
        .Enum("Alignment", &TPanel::SetAlignment, alignments);
    RegisterClass<TLabel>("TLabel", "TGraphicControl")
        .Str("Caption", &TLabel::SetCaption)
        .Enum("Alignment", &TLabel::SetAlignment, alignments)
        .Enum("Layout", &TLabel::SetLayout,
              {{"tlTop", tlTop}, {"tlCenter", tlCenter}, {"tlBottom", tlBottom}})
        .Bool("Transparent", &TLabel::SetTransparent)
        .Bool("WordWrap", &TLabel::SetWordWrap);
    RegisterClass<TEdit>("TEdit", "TWinControl")
        .Str("Text", &TEdit::SetText)
        .Bool("ReadOnly", &TEdit::SetReadOnly)
        .Event("OnChange", &TEdit::OnChange);
    RegisterClass<TButton>("TButton", "TWinControl")
        .Str("Caption", &TButton::SetCaption)
        .Bool("Default", &TButton::SetDefault)
        .Bool("Cancel", &TButton::SetCancel);
    const TIdentTable<TScrollStyle> scrollStyles = {
        {"ssNone", ssNone}, {"ssHorizontal", ssHorizontal}, {"ssVertical", ssVertical}, {"ssBoth", ssBoth}};
    RegisterClass<TCustomMemo>("TCustomMemo", "TWinControl")
        .Strings("Lines.Strings", &TCustomMemo::Lines)
        .Bool("ReadOnly", &TCustomMemo::SetReadOnly)
        .Bool("WordWrap", &TCustomMemo::SetWordWrap)
        .Enum("ScrollBars", &TCustomMemo::SetScrollBars, scrollStyles);
    RegisterClass<TMemo>("TMemo", "TCustomMemo");
    RegisterClass<TRichEdit>("TRichEdit", "TCustomMemo");
    RegisterClass<TImage>("TImage", "TGraphicControl")
        .Custom("Picture.Resource", [](TImage& image, const TDfmValue& v, TReaderContext& ctx) {
            LoadPictureResource(*image.Picture(), v, ctx);
        })
        .Bool("Stretch", &TImage::SetStretch)
        .Bool("Center", &TImage::SetCenter)
        .Bool("Transparent", &TImage::SetTransparent);
    RegisterClass<TPaintBox>("TPaintBox", "TGraphicControl").Event("OnPaint", &TPaintBox::OnPaint);
    RegisterClass<TStatusBar>("TStatusBar", "TCustomControl");
}

void RegisterForms() {
    RegisterClass<TForm>("TForm", "TWinControl")
        .Str("Caption", &TForm::SetCaption)
        .Enum("BorderStyle", &TForm::SetBorderStyle,
              {{"bsNone", bsNone}, {"bsSingle", bsSingle}, {"bsSizeable", bsSizeable},
               {"bsDialog", bsDialog}, {"bsToolWindow", bsToolWindow}, {"bsSizeToolWin", bsSizeToolWin}})
        .Enum("FormStyle", &TForm::SetFormStyle, {{"fsNormal", fsNormal}, {"fsStayOnTop", fsStayOnTop}})
        .Enum("Position", &TForm::SetPosition,
              {{"poDesigned", poDesigned}, {"poDefault", poDefault},
               {"poDefaultPosOnly", poDefaultPosOnly}, {"poDefaultSizeOnly", poDefaultSizeOnly},
               {"poScreenCenter", poScreenCenter}, {"poMainFormCenter", poMainFormCenter},
               {"poOwnerFormCenter", poOwnerFormCenter}})
        .Enum("WindowState", &TForm::SetWindowState,
              {{"wsNormal", wsNormal}, {"wsMinimized", wsMinimized}, {"wsMaximized", wsMaximized}})
        .Bool("AutoScroll", &TForm::SetAutoScroll)
        .Int("PixelsPerInch", &TForm::SetPixelsPerInch)
        .Int("TextHeight", &TForm::SetTextHeight)
        .Reference("Menu", &TForm::SetMenu)
        .Event("OnCreate", &TForm::OnCreate)
        .Event("OnActivate", &TForm::OnActivate)
        .Event("OnDeactivate", &TForm::OnDeactivate)
        .Event("OnShow", &TForm::OnShow)
        .Event("OnHide", &TForm::OnHide);
}

void RegisterMenus() {
    RegisterClass<TMainMenu>("TMainMenu");
    RegisterClass<TMenuItem>("TMenuItem")
        .Str("Caption", &TMenuItem::SetCaption)
        .Bool("Checked", &TMenuItem::SetChecked)
        .Bool("Enabled", &TMenuItem::SetEnabled)
        .Bool("Visible", &TMenuItem::SetVisible)
        .Event("OnClick", &TMenuItem::OnClick);
}

}  // namespace

void RegisterStandardClasses() {
    RegisterControls();
    RegisterForms();
    RegisterMenus();
}

}  // namespace vcl
