#include "platform/ExtCtrls.h"

#include <QPainter>

#include "platform/StdCtrls.h"

namespace vcl {

constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clBtnShadow = 0xA0A0A0;

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
    const TPen saved = canvas.Pen;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    for (int i = 0; i < width; ++i) {
        canvas.Pen.Color = topLeft;
        canvas.MoveTo(r.Left, r.Bottom - 1);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right - 1, r.Top);
        canvas.Pen.Color = bottomRight;
        canvas.LineTo(r.Right - 1, r.Bottom - 1);
        canvas.LineTo(r.Left - 1, r.Bottom - 1);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
    canvas.Pen = saved;
}

// ------------------------------------------------------------------ TPanel

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut b) {
    if (b == FBevelOuter) return;
    FBevelOuter = b;
    Invalidate();
}

void TPanel::SetBevelInner(TBevelCut b) {
    if (b == FBevelInner) return;
    FBevelInner = b;
    Invalidate();
}

void TPanel::SetBevelWidth(int w) {
    if (w == FBevelWidth) return;
    FBevelWidth = w;
    Invalidate();
}

void TPanel::SetBorderWidth(int w) {
    if (w == FBorderWidth) return;
    FBorderWidth = w;
    Invalidate();
}

void TPanel::SetCaption(const String& caption) {
    if (caption == FCaption) return;
    FCaption = caption;
    Invalidate();
}

void TPanel::SetAlignment(TAlignment a) {
    if (a == FAlignment) return;
    FAlignment = a;
    Invalidate();
}

void TPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    auto bevel = [&](TBevelCut cut) {
        if (cut == bvNone) return;
        if (cut == bvSpace) {
            r = Rect(r.Left + FBevelWidth, r.Top + FBevelWidth, r.Right - FBevelWidth,
                     r.Bottom - FBevelWidth);
            return;
        }
        const bool raised = cut == bvRaised;
        Frame3D(canvas, r, raised ? clBtnHighlight : clBtnShadow,
                raised ? clBtnShadow : clBtnHighlight, FBevelWidth);
    };
    bevel(FBevelOuter);
    r = Rect(r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth,
             r.Bottom - FBorderWidth);
    bevel(FBevelInner);
    if (FCaption.empty()) return;
    const QFont font = Font().ToQFont();
    const TColor color = Font().Color;
    const int align = FAlignment == taLeftJustify    ? Qt::AlignLeft
                      : FAlignment == taRightJustify ? Qt::AlignRight
                                                     : Qt::AlignHCenter;
    canvas.Paint([&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
        painter.drawText(QRect(r.Left, r.Top, r.Width(), r.Height()), align | Qt::AlignVCenter,
                         ToQString(FCaption));
    });
}

// ------------------------------------------------------------------ TImage

TImage::TImage(TComponent* AOwner)
    : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
    SetBounds(0, 0, 105, 105);
}

void TImage::PictureChanged() {
    if (AutoSize() && FPicture->Width() > 0 && FPicture->Height() > 0)
        SetBounds(Left(), Top(), FPicture->Width(), FPicture->Height());
    Invalidate();
}

bool TImage::CanAutoSize(int& newWidth, int& newHeight) {
    if (FPicture->Width() > 0 && FPicture->Height() > 0) {
        newWidth = FPicture->Width();
        newHeight = FPicture->Height();
    }
    return true;
}

void TImage::SetStretch(bool v) {
    if (v == FStretch) return;
    FStretch = v;
    Invalidate();
}

void TImage::SetCenter(bool v) {
    if (v == FCenter) return;
    FCenter = v;
    Invalidate();
}

void TImage::SetTransparent(bool v) {
    if (v == FTransparent) return;
    FTransparent = v;
    if (TGraphic* g = FPicture->Graphic()) g->SetTransparent(v);
    Invalidate();
}

void TImage::Paint() {
    TGraphic* graphic = FPicture->Graphic();
    if (!graphic || graphic->Empty()) return;
    const int pw = FPicture->Width();
    const int ph = FPicture->Height();
    TRect dest = Rect(0, 0, pw, ph);
    if (FStretch)
        dest = ClientRect();
    else if (FCenter)
        dest = Bounds((Width() - pw) / 2, (Height() - ph) / 2, pw, ph);
    Canvas()->StretchDraw(dest, graphic);
}

// --------------------------------------------------------------- TPaintBox

TPaintBox::TPaintBox(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 105, 105); }

void TPaintBox::Paint() {
    AssignFont(Canvas()->Font, Font());
    Canvas()->Brush.Color = Color();
    if (OnPaint) OnPaint(this);
}

}  // namespace vcl
