#include "setupctrls/RadioPanel.h"

namespace setupctrls {

TRadioPanel::TRadioPanel(TComponent* AOwner) : TPanel(AOwner) {
    SetAnchors(akLeft | akTop);
    FFinalAnchors = akLeft | akTop;
    FInPopup = false;
    FRadioEnabled = false;
    SetBevelOuter(bvNone);
    SetHeight(100);
    SetWidth(194);
    FMemoHeight = 58;
    SetVisible(false);
    FDesignHidden = false;
}

// The memo belongs to the popup window and is left alone.
TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::SetFinalAnchors(TAnchors anchors) {
    if (FInPopup) SetAnchors(anchors);
    FFinalAnchors = anchors;
}

void TRadioPanel::Paint() {
    // A designer shows the panel only where its popup shows it.
    if (IsDesigning() && !FDesignHidden) {
        SetVisible(false);
        FDesignHidden = true;
    }
    TPanel::Paint();
}

}  // namespace setupctrls
