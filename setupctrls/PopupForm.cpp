#include "setupctrls/PopupForm.h"

#include "platform/WinApi.h"
#include "setupctrls/BoardHighlight.h"

namespace setupctrls {

TPopupForm::TPopupForm(TComponent* AOwner, TBoardHighlight* highlight)
    : TForm(AOwner), FHighlight(highlight) {}

void TPopupForm::WndProc(TMessage& message) {
    if (message.Msg == WM_ACTIVATE) {
        // The link group records the state itself; the default handling
        // does not run for this window.
        const bool active = (message.WParam & 0xFFFF) != 0;
        FHighlight->SetPopupActive(active, true);
        message.Result = 0;
        return;
    }
    if (message.Msg == CM_MOUSELEAVE) {
        TPoint p;
        GetCursorPos(&p);
        if (!PtInRect(BoundsRect(), p) && FHoverPinned) {
            Close();
            return;
        }
    }
    TForm::WndProc(message);
}

}  // namespace setupctrls
