// The description panel: the text and controls a popup window shows about
// one feature. It waits hidden on the main window until a popup takes it over.
#pragma once

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"
#include "platform/Strings.h"

namespace setupctrls {

using namespace vcl;

class TBoardHighlight;

class TRadioPanel : public TPanel {
public:
    explicit TRadioPanel(TComponent* AOwner);
    ~TRadioPanel() override;

    const char* ClassName() const override { return "TRadioPanel"; }

    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool v) { FRadioEnabled = v; }
    TNotifyEvent OnRadioChange;

    // The panel's own list; callers may change it in place.
    TStrings* Lines() { return &FLines; }
    // Copies the given lines; the given list stays the caller's.
    void SetLines(const TStrings& lines) { FLines.Assign(lines); }

    // The status memo its popup created for it; null until then.
    TMemo* Memo() const { return FMemo; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int h) { FMemoHeight = h; }
    bool DesignHidden() const { return FDesignHidden; }

    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

    TAnchors FinalAnchors() const { return FFinalAnchors; }
    // Takes effect at once only inside the popup.
    void SetFinalAnchors(TAnchors anchors);
    bool InPopup() const { return FInPopup; }

protected:
    void Paint() override;

private:
    // Only the popup build writes these.
    friend class TBoardHighlight;
    void SetMemo(TMemo* memo) { FMemo = memo; }
    void SetInPopup(bool v) { FInPopup = v; }

    bool FRadioEnabled = false;
    TStringList FLines;
    TMemo* FMemo = nullptr;
    int FMemoHeight = 58;
    bool FDesignHidden = false;
    TAnchors FFinalAnchors = akLeft | akTop;
    bool FInPopup = false;
};

}  // namespace setupctrls
