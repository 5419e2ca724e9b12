#include "app/PowerTerminal.h"

#include "setupctrls/BoardImage.h"

namespace app {

using namespace vcl;
using setupctrls::RoundHalfEven;

namespace {

constexpr TColor OutlineGrey = 3684408;  // 56, 56, 56
constexpr TColor BodyGrey = 4210752;     // 64, 64, 64
constexpr TColor FaceGrey = 4737096;     // 72, 72, 72
constexpr TColor Black = 0;
constexpr TColor ScrewGrey = 8421504;     // 128, 128, 128
constexpr TColor ScrewSilver = 12632256;  // 192, 192, 192
constexpr TColor SlotWhite = 16777215;

// One slotted screw head; leaves the pen grey for the next one.
void DrawScrewHead(TCanvas& canvas, int x, int y, float r) {
    canvas.Brush.Color = ScrewSilver;
    const int c = RoundHalfEven(r);
    canvas.Ellipse(x - c, y - c, x + c, y + c);
    const int d = RoundHalfEven(static_cast<double>(r) * 0.70710678118654752);
    canvas.Pen.Color = SlotWhite;
    canvas.MoveTo(x - d + 1, y + d);
    canvas.LineTo(x + d, y - d + 1);
    canvas.Pen.Color = ScrewGrey;
    canvas.MoveTo(x - d, y + d - 1);
    canvas.LineTo(x + d - 1, y - d);
}

}  // namespace

void DrawPowerTerminal(TCanvas& canvas, const TRect& rect) {
    const int L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    canvas.Pen.Style = psSolid;
    canvas.Pen.Width = 1;
    canvas.Brush.Style = bsSolid;
    canvas.Pen.Color = OutlineGrey;
    canvas.Brush.Color = BodyGrey;
    canvas.Rectangle(L, T, R, B);
    const float r = static_cast<float>(L + R) / 6.0f;
    const int cx = RoundHalfEven((L + R) * 0.5);
    canvas.Brush.Color = FaceGrey;
    canvas.FillRect(Rect(L, T, RoundHalfEven(0.8 * L + 0.2 * R), B));
    canvas.Brush.Color = Black;
    const int u = RoundHalfEven((R - cx - static_cast<double>(r)) * 0.25);
    canvas.Rectangle(R - 3 * u, T + u, R - u, B - u);
    canvas.Pen.Color = ScrewGrey;
    DrawScrewHead(canvas, cx, RoundHalfEven(0.75 * T + 0.25 * B), r);
    DrawScrewHead(canvas, cx, RoundHalfEven(0.25 * T + 0.75 * B), r);
}

}  // namespace app
