// Pixel rules of the canvas, checked as small ASCII maps: '.' untouched,
// '#' pen colour, 'o' brush colour.
#include <gtest/gtest.h>

#include <QPainter>
#include <functional>
#include <string>
#include <vector>

#include "TestImages.h"
#include "platform/Canvas.h"

using namespace vcl;
using testimages::Map;

namespace {

// A blank image of the map's size with a canvas in the test colours.
struct TSurface {
    QImage image;
    TCanvas canvas;
    TSurface(int width, int height) : image(width, height, QImage::Format_RGB32), canvas(&image) {
        image.fill(qRgb(GetRValue(testimages::kBack), GetGValue(testimages::kBack), GetBValue(testimages::kBack)));
        canvas.Pen.Color = testimages::kPen;
        canvas.Brush.Color = testimages::kFill;
    }
};

struct TPixelCase {
    const char* name;
    std::function<void(TCanvas&)> draw;
    std::vector<std::string> expected;
};

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
    c.MoveTo(x0, y0);
    c.LineTo(x1, y1);
}

const std::vector<TPixelCase> kPixelCases = {
    {"rectangle: pen border, brush inside, covers l..r-1 x t..b-1",
     [](TCanvas& c) { c.Rectangle(1, 1, 6, 5); },
     {"........",
      ".#####..",
      ".#ooo#..",
      ".#ooo#..",
      ".#####..",
      "........"}},
    {"rectangle with clear brush keeps the inside",
     [](TCanvas& c) { c.Brush.Style = bsClear; c.Rectangle(Rect(1, 1, 6, 5)); },
     {"........",
      ".#####..",
      ".#...#..",
      ".#...#..",
      ".#####..",
      "........"}},
    {"rectangle with clear pen: brush over the whole box",
     [](TCanvas& c) { c.Pen.Style = psClear; c.Rectangle(1, 1, 6, 5); },
     {"........",
      ".ooooo..",
      ".ooooo..",
      ".ooooo..",
      ".ooooo..",
      "........"}},
    {"reversed corners are normalised",
     [](TCanvas& c) { c.Rectangle(6, 5, 1, 1); },
     {"........",
      ".#####..",
      ".#ooo#..",
      ".#ooo#..",
      ".#####..",
      "........"}},
    {"fill rect: brush only",
     [](TCanvas& c) { c.FillRect(Rect(2, 1, 5, 3)); },
     {"......",
      "..ooo.",
      "..ooo.",
      "......"}},
    {"frame rect: one pixel in the brush colour",
     [](TCanvas& c) { c.FrameRect(Rect(1, 1, 5, 5)); },
     {"......",
      ".oooo.",
      ".o..o.",
      ".o..o.",
      ".oooo.",
      "......"}},
    {"wide ellipse touches all four sides, symmetric",
     [](TCanvas& c) { c.Ellipse(0, 0, 8, 5); },
     {"..####..",
      "##oooo##",
      "#oooooo#",
      "##oooo##",
      "..####.."}},
    {"tall narrow ellipse reaches top and bottom",
     [](TCanvas& c) { c.Ellipse(Rect(1, 0, 4, 7)); },
     {"..#..",
      ".#o#.",
      ".#o#.",
      ".#o#.",
      ".#o#.",
      ".#o#.",
      "..#.."}},
    {"one-row ellipse is a line of pen",
     [](TCanvas& c) { c.Ellipse(1, 1, 9, 2); },
     {"..........",
      ".########.",
      ".........."}},
    {"horizontal line: start, not end",
     [](TCanvas& c) { Line(c, 1, 1, 5, 1); },
     {"......",
      ".####.",
      "......"}},
    {"vertical line drawn upwards",
     [](TCanvas& c) { Line(c, 1, 4, 1, 0); },
     {"...",
      ".#.",
      ".#.",
      ".#.",
      ".#."}},
    {"diagonal line",
     [](TCanvas& c) { Line(c, 0, 0, 4, 4); },
     {"#....",
      ".#...",
      "..#..",
      "...#.",
      "....."}},
    {"shallow line",
     [](TCanvas& c) { Line(c, 0, 0, 6, 2); },
     {"##.....",
      "..###..",
      ".....#.",
      "......."}},
    {"shallow line drawn backwards",
     [](TCanvas& c) { Line(c, 6, 2, 0, 0); },
     {".#.....",
      "..###..",
      ".....##"}},
    {"steep line",
     [](TCanvas& c) { Line(c, 1, 0, 3, 6); },
     {".#..",
      ".#..",
      "..#.",
      "..#.",
      "..#.",
      "...#",
      "...."}},
    {"dashed line: 18 on, 6 off, gaps untouched with a clear brush",
     [](TCanvas& c) { c.Pen.Style = psDash; c.Brush.Style = bsClear; Line(c, 0, 0, 30, 0); },
     {"##################......######."}},
    {"dashed line: a solid brush fills the gaps",
     [](TCanvas& c) { c.Pen.Style = psDash; Line(c, 0, 0, 30, 0); },
     {"##################oooooo######."}},
    {"dotted line: 3 on, 3 off",
     [](TCanvas& c) { c.Pen.Style = psDot; c.Brush.Style = bsClear; Line(c, 0, 0, 14, 0); },
     {"###...###...##."}},
    {"dashed rectangle: the pattern runs on round the corners",
     [](TCanvas& c) { c.Pen.Style = psDash; c.Brush.Style = bsClear; c.Rectangle(0, 0, 20, 4); },
     {"##################..",
      "....................",
      "....................",
      "##################.."}},
    {"polygon: interior by pixel centres, closed outline",
     [](TCanvas& c) { c.Polygon({{1, 1}, {6, 1}, {6, 5}, {1, 5}}); },
     {"........",
      ".######.",
      ".#oooo#.",
      ".#oooo#.",
      ".#oooo#.",
      ".######.",
      "........"}},
    {"polygon without pen: triangle fill",
     [](TCanvas& c) { c.Pen.Style = psClear; c.Polygon({{0, 0}, {6, 0}, {0, 6}}); },
     {"ooooo..",
      "oooo...",
      "ooo....",
      "oo.....",
      "o......",
      "......."}},
    {"origin shifts logical coordinates",
     [](TCanvas& c) { c.SetOrigin({2, 1}); c.Rectangle(0, 0, 3, 3); },
     {"......",
      "..###.",
      "..#o#.",
      "..###.",
      "......"}},
    {"clip (logical) bounds every kind of drawing",
     [](TCanvas& c) {
         c.SetOrigin({1, 1});
         c.SetClipRect(Rect(1, 0, 4, 3));
         c.FillRect(Rect(-10, -10, 10, 10));
         c.Ellipse(-10, -10, 20, 20);
         Line(c, -5, 1, 20, 1);
         c.SetPixel(0, 0, clBlack);
         c.SetPixel(1, 2, clBlack);
     },
     {"........",
      "..ooo...",
      "..###...",
      "..?oo...",
      "........"}},
    {"shapes far outside the image are cut off",
     [](TCanvas& c) {
         c.Rectangle(-100000, 2, 100000, 100000);
         Line(c, -2000000000, 0, 2000000000, 0);
     },
     {"######",
      "......",
      "######",
      "oooooo"}},
};

}  // namespace

TEST(CanvasPixels, ShapesFollowTheGdiRules) {
    for (const TPixelCase& c : kPixelCases) {
        SCOPED_TRACE(c.name);
        TSurface s(int(c.expected[0].size()), int(c.expected.size()));
        c.draw(s.canvas);
        EXPECT_EQ(Map(s.image), c.expected);
    }
}

TEST(CanvasPixels, ColoursLandAsBlueGreenRedBytes) {
    TSurface s(4, 2);
    s.canvas.SetPixel(1, 0, RGB(0x11, 0x22, 0x33));
    s.canvas.Brush.Color = RGB(0x44, 0x55, 0x66);
    s.canvas.FillRect(Rect(2, 1, 3, 2));
    s.canvas.Pen.Color = RGB(0x77, 0x88, 0x99);
    s.canvas.MoveTo(3, 0);
    s.canvas.LineTo(4, 0);

    const std::uint8_t* row0 = s.image.constScanLine(0);
    const std::uint8_t* row1 = s.image.constScanLine(1);
    EXPECT_EQ((std::vector<int>{row0[4], row0[5], row0[6]}), (std::vector<int>{0x33, 0x22, 0x11}));
    EXPECT_EQ((std::vector<int>{row1[8], row1[9], row1[10]}), (std::vector<int>{0x66, 0x55, 0x44}));
    EXPECT_EQ((std::vector<int>{row0[12], row0[13], row0[14]}), (std::vector<int>{0x99, 0x88, 0x77}));
    EXPECT_EQ(s.canvas.Pixel(1, 0), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(s.canvas.PenPos, (TPoint{4, 0}));
}

TEST(CanvasPixels, PixelOutsideImageOrClipIsInvalid) {
    TSurface s(4, 4);
    s.canvas.SetOrigin({1, 1});
    s.canvas.SetClipRect(Rect(0, 0, 2, 2));
    EXPECT_EQ(s.canvas.Pixel(1, 1), testimages::kBack);
    EXPECT_EQ(s.canvas.Pixel(2, 1), CLR_INVALID);
    EXPECT_EQ(s.canvas.Pixel(-2, 0), CLR_INVALID);
    EXPECT_EQ(s.canvas.ClipRect(), Rect(0, 0, 2, 2));

    TCanvas detached;
    detached.Rectangle(0, 0, 5, 5);  // no target: nothing to do, no crash
    EXPECT_EQ(detached.Pixel(0, 0), CLR_INVALID);
}

namespace {

// Source pattern: columns a..d as pen/brush/background stripes.
void PaintSource(TCanvas& c) {
    c.FillRect(Rect(0, 0, 2, 2));
    c.Pen.Color = testimages::kPen;
    c.MoveTo(0, 0);
    c.LineTo(2, 0);
}

}  // namespace

TEST(CanvasCopy, BitBltCopiesARectangleInLogicalCoordinates) {
    TSurface source(4, 3), dest(6, 4);
    source.canvas.SetOrigin({1, 1});
    PaintSource(source.canvas);  // device (1,1)-(2,2)
    dest.canvas.SetOrigin({1, 0});

    EXPECT_TRUE(BitBlt(&dest.canvas, 1, 1, 3, 2, &source.canvas, -1, 0, SRCCOPY));
    // Partly off the right edge: only the first column lands.
    EXPECT_TRUE(BitBlt(&dest.canvas, 4, 2, 3, 2, &source.canvas, 0, 0, SRCCOPY));
    EXPECT_EQ(Map(dest.image), (std::vector<std::string>{
                                   "......",
                                   "...##.",
                                   "...oo#",
                                   ".....o"}));
    EXPECT_FALSE(BitBlt(&dest.canvas, 0, 0, 1, 1, &source.canvas, 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(nullptr, 0, 0, 1, 1, &source.canvas, 0, 0, SRCCOPY));
}

TEST(CanvasCopy, CopyRectStretchesAndClips) {
    TSurface source(2, 2), dest(6, 5);
    PaintSource(source.canvas);
    dest.canvas.SetClipRect(Rect(0, 0, 6, 4));
    dest.canvas.CopyRect(Rect(1, 1, 5, 5), source.canvas, Rect(0, 0, 2, 2));
    EXPECT_EQ(Map(dest.image), (std::vector<std::string>{
                                   "......",
                                   ".####.",
                                   ".####.",
                                   ".oooo.",
                                   "......"}));
}

TEST(CanvasCopy, OverlappingCopyWithinOneCanvasReadsTheOriginal) {
    TSurface s(6, 1);
    s.canvas.Pen.Color = testimages::kPen;
    s.canvas.MoveTo(0, 0);
    s.canvas.LineTo(2, 0);
    s.canvas.FillRect(Rect(2, 0, 3, 1));
    // Shift "##o" right by one onto itself.
    s.canvas.CopyRect(Rect(1, 0, 4, 1), s.canvas, Rect(0, 0, 3, 1));
    EXPECT_EQ(Map(s.image), (std::vector<std::string>{"###o.."}));
}

TEST(CanvasText, SolidBrushFillsTheCellAndPenPosMovesOn) {
    TSurface s(80, 30);
    s.canvas.Font.Color = clBlack;
    s.canvas.Font.Height = -14;
    const int width = s.canvas.TextWidth("Hi");
    const int height = s.canvas.TextHeight("Hi");
    ASSERT_GT(width, 0);
    ASSERT_GT(height, 0);
    EXPECT_GT(s.canvas.TextWidth("HiHi"), width);

    s.canvas.TextOut(5, 3, "Hi");
    EXPECT_EQ(s.canvas.PenPos, (TPoint{5 + width, 3}));
    // Corners of the cell are background: brush colour; something is ink.
    EXPECT_EQ(s.canvas.Pixel(5, 3), testimages::kFill);
    EXPECT_EQ(s.canvas.Pixel(5 + width - 1, 3 + height - 1), testimages::kFill);
    EXPECT_EQ(s.canvas.Pixel(4, 3), testimages::kBack);
    EXPECT_EQ(s.canvas.Pixel(5 + width, 3), testimages::kBack);
    int ink = 0;
    for (int y = 3; y < 3 + height; ++y)
        for (int x = 5; x < 5 + width; ++x) ink += s.canvas.Pixel(x, y) != testimages::kFill;
    EXPECT_GT(ink, 0);
}

TEST(CanvasText, TextRectStaysInsideItsRectangle) {
    TSurface s(60, 30);
    s.canvas.Font.Height = -20;
    s.canvas.Brush.Style = bsClear;
    s.canvas.TextRect(Rect(10, 5, 20, 12), 0, 0, "MMMMMMMM");
    int inside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x) {
            bool in = x >= 10 && x < 20 && y >= 5 && y < 12;
            if (!in) {
                EXPECT_EQ(s.canvas.Pixel(x, y), testimages::kBack) << x << "," << y;
            }
            inside += in && s.canvas.Pixel(x, y) != testimages::kBack;
        }
    EXPECT_GT(inside, 0);
}

TEST(CanvasPaint, PainterGetsOriginAndClip) {
    TSurface s(6, 4);
    s.canvas.SetOrigin({1, 1});
    s.canvas.SetClipRect(Rect(0, 0, 2, 2));
    s.canvas.Paint([](QPainter& p) { p.fillRect(QRect(0, 0, 10, 10), QColor(255, 0, 0)); });
    EXPECT_EQ(Map(s.image), (std::vector<std::string>{
                                "......",
                                ".##...",
                                ".##...",
                                "......"}));
}

TEST(Font, SizeAndHeightConvertAtTheFontsResolution) {
    struct {
        int ppi, points, height;
    } cases[] = {{96, 8, -11}, {96, 10, -13}, {96, 12, -16}, {120, 9, -15}, {72, 7, -7}};
    for (auto c : cases) {
        TFont f;
        f.PixelsPerInch = c.ppi;
        f.SetSize(c.points);
        EXPECT_EQ(f.Height, c.height) << c.ppi << " ppi, " << c.points << " pt";
        EXPECT_EQ(f.Size(), c.points);
    }
    EXPECT_EQ(TFont().Size(), 8);
}

TEST(Font, ChangeHandlerStaysWithItsOwner) {
    int ownerChanges = 0, copyChanges = 0;
    TFont owner;
    owner.OnChange = [&](TObject*) { ++ownerChanges; };
    owner.SetSize(12);
    EXPECT_EQ(ownerChanges, 1);

    TFont copy;
    copy.OnChange = [&](TObject*) { ++copyChanges; };
    owner.Style = fsBold | fsUnderline;
    copy = owner;
    copy.SetSize(20);
    EXPECT_EQ(ownerChanges, 1);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Style, unsigned(fsBold | fsUnderline));

    QFont q = copy.ToQFont();
    EXPECT_EQ(q.pixelSize(), 27);
    EXPECT_TRUE(q.bold());
    EXPECT_TRUE(q.underline());
    EXPECT_FALSE(q.italic());
}
