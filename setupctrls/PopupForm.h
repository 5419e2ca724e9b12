// The small window that explains one feature: built in code around the
// feature's description panel, hidden when closed and shown again later.
#pragma once

#include "platform/ComCtrls.h"
#include "platform/Forms.h"

namespace setupctrls {

using namespace vcl;

class TBoardHighlight;

class TPopupForm : public TForm {
public:
    TPopupForm(TComponent* AOwner, TBoardHighlight* highlight);

    const char* ClassName() const override { return "TPopupForm"; }

    TStatusBar* PopupStatus = nullptr;
    TBoardHighlight* Highlight() const { return FHighlight; }
    bool HoverPinned() const { return FHoverPinned; }
    void SetHoverPinned(bool v) { FHoverPinned = v; }

protected:
    void WndProc(TMessage& message) override;

private:
    TBoardHighlight* FHighlight;
    bool FHoverPinned = false;
};

}  // namespace setupctrls
