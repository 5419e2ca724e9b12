#include "platform/ComCtrls.h"

#include <QPainter>

#include "platform/ExtCtrls.h"

namespace vcl {

TStatusBar::TStatusBar(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, 185, 19);
    SetAlign(alBottom);
}

TStatusPanel& TStatusBar::AddPanel() {
    FPanels.emplace_back();
    Invalidate();
    return FPanels.back();
}

void TStatusBar::Paint() {
    TCanvas& canvas = *Canvas();
    const QFont font = Font().ToQFont();
    int x = 0;
    for (size_t i = 0; i < FPanels.size(); ++i) {
        const TStatusPanel& panel = FPanels[i];
        // The last panel takes the rest of the bar.
        const int right = i + 1 == FPanels.size() ? Width() : x + panel.Width;
        TRect r = Rect(x, 2, right - 2, Height());
        if (panel.Bevel != pbNone)
            Frame3D(canvas, r, panel.Bevel == pbRaised ? clWhite : 0xA0A0A0,
                    panel.Bevel == pbRaised ? 0xA0A0A0 : clWhite, 1);
        if (!panel.Text.empty())
            canvas.Paint([&](QPainter& painter) {
                painter.setFont(font);
                painter.drawText(QRect(r.Left + 2, r.Top, r.Width() - 2, r.Height()),
                                 Qt::AlignLeft | Qt::AlignVCenter, ToQString(panel.Text));
            });
        x = right;
    }
}

}  // namespace vcl
