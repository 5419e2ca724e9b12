// The drawing of the power screw terminal, checked on the pixels of the
// paint box's 57 x 65 area: on a bitmap of its own and through the real
// paint box in the power popup.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <memory>

#include "app/MainForm.h"
#include "app/PowerTerminal.h"
#include "assets/Assets.h"
#include "platform/Menus.h"
#include "setupctrls/PopupForm.h"

using namespace vcl;
using namespace setupctrls;

namespace {

constexpr int W = 57;
constexpr int H = 65;

constexpr TColor Outline = RGB(56, 56, 56);
constexpr TColor Body = RGB(64, 64, 64);
constexpr TColor Face = RGB(72, 72, 72);
constexpr TColor Opening = RGB(0, 0, 0);
constexpr TColor Grey = RGB(128, 128, 128);
constexpr TColor Silver = RGB(192, 192, 192);
constexpr TColor White = RGB(255, 255, 255);

// A 57 x 65 bitmap filled with a colour the drawing never uses, so that
// anything left undrawn shows.
std::unique_ptr<TBitmap> Surface() {
    auto bitmap = std::make_unique<TBitmap>(W, H);
    bitmap->Canvas()->Brush.Color = RGB(10, 200, 30);
    bitmap->Canvas()->FillRect(Rect(0, 0, W, H));
    return bitmap;
}

void Draw(TBitmap& bitmap) { app::DrawPowerTerminal(*bitmap.Canvas(), Rect(0, 0, W, H)); }

// The smallest rectangle holding every pixel of area that is not background.
TRect BoundsOfOther(const TCanvas& canvas, const TRect& area, TColor background) {
    TRect box{area.Right, area.Bottom, area.Left, area.Top};
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (canvas.Pixel(x, y) != background) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

TEST(PowerTerminal, BodyFaceAndWireOpening) {
    auto bitmap = Surface();
    Draw(*bitmap);
    const TCanvas& c = *bitmap->Canvas();
    struct Probe {
        int x, y;
        TColor color;
        const char* what;
    };
    const Probe probes[] = {
        // The body's outline where the left face does not cover it.
        {11, 0, Outline, "top edge right of the face"},
        {56, 0, Outline, "top-right corner"},
        {56, 32, Outline, "right edge"},
        {56, 64, Outline, "bottom-right corner"},
        {30, 64, Outline, "bottom edge"},
        {12, 1, Body, "body fill, top left"},
        {55, 63, Body, "body fill, bottom right"},
        {15, 32, Body, "body between face and screws"},
        // The left face (0, 0, 11, 65) covers the outline on its side.
        {0, 0, Face, "face top-left"},
        {10, 0, Face, "face top-right"},
        {0, 32, Face, "face left edge"},
        {10, 64, Face, "face bottom-right"},
        {11, 32, Body, "right of the face"},
        // The wire opening (42, 5, 52, 60), outlined in the body's pen.
        {42, 5, Outline, "opening top-left"},
        {51, 5, Outline, "opening top-right"},
        {42, 59, Outline, "opening bottom-left"},
        {51, 59, Outline, "opening bottom-right"},
        {43, 6, Opening, "opening inside, top-left"},
        {50, 58, Opening, "opening inside, bottom-right"},
        {41, 32, Body, "left of the opening"},
        {52, 32, Body, "right of the opening"},
        {46, 4, Body, "above the opening"},
        {46, 60, Body, "below the opening"},
        // Screw centres (28, 16) and (28, 49) lie between the slot lines.
        {28, 16, Silver, "upper screw centre"},
        {28, 49, Silver, "lower screw centre"},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(c.Pixel(p.x, p.y), p.color) << p.what << " (" << p.x << ", " << p.y << ")";
}

TEST(PowerTerminal, ScrewHeadsAndSlots) {
    auto bitmap = Surface();
    Draw(*bitmap);
    const TCanvas& c = *bitmap->Canvas();
    // Everything drawn over the body between the face and the opening is a
    // screw head: the ellipses (18, 6, 38, 26) and (18, 39, 38, 59).
    EXPECT_EQ(BoundsOfOther(c, Rect(11, 1, 42, 33), Body), Rect(18, 6, 38, 26));
    EXPECT_EQ(BoundsOfOther(c, Rect(11, 33, 42, 64), Body), Rect(18, 39, 38, 59));
    EXPECT_EQ(c.Pixel(18, 16), Grey);  // outline, leftmost column
    EXPECT_EQ(c.Pixel(37, 49), Grey);  // outline, rightmost column

    struct Slot {
        TPoint whiteFrom, whiteTo, greyFrom;
        const char* what;
    };
    const Slot cases[] = {
        {{22, 23}, {35, 10}, {21, 22}, "upper"},
        {{22, 56}, {35, 43}, {21, 55}, "lower"},
    };
    for (const Slot& s : cases) {
        SCOPED_TRACE(s.what);
        // Both lines run 13 pixels from lower left to upper right; the end
        // point is not drawn.
        for (int k = 0; k < 13; ++k) {
            EXPECT_EQ(c.Pixel(s.whiteFrom.X + k, s.whiteFrom.Y - k), White) << k;
            EXPECT_EQ(c.Pixel(s.greyFrom.X + k, s.greyFrom.Y - k), Grey) << k;
        }
        EXPECT_NE(c.Pixel(s.whiteTo.X, s.whiteTo.Y), White);
        // Between the two lines the head stays silver.
        EXPECT_EQ(c.Pixel(s.greyFrom.X + 6, s.whiteFrom.Y - 6), Silver);
    }
}

// The routine sets every colour it uses, so whatever the canvas was left
// with, the picture is the same.
TEST(PowerTerminal, DrawingAgainGivesTheSamePicture) {
    auto once = Surface();
    Draw(*once);

    auto twice = Surface();
    Draw(*twice);
    TCanvas& canvas = *twice->Canvas();
    canvas.Pen.Color = RGB(255, 0, 0);
    canvas.Brush.Color = RGB(0, 0, 255);
    Draw(*twice);
    EXPECT_TRUE(twice->Image() == once->Image());

    auto changedFirst = Surface();
    changedFirst->Canvas()->Pen.Color = RGB(1, 2, 3);
    changedFirst->Canvas()->Brush.Color = RGB(200, 100, 50);
    Draw(*changedFirst);
    EXPECT_TRUE(changedFirst->Image() == once->Image());
}

// The real paint box in the power popup draws the same picture through its
// OnPaint handler.
TEST(PowerTerminal, PaintBoxInThePowerPopupShowsTheDrawing) {
    InitAssets();
    TApplication application;
    app::TMainForm* form = nullptr;
    application.CreateForm(form);
    form->Show();
    QCoreApplication::processEvents();
    form->PowerHighlight0->MenuItemClick(form->PowerHighlight0);  // opens the power popup
    ASSERT_NE(form->PowerHighlight0->PopupForm(), nullptr);
    ASSERT_TRUE(form->PowerPanel->Showing());
    EXPECT_EQ(form->PowerScrewPaint->ClientRect(), Rect(0, 0, W, H));

    auto expected = Surface();
    Draw(*expected);
    for (int pass = 0; pass < 2; ++pass) {  // painting again changes nothing
        SCOPED_TRACE(pass);
        const QImage shot =
            form->PowerPanel->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const TRect box = form->PowerScrewPaint->BoundsRect();
        ASSERT_GE(shot.width(), box.Right);
        ASSERT_GE(shot.height(), box.Bottom);
        int differing = 0;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x)
                if (shot.pixel(box.Left + x, box.Top + y) != expected->Image().pixel(x, y))
                    ++differing;
        EXPECT_EQ(differing, 0);
    }
}

}  // namespace
