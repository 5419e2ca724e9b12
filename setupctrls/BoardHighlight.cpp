#include "setupctrls/BoardHighlight.h"

#include <algorithm>
#include <cmath>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/WinApi.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"

namespace setupctrls {

// ------------------------------------------------------------- ring looks

const THighlightLook* LookOf(THighlightType type) {
    static const THighlightLook looks[] = {
        {0xFF0000, 0.25f, 0.5f, 1.0f},   // htOptions: blue
        {0x00FFFF, 0.5f, 0.75f, 1.0f},   // htSettings: yellow
        {0x0000FF, 0.5f, 0.75f, 1.0f},   // htCalibration: red
    };
    return type <= htCalibration ? &looks[type] : nullptr;
}

namespace {

// Nearest integer, ties to even, for the small values of a colour blend:
// adding and taking away 1.5 * 2^52 leaves the double rounded in the
// default rounding mode, without a library call per channel.
inline int RoundColor(double value) {
    constexpr double shift = 6755399441055744.0;
    return static_cast<int>((value + shift) - shift);
}

std::uint8_t Blend(float b, std::uint8_t base, float a, std::uint8_t component) {
    // The sum in double precision, then to the nearest integer.
    const double sum = static_cast<double>(b) * base + static_cast<double>(a) * component;
    return static_cast<std::uint8_t>(std::clamp(RoundColor(sum), 0, 255));
}

}  // namespace

void BlendRing(TBitmap& image, int lastColumn, int lastRow, float strength, TColor color,
               bool bright) {
    // One pixel wide or high: the step would divide by zero, and there is no ring.
    if (lastColumn <= 0 || lastRow <= 0) return;
    const std::uint8_t colorBlue = GetBValue(color);
    const std::uint8_t colorGreen = GetGValue(color);
    const std::uint8_t colorRed = GetRValue(color);
    // Every intermediate value is single precision, as the ring was tuned.
    const float sx = 2.0f / static_cast<float>(lastColumn);
    const float sy = 2.0f / static_cast<float>(lastRow);
    for (int j = 0; j <= lastRow; ++j) {
        std::uint8_t* pixel = image.ScanLine(j);
        const float v = static_cast<float>(j) * sy - 1.0f;
        const float vv = v * v;
        for (int i = 0; i <= lastColumn; ++i, pixel += 4) {
            const float u = static_cast<float>(i) * sx - 1.0f;
            const float d = u * u + vv;
            if (d >= 1.0f) continue;
            std::uint8_t blue = pixel[0], green = pixel[1], red = pixel[2], fourth = pixel[3];
            float w;
            if (d < 0.5929f) {
                w = 0.16f;
            } else {
                const float r = std::sqrt(d);
                w = 1.0f - std::fabs(r - 0.875f) * 8.0f;
                if (bright) {
                    w = w * 2.0f;
                    if (w > 1.0f) {
                        blue = green = red = 255;
                        fourth = 0;
                        w = 2.0f - w;
                    }
                }
            }
            const float a = w * strength;
            const float b = 1.0f - a;
            pixel[0] = Blend(b, blue, a, colorBlue);
            pixel[1] = Blend(b, green, a, colorGreen);
            pixel[2] = Blend(b, red, a, colorRed);
            pixel[3] = fourth;
        }
    }
}

// ------------------------------------------------------- construction, look

TBoardHighlight::TBoardHighlight(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetWidth(65);
    SetHeight(65);
    FHot = false;
    FFirstPaintDone = false;
    FPopupForm = nullptr;
    FBoardMenu = nullptr;
    FCreatePopup = true;
    // The stored type is still htOptions here, so the setter sees a change.
    SetHighlightType(htSettings);
}

void TBoardHighlight::SetHighlightType(THighlightType type) {
    if (type == FHighlightType) return;
    FHighlightType = type;
    if (const THighlightLook* look = LookOf(type)) {
        FRingColor = look->RingColor;
        FRestingStrength = look->RestingStrength;
        FLitStrength = look->LitStrength;
        FBrightStrength = look->BrightStrength;
    }
    Invalidate();
}

void TBoardHighlight::BuildRingImages() {
    const int w = Width();
    const int h = Height();
    struct Look {
        TBitmap& image;
        float strength;
        bool bright;
    };
    const Look looks[] = {{FRestingImage, FRestingStrength, false},
                          {FBrightImage, FBrightStrength, true},
                          {FLitImage, FLitStrength, false}};
    for (const Look& look : looks) {
        look.image.SetSize(w, h);
        // What lies beneath: the picture and any earlier overlapping sibling,
        // as drawn so far in this very paint pass.
        BitBlt(look.image.Canvas(), 0, 0, w, h, Canvas(), 0, 0, SRCCOPY);
        if (w > 0 && h > 0) BlendRing(look.image, w - 1, h - 1, look.strength, FRingColor, look.bright);
    }
}

TBitmap& TBoardHighlight::CurrentImage() {
    if (FHot && FPopupActive) return FBrightImage;
    if (FHot || FPopupActive) return FLitImage;
    return FRestingImage;
}

void TBoardHighlight::Paint() {
    if (IsDesigning()) {
        BuildRingImages();
    } else if (!FFirstPaintDone) {
        FirstPaint();
        FFirstPaintDone = true;
    }
    TBitmap& image = CurrentImage();
    BitBlt(Canvas(), 0, 0, Width(), Height(), image.Canvas(), 0, 0, SRCCOPY);
}

void TBoardHighlight::FirstPaint() {
    BuildRingImages();
    if (IsExactly<TBoardImage>(Parent())) {
        FBoardMenu = static_cast<TBoardImage*>(Parent())->Menu();
        AddToMenu();
    } else {
        FBoardMenu = nullptr;
    }
}

// ------------------------------------------------------------- link group

bool TBoardHighlight::IsLinked(const TControl* other) const {
    if (!IsExactly<TBoardHighlight>(other)) return false;
    const auto* h = static_cast<const TBoardHighlight*>(other);
    return h->FTitle == FTitle && h->FHighlightType == FHighlightType;
}

template <class Action>
void TBoardHighlight::ForEachMember(Action action) {
    TWinControl* parent = Parent();
    if (!IsExactly<TBoardImage>(parent)) return;
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (IsLinked(child)) action(static_cast<TBoardHighlight*>(child));
    }
}

// ------------------------------------------------------------- behaviour

void TBoardHighlight::WndProc(TMessage& message) {
    if (message.Msg == CM_MOUSEENTER) {
        MouseEnter(message);
        return;
    }
    if (message.Msg == CM_MOUSELEAVE) {
        MouseLeave(message);
        return;
    }
    TGraphicControl::WndProc(message);
}

void TBoardHighlight::MouseEnter(TMessage& message) {
    if (FHot) return;
    FHot = true;
    Invalidate();
    if (FCreatePopup) OpenPopup();
    if (message.WParam == 1) return;
    ForEachMember([](TBoardHighlight* member) { member->Perform(CM_MOUSEENTER, 1, 0); });
}

void TBoardHighlight::MouseLeave(TMessage& message) {
    if (!FHot) return;
    if (FPopupForm && !FPinned) {
        TPoint p;
        GetCursorPos(&p);
        if (PtInRect(FPopupForm->BoundsRect(), p)) {
            FPopupForm->SetHoverPinned(true);
            PinWithLinked();
        } else {
            FPopupForm->Close();
        }
    } else if (!FCreatePopup) {
        // Without a popup nothing else would ever dim it.
        ClearHot();
    }
    if (message.WParam == 1) return;
    ForEachMember([](TBoardHighlight* member) { member->Perform(CM_MOUSELEAVE, 1, 0); });
}

void TBoardHighlight::Click() {
    TGraphicControl::Click();
    // A popup closed from the keyboard while the pointer stayed here: the
    // click opens it again before pinning, rather than pinning a hidden window.
    if (!FHot) Perform(CM_MOUSEENTER, 0, 0);
    PinWithLinked();
}

void TBoardHighlight::PinWithLinked() {
    if (FPopupForm) {
        FPinned = true;
        SetMenuCheck(true);
    }
    ForEachMember([](TBoardHighlight* member) { member->Pin(); });
}

void TBoardHighlight::Pin() {
    if (!FPopupForm) return;
    FPinned = true;
    SetMenuCheck(true);
    // A hidden window cannot take the focus.
    if (FPopupForm->Visible()) FPopupForm->SetFocus();
}

void TBoardHighlight::SetPopupActive(bool active, bool linkedToo) {
    FPopupActive = active;
    BringToFront();
    Invalidate();
    if (!linkedToo) return;
    TWinControl* parent = Parent();
    if (!IsExactly<TBoardImage>(parent)) return;
    // Each member moves to the end of the list when brought to the front, so
    // the next child then stands at the same index.
    int index = 0;
    int limit = parent->ControlCount();
    while (index < limit) {
        TControl* child = parent->Controls(index);
        if (child != this && IsLinked(child)) {
            static_cast<TBoardHighlight*>(child)->SetPopupActive(active, false);
            --limit;
        } else {
            ++index;
        }
    }
}

void TBoardHighlight::PopupClosed(TObject*, TCloseAction&) {
    SetMenuCheck(false);
    if (FPopupForm) FPopupForm->SetHoverPinned(false);
    ClearHot();
    ForEachMember([](TBoardHighlight* member) { member->ClearHot(); });
}

void TBoardHighlight::ClearHot() {
    FHot = false;
    Invalidate();
}

// ------------------------------------------------------------- properties

void TBoardHighlight::SetTitle(const String& title) {
    if (title == FTitle) return;
    FTitle = title;
    FPopupCaption = RemoveAmpersands(title);
    FTitleIdent = MakeIdentifier(title);
}

String TBoardHighlight::RemoveAmpersands(const String& text) {
    String result;
    for (char c : text)
        if (c != '&') result += c;
    return result;
}

namespace {
bool IsIdentStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) { return IsIdentStart(c) || (c >= '0' && c <= '9'); }
}  // namespace

String TBoardHighlight::MakeIdentifier(const String& text) {
    if (text.empty() || TComponent::IsValidIdent(text)) return text;
    String result = text;
    while (!result.empty() && !IsIdentStart(result[0])) result.erase(0, 1);
    for (size_t i = 1; i < result.size();) {
        if (IsIdentChar(result[i]))
            ++i;
        else
            result.erase(i, 1);
    }
    return result;
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* panel) {
    if (panel == FRadioPanel) return;
    if (!panel) {
        FRadioPanel = nullptr;
        return;
    }
    if (TWinControl* parent = Parent()) {
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* child = parent->Controls(i);
            if (!IsExactly<TBoardHighlight>(child) || child == this) continue;
            auto* other = static_cast<TBoardHighlight*>(child);
            if (other->FRadioPanel != panel || IsLinked(other)) continue;
            if (parent->IsDesigning()) {
                const String text =
                    panel->Name() + " has already been assigned to " + other->Name() + ".";
                MessageBoxA(nullptr, text.c_str(), "Error", MB_OK | MB_ICONERROR);
            }
            return;
        }
    }
    FRadioPanel = panel;
    if (!IsDesigning() || IsLoading() || !Parent()) return;
    TWinControl* parent = Parent();
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* child = parent->Controls(i);
        if (child == this || !IsLinked(child)) continue;
        auto* other = static_cast<TBoardHighlight*>(child);
        if (other->FRadioPanel == panel) continue;
        const String text = Name() + "'s RadioPanel property changed. Synchronize linked component " +
                            other->Name() + "?";
        if (MessageBoxA(nullptr, text.c_str(), "Confirm", MB_YESNO | MB_ICONQUESTION) == IDYES)
            other->AssignRadioPanel(panel);
    }
}

void TBoardHighlight::AssignRadioPanel(TRadioPanel* panel) {
    if (panel != FRadioPanel) FRadioPanel = panel;
}

}  // namespace setupctrls
