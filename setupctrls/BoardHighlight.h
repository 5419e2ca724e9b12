// A highlight: the translucent ring that marks one feature of the board.
// It lights when pointed at, opens the feature's popup window, pins it on a
// click, works together with its linked highlights (same Title and type),
// and lists itself in the board image's menu.
#pragma once

#include <cstdint>

#include "platform/Forms.h"
#include "platform/Graphics.h"

namespace vcl {
class TMainMenu;
class TMenuItem;
}  // namespace vcl

namespace setupctrls {

using namespace vcl;

class TPopupForm;
class TRadioPanel;

enum THighlightType : std::uint8_t { htOptions = 0, htSettings = 1, htCalibration = 2 };

// Ring colour and blend strengths of each highlight type.
struct THighlightLook {
    TColor RingColor;
    float RestingStrength;
    float LitStrength;
    float BrightStrength;
};
const THighlightLook* LookOf(THighlightType type);

// Blends the ring into a 32-bit bitmap in place: an ellipse inscribed in
// (0, 0)..(lastColumn, lastRow) with a faint tint inside. A bitmap one pixel
// wide or high has no ring and is left alone.
void BlendRing(TBitmap& image, int lastColumn, int lastRow, float strength, TColor color,
               bool bright);

class TBoardHighlight : public TGraphicControl {
public:
    explicit TBoardHighlight(TComponent* AOwner);

    const char* ClassName() const override { return "TBoardHighlight"; }

    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType type);
    const String& Title() const { return FTitle; }
    void SetTitle(const String& title);
    const String& PopupCaption() const { return FPopupCaption; }
    const String& TitleIdent() const { return FTitleIdent; }
    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool v) { FCreatePopup = v; }
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    void SetRadioPanel(TRadioPanel* panel);
    void AssignRadioPanel(TRadioPanel* panel);

    bool Hot() const { return FHot; }
    bool Pinned() const { return FPinned; }
    bool PopupActive() const { return FPopupActive; }
    bool FirstPaintDone() const { return FFirstPaintDone; }
    TPopupForm* PopupForm() const { return FPopupForm; }
    TMainMenu* BoardMenu() const { return FBoardMenu; }
    TColor RingColor() const { return FRingColor; }
    float RestingStrength() const { return FRestingStrength; }
    float LitStrength() const { return FLitStrength; }
    float BrightStrength() const { return FBrightStrength; }
    TBitmap& RestingImage() { return FRestingImage; }
    TBitmap& LitImage() { return FLitImage; }
    TBitmap& BrightImage() { return FBrightImage; }

    // Rendering.
    void BuildRingImages();
    // The image the current Hot and PopupActive choose.
    TBitmap& CurrentImage();

    // Behaviour.
    void Click() override;
    void PinWithLinked();
    void Pin();
    void SetPopupActive(bool active, bool linkedToo);
    void PopupClosed(TObject* Sender, TCloseAction& Action);
    void ClearHot();
    void OpenPopup();
    void DoneButtonClick(TObject* Sender);

    // Menu entries and the tour.
    void AddToMenu();
    void MenuItemClick(TObject* Sender);
    void SetMenuCheck(bool on);
    void PreviousButtonClick(TObject* Sender);
    void NextButtonClick(TObject* Sender);

    static String RemoveAmpersands(const String& text);
    static String MakeIdentifier(const String& text);

protected:
    void Paint() override;
    void WndProc(TMessage& message) override;
    void FirstPaint();

private:
    void MouseEnter(TMessage& message);
    void MouseLeave(TMessage& message);
    // Whether other is a member of this highlight's link group.
    bool IsLinked(const TControl* other) const;
    // Runs action on each member, the highlight itself included, in child
    // order; only under a parent that is exactly a TBoardImage.
    template <class Action>
    void ForEachMember(Action action);
    // The menu group item of this highlight's type, or null.
    TMenuItem* FindGroup() const;
    // The first item captioned with Title in a group of this type.
    bool FindOwnItem(TMenuItem*& groupItem, int& index) const;
    void StepTour(int step);

    TBitmap FRestingImage;
    TBitmap FBrightImage;
    TBitmap FLitImage;
    float FRestingStrength = 0;
    float FBrightStrength = 0;
    float FLitStrength = 0;
    TColor FRingColor = 0;
    THighlightType FHighlightType = htOptions;
    bool FHot = false;
    TPopupForm* FPopupForm = nullptr;
    String FTitle;
    String FPopupCaption;
    String FTitleIdent;
    TMainMenu* FBoardMenu = nullptr;
    bool FFirstPaintDone = false;
    bool FCreatePopup = true;
    bool FPinned = false;
    TRadioPanel* FRadioPanel = nullptr;
    bool FPopupActive = false;
};

}  // namespace setupctrls
