// Panel, picture control and paint box.
#pragma once

#include <memory>

#include "platform/Controls.h"
#include "platform/Graphics.h"

namespace vcl {

enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };

// Draws a classic 3-D frame just inside r and shrinks r by its width.
void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    const char* ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int w);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int w);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment a);

protected:
    void Paint() override;

private:
    TBevelCut FBevelOuter = bvRaised;
    TBevelCut FBevelInner = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    String FCaption;
    TAlignment FAlignment = taCenter;
};

class TImage : public TGraphicControl {
public:
    explicit TImage(TComponent* AOwner);
    const char* ClassName() const override { return "TImage"; }

    TPicture* Picture() { return FPicture.get(); }
    void SetPicture(const TPicture* picture) { FPicture->Assign(picture); }
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v);
    bool Center() const { return FCenter; }
    void SetCenter(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);

protected:
    void Paint() override;
    bool CanAutoSize(int& newWidth, int& newHeight) override;

private:
    void PictureChanged();
    std::unique_ptr<TPicture> FPicture;
    bool FStretch = false;
    bool FCenter = false;
    bool FTransparent = false;
};

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* AOwner);
    const char* ClassName() const override { return "TPaintBox"; }
    TNotifyEvent OnPaint;
    void SetOnPaint(TNotifyEvent e) { OnPaint = std::move(e); }

protected:
    void Paint() override;
};

}  // namespace vcl
