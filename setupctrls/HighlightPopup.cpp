// Building, placing and showing a highlight's popup window.
#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"

namespace setupctrls {

namespace {

// The smallest outer size a popup opens with.
constexpr int MinPopupWidth = 194;
constexpr int MinPopupHeight = 122;
// Outer size of a popup without a description panel.
constexpr int BarePopupWidth = 194;
constexpr int BarePopupHeight = 141;
constexpr int DefaultMemoHeight = 58;

TButton* AddButton(TPopupForm* popup, const char* name, const char* caption, TNotifyEvent onClick,
                   TRect bounds, TAnchors anchors) {
    auto* button = new TButton(popup);
    button->SetCaption(caption);
    button->SetName(name);
    button->OnClick = std::move(onClick);
    button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
    button->SetParent(popup);
    button->SetAnchors(anchors);
    return button;
}

}  // namespace

void TBoardHighlight::OpenPopup() {
    if (FPopupForm) {
        if (!FPopupForm->Visible()) FPinned = false;
        FPopupForm->Show();  // where the user left it
        return;
    }
    // A member of the link group may own the window already.
    if (Application)
        for (int i = 0; i < Application->FormCount(); ++i) {
            TForm* form = Application->Forms(i);
            if (form->Caption() == FPopupCaption && form->Tag() == FHighlightType) return;
        }

    auto* popup = new TPopupForm(this, this);
    FPopupForm = popup;
    popup->SetAutoScroll(false);
    popup->SetBorderStyle(bsSizeToolWin);
    popup->SetFormStyle(fsStayOnTop);
    FPinned = false;

    int memoHeight = DefaultMemoHeight;
    int panelLeft = 0;
    int panelTop = 0;
    if (TRadioPanel* panel = FRadioPanel) {
        memoHeight = panel->MemoHeight();
        popup->OnActivate = panel->OnActivate;
        popup->OnDeactivate = panel->OnDeactivate;
        panelLeft = panel->Left();
        panelTop = panel->Top();
        panel->SetBounds(0, 0, panel->Width(), panel->Height());
        panel->SetVisible(true);
        popup->SetClientSize(panel->Width(), panel->Height() + memoHeight + 51);
        panel->SetParent(popup);
        panel->SetAnchors(panel->FinalAnchors());
        panel->SetInPopup(true);
    } else {
        popup->SetBounds(popup->Left(), popup->Top(), BarePopupWidth, BarePopupHeight);
    }
    popup->SetCaption(FPopupCaption);
    const int outerWidth = std::max(MinPopupWidth, popup->Width());
    const int outerHeight = std::max(MinPopupHeight, popup->Height());
    popup->SetBounds(popup->Left(), popup->Top(), outerWidth, outerHeight);
    popup->SetConstraints(TSizeConstraints{outerWidth, outerHeight, 0, 0});
    popup->SetTag(FHighlightType);
    popup->SetPosition(poDesigned);

    // Open where the panel was designed relative to the board image, moved
    // as far as the image has moved since its first paint.
    TWinControl* parent = Parent();
    int dx = 0;
    int dy = 0;
    if (IsExactly<TBoardImage>(parent)) {
        const auto* image = static_cast<const TBoardImage*>(parent);
        dx = image->DesignLeft() - panelLeft;
        dy = image->DesignTop() - panelTop;
    }
    if (!FRadioPanel && parent) {
        dx = 0;
        dy = -(parent->Height() + 38);
    }
    const int parentLeft = parent ? parent->Left() : 0;
    const int parentTop = parent ? parent->Top() : 0;
    popup->SetBounds(parentLeft - dx, parentTop - dy, popup->Width(), popup->Height());
    popup->OnClose = [this](TObject* sender, TCloseAction& action) { PopupClosed(sender, action); };

    const int cw = popup->ClientWidth();
    const int ch = popup->ClientHeight();
    auto* status = new TStatusBar(popup);
    popup->PopupStatus = status;
    status->SetName("PopupStatus");
    status->SetAlign(alNone);
    status->SetBounds(0, ch - 19, cw, 19);
    status->SetParent(popup);
    status->SetAnchors(akLeft | akRight | akBottom);
    status->AddPanel().Bevel = pbNone;

    AddButton(popup, "PreviousButton", "Previous", [this](TObject* s) { PreviousButtonClick(s); },
              Bounds(6, ch - 44, 58, 25), akLeft | akBottom);
    AddButton(popup, "NextButton", "Next", [this](TObject* s) { NextButtonClick(s); },
              Bounds((cw - 58) / 2, ch - 44, 58, 25), akBottom);
    TButton* done = AddButton(popup, "DoneButton", "Done", [this](TObject* s) { DoneButtonClick(s); },
                              Bounds(cw - 64, ch - 44, 58, 25), akRight | akBottom);

    auto* memo = new TMemo(popup);
    memo->SetName("StatusMemo");
    memo->SetBounds(6, done->Top() - 6 - memoHeight, cw - 12, memoHeight);
    memo->SetReadOnly(true);
    memo->SetScrollBars(ssVertical);
    memo->SetParent(popup);
    memo->SetAnchors(akLeft | akTop | akRight | akBottom);
    if (FRadioPanel) {
        memo->Lines()->Assign(*FRadioPanel->Lines());
        FRadioPanel->SetMemo(memo);
    }

    // Keep the window on the primary screen, once per axis.
    if (Application) {
        const int screenWidth = Application->ScreenWidth();
        const int screenHeight = Application->ScreenHeight();
        int left = popup->Left();
        int top = popup->Top();
        if (left < 0)
            left = 0;
        else if (left + popup->Width() > screenWidth)
            left = screenWidth - popup->Width();
        if (top < 0)
            top = 0;
        else if (top + popup->Height() > screenHeight)
            top = screenHeight - popup->Height();
        popup->SetBounds(left, top, popup->Width(), popup->Height());
    }

    popup->Show();
    if (FRadioPanel)
        FRadioPanel->SetFocus();
    else
        done->SetFocus();
}

void TBoardHighlight::DoneButtonClick(TObject*) {
    if (FPopupForm) FPopupForm->Close();
}

}  // namespace setupctrls
