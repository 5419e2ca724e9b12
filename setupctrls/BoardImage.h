// The board photograph: a panel that draws only its picture, keeps itself
// centred in its window, carries the highlights as child controls and
// starts the guided tour on request.
#pragma once

#include <memory>

#include "platform/ExtCtrls.h"
#include "platform/Graphics.h"

namespace vcl {
class TMainMenu;
}

namespace setupctrls {

using namespace vcl;

class TBoardHighlight;

// Sent (with both parameters 0) to start the tour at the First highlight.
constexpr UINT WM_STARTTOUR = 0x04A2;

class TBoardImage : public TPanel {
public:
    explicit TBoardImage(TComponent* AOwner);

    const char* ClassName() const override { return "TBoardImage"; }

    TPicture* Picture() { return FPicture.get(); }
    // Copies the given picture into the owned one.
    void SetPicture(const TPicture* picture);

    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);
    bool Center() const { return FCenter; }
    void SetCenter(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool Scale() const { return FScale; }
    void SetScale(bool v);
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool v) { FCenterOnForm = v; }

    TMainMenu* Menu() const { return FMenu; }
    void SetMenu(TMainMenu* menu) { FMenu = menu; }
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* first) { FFirst = first; }

    double AspectRatio() const { return FAspectRatio; }
    bool Painting() const { return FPainting; }
    bool FirstPaintDone() const { return FFirstPaintDone; }
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }

    // The picture's palette, or none.
    HPALETTE GetPalette() const;
    // Where the picture is drawn, in client coordinates.
    TRect DestRect() const;

    void Loaded() override;

protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;
    void WndProc(TMessage& message) override;

private:
    void PictureChanged();
    bool DoPaletteChange();

    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
    bool FPainting = false;
    double FAspectRatio = 1.0;
    bool FScale = true;
    TMainMenu* FMenu = nullptr;
    bool FCenterOnForm = true;
    bool FFirstPaintDone = false;
    TBoardHighlight* FFirst = nullptr;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};

// Rounds to the nearest integer, a tie going to the even neighbour.
int RoundHalfEven(double value);

}  // namespace setupctrls
