#include "setupctrls/BoardImage.h"

#include <QScopedValueRollback>
#include <cmath>

#include "platform/Forms.h"
#include "platform/WinApi.h"
#include "setupctrls/BoardHighlight.h"

namespace setupctrls {

int RoundHalfEven(double value) {
    // nearbyint follows the default rounding mode, which is ties-to-even.
    return static_cast<int>(std::nearbyint(value));
}

TBoardImage::TBoardImage(TComponent* AOwner)
    : TPanel(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetHeight(105);
    SetWidth(105);
    FAspectRatio = 1.0;
    SetAutoSize(true);
    FScale = true;
    FMenu = nullptr;
    FCenterOnForm = true;
    FFirstPaintDone = false;
    SetStretch(false);
}

void TBoardImage::SetPicture(const TPicture* picture) { FPicture->Assign(picture); }

void TBoardImage::SetStretch(bool v) {
    if (v == FStretch) return;
    FStretch = v;
    PictureChanged();
}

void TBoardImage::SetCenter(bool v) {
    if (v == FCenter) return;
    FCenter = v;
    PictureChanged();
}

void TBoardImage::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    PictureChanged();
}

void TBoardImage::SetScale(bool v) {
    if (v == FScale) return;
    FScale = v;
    PictureChanged();
}

HPALETTE TBoardImage::GetPalette() const {
    TGraphic* graphic = FPicture->Graphic();
    return graphic ? graphic->Palette() : nullptr;
}

void TBoardImage::Loaded() {
    TPanel::Loaded();
    // Size requests made while loading were left alone; apply the rule now.
    if (AutoSize()) SetBounds(Left(), Top(), Width(), Height());
}

void TBoardImage::PictureChanged() {
    const int pw = FPicture->Width();
    const int ph = FPicture->Height();
    if (pw > 0 && ph > 0) {
        const double ratio = static_cast<double>(ph) / pw;
        FAspectRatio = std::isfinite(ratio) ? ratio : 1.0;
        if (AutoSize()) SetBounds(Left(), Top(), pw, ph);
    }
    if (TGraphic* graphic = FPicture->Graphic()) {
        if (!graphic->IsMetafileOrIcon()) graphic->SetTransparent(FTransparent);
        SetOpaque(!graphic->Transparent() &&
                  (FStretch || (graphic->Width() >= Width() && graphic->Height() >= Height())));
        if (DoPaletteChange() && FPainting) Update();
    } else {
        SetOpaque(false);
    }
    if (!FPainting) Invalidate();
}

bool TBoardImage::DoPaletteChange() {
    TGraphic* graphic = FPicture->Graphic();
    if (!Visible() || IsLoading() || !graphic || !graphic->PaletteModified()) return false;
    if (!graphic->Palette()) {
        graphic->SetPaletteModified(false);
        return false;
    }
    TForm* form = GetParentForm(this);
    if (!form || !form->Active() || !form->Widget()) return false;
    if (FPainting)
        form->Perform(WM_QUERYNEWPALETTE, 0, 0);
    else
        PostMessageA(form->Handle(), WM_QUERYNEWPALETTE, 0, 0);
    graphic->SetPaletteModified(false);
    return true;
}

bool TBoardImage::CanAutoSize(int& newWidth, int& newHeight) {
    const int pw = FPicture->Width();
    const int ph = FPicture->Height();
    if (IsDesigning() && (pw <= 0 || ph <= 0)) return true;
    if (Align() == alNone || Align() == alLeft || Align() == alRight) newWidth = pw;
    if (Align() == alNone || Align() == alTop || Align() == alBottom) newHeight = ph;
    return true;
}

TRect TBoardImage::DestRect() const {
    const int pw = FPicture->Width();
    const int ph = FPicture->Height();
    if (FStretch) return ClientRect();
    if (FCenter) return Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    return Rect(0, 0, pw, ph);
}

void TBoardImage::Paint() {
    if (!FFirstPaintDone) {
        FDesignLeft = Left();
        FDesignTop = Top();
        FFirstPaintDone = true;
    }
    if (FCenterOnForm && !IsDesigning() && Parent()) {
        // The parent's outer size: for a window, frame and menu bar included.
        SetLeft((Parent()->Width() - Width()) / 2);
        SetTop((Parent()->Height() - Height()) / 2);
    }
    TCanvas& canvas = *Canvas();
    if (IsDesigning()) {
        if (FScale) SetHeight(RoundHalfEven(Width() * FAspectRatio));
        canvas.Pen.Style = psDash;
        canvas.Brush.Style = bsClear;
        canvas.Rectangle(0, 0, Width(), Height());
        canvas.Pen.Style = psSolid;
        canvas.Brush.Style = bsSolid;
    }
    const QScopedValueRollback<bool> painting(FPainting, true);
    if (TGraphic* graphic = FPicture->Graphic()) canvas.StretchDraw(DestRect(), graphic);
}

void TBoardImage::WndProc(TMessage& message) {
    if (message.Msg != WM_STARTTOUR) {
        TPanel::WndProc(message);
        return;
    }
    if (!FFirst) return;
    FFirst->Perform(CM_MOUSEENTER, message.WParam, message.LParam);
    FFirst->Click();
    FFirst->Perform(CM_MOUSELEAVE, message.WParam, message.LParam);
}

}  // namespace setupctrls
