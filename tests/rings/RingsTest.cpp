#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"

using namespace vcl;
using namespace setupctrls;

namespace {

struct Rgb {
    int r, g, b;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

std::ostream& operator<<(std::ostream& os, const Rgb& c) {
    return os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr Rgb kGreyRgb{100, 100, 100};

std::unique_ptr<TBitmap> Grey(int width, int height, int level = 100) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Image().fill(qRgb(level, level, level));
    return bitmap;
}

Rgb PixelOf(TBitmap& image, int x, int y) {
    const std::uint8_t* p = image.ScanLine(y) + 4 * x;
    return Rgb{p[2], p[1], p[0]};
}

std::uint8_t FourthByteOf(TBitmap& image, int x, int y) { return image.ScanLine(y)[4 * x + 3]; }

Rgb Shown(TWinControl* control, int x, int y) {
    const QRgb p = control->Widget()->grab().toImage().pixel(x, y);
    return Rgb{qRed(p), qGreen(p), qBlue(p)};
}

void Settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

enum Look { Resting, Lit, Bright };

void Blend(TBitmap& image, THighlightType type, Look look) {
    const THighlightLook* l = LookOf(type);
    const float strength = look == Resting ? l->RestingStrength
                           : look == Lit   ? l->LitStrength
                                           : l->BrightStrength;
    BlendRing(image, image.Width() - 1, image.Height() - 1, strength, l->RingColor, look == Bright);
}

struct TCountingHighlight : TBoardHighlight {
    using TBoardHighlight::TBoardHighlight;
    void Paint() override {
        ++paints;
        TBoardHighlight::Paint();
    }
    int paints = 0;
};

// A uniform grey board image on a form; highlights go on it.
class RingsOnBoard : public ::testing::Test {
protected:
    RingsOnBoard() {
        form = new TForm(&app);
        form->SetBounds(0, 0, 400, 300);
        board = new TBoardImage(form);
        board->SetParent(form);
        board->SetCenterOnForm(false);
        board->SetStretch(true);
        board->Picture()->SetGraphic(Grey(300, 200).get());
    }
    template <class T = TBoardHighlight>
    T* AddHighlight(int left, int top, int width, int height, THighlightType type) {
        auto* h = new T(form);
        h->SetParent(board);
        h->SetBounds(left, top, width, height);
        h->SetHighlightType(type);
        h->SetCreatePopup(false);
        return h;
    }
    void ShowAndSettle() {
        form->Show();
        Settle();
    }

    TApplication app;
    TForm* form;
    TBoardImage* board;
};

}  // namespace

// A 65 x 65 ring over grey 100: step sizes exactly 2/64. Columns along the
// middle row: 32 centre (tint 0.16), 56 still tint (d = 0.5625), 57 ring
// weight 0.25, 58 weight 0.5 (bright: pure ring colour), 60 weight 1 (bright:
// white).
TEST(BlendRing, PixelsOfEveryTypeAndLookOnGrey) {
    struct Case {
        THighlightType type;
        Look look;
        std::array<Rgb, 5> at32_56_57_58_60;
    };
    const Case cases[] = {
        {htOptions, Resting, {{{96, 96, 106}, {96, 96, 106}, {94, 94, 110}, {88, 88, 119}, {75, 75, 139}}}},
        {htOptions, Lit, {{{92, 92, 112}, {92, 92, 112}, {88, 88, 119}, {75, 75, 139}, {50, 50, 178}}}},
        {htOptions, Bright, {{{84, 84, 125}, {84, 84, 125}, {50, 50, 178}, {0, 0, 255}, {255, 255, 255}}}},
        {htSettings, Resting, {{{112, 112, 92}, {112, 112, 92}, {119, 119, 88}, {139, 139, 75}, {178, 178, 50}}}},
        {htSettings, Lit, {{{119, 119, 88}, {119, 119, 88}, {129, 129, 81}, {158, 158, 62}, {216, 216, 25}}}},
        {htSettings, Bright, {{{125, 125, 84}, {125, 125, 84}, {178, 178, 50}, {255, 255, 0}, {255, 255, 255}}}},
        {htCalibration, Resting, {{{112, 92, 92}, {112, 92, 92}, {119, 88, 88}, {139, 75, 75}, {178, 50, 50}}}},
        {htCalibration, Lit, {{{119, 88, 88}, {119, 88, 88}, {129, 81, 81}, {158, 62, 62}, {216, 25, 25}}}},
        {htCalibration, Bright, {{{125, 84, 84}, {125, 84, 84}, {178, 50, 50}, {255, 0, 0}, {255, 255, 255}}}},
    };
    const int columns[] = {32, 56, 57, 58, 60};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.type) << " look " << c.look);
        auto image = Grey(65, 65);
        Blend(*image, c.type, c.look);
        for (int k = 0; k < 5; ++k) EXPECT_EQ(PixelOf(*image, columns[k], 32), c.at32_56_57_58_60[k]) << columns[k];
        // The same radius up and down the middle column: a circle.
        EXPECT_EQ(PixelOf(*image, 32, 60), c.at32_56_57_58_60[4]);
        EXPECT_EQ(PixelOf(*image, 32, 4), c.at32_56_57_58_60[4]);
        // The fourth byte is the pixel's own, or 0 where white replaced it.
        EXPECT_EQ(FourthByteOf(*image, 32, 32), 0xFF);
        EXPECT_EQ(FourthByteOf(*image, 60, 32), c.look == Bright ? 0 : 0xFF);
        EXPECT_EQ(FourthByteOf(*image, 58, 32), 0xFF);  // doubled weight exactly 1: not white
        // On the ellipse (d = 1) and outside it nothing changes.
        const std::pair<int, int> untouched[] = {{0, 32}, {64, 32}, {32, 0}, {32, 64},
                                                 {0, 0},  {64, 0},  {0, 64}, {64, 64}};
        for (auto [x, y] : untouched) {
            EXPECT_EQ(PixelOf(*image, x, y), kGreyRgb) << x << ", " << y;
            EXPECT_EQ(FourthByteOf(*image, x, y), 0xFF);
        }
    }
}

// Weight 1 at strength 0.5: each channel is half the base plus half the
// colour, an exact half for an odd base.
TEST(BlendRing, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        int base, red, blue;
    };
    for (const Case& c : {Case{101, 50, 178}, Case{103, 52, 179}}) {
        auto image = Grey(65, 65, c.base);
        Blend(*image, htOptions, Lit);
        EXPECT_EQ(PixelOf(*image, 60, 32), (Rgb{c.red, c.red, c.blue})) << c.base;
    }
}

// The ellipse is inscribed in the whole rectangle: it reaches the second
// column and row from each side, never the outermost.
TEST(BlendRing, NonSquareControlGetsAnEllipseTouchingAllFourSides) {
    auto image = Grey(152, 222);
    BlendRing(*image, 151, 221, 1.0f, 0xFF0000, false);
    const int midRow = 111, midColumn = 75;
    EXPECT_EQ(PixelOf(*image, 0, midRow), kGreyRgb);
    EXPECT_NE(PixelOf(*image, 1, midRow), kGreyRgb);
    EXPECT_NE(PixelOf(*image, 150, midRow), kGreyRgb);
    EXPECT_EQ(PixelOf(*image, 151, midRow), kGreyRgb);
    EXPECT_EQ(PixelOf(*image, midColumn, 0), kGreyRgb);
    EXPECT_NE(PixelOf(*image, midColumn, 1), kGreyRgb);
    EXPECT_NE(PixelOf(*image, midColumn, 220), kGreyRgb);
    EXPECT_EQ(PixelOf(*image, midColumn, 221), kGreyRgb);
}

TEST(BlendRing, OnePixelWideOrHighIsLeftAlone) {
    const std::pair<int, int> sizes[] = {{1, 65}, {65, 1}, {1, 1}};
    for (auto [w, h] : sizes) {
        auto image = Grey(w, h);
        BlendRing(*image, w - 1, h - 1, 1.0f, 0xFF0000, true);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(PixelOf(*image, x, y), kGreyRgb) << w << "x" << h;
    }
}

// Created in code, the type setter sees a change from the zero type and fills
// in the yellow look.
TEST(BoardHighlight, CreatedInCodeIsAYellowSettingsRing) {
    TBoardHighlight h(nullptr);
    EXPECT_EQ(h.HighlightType(), htSettings);
    EXPECT_EQ(h.RingColor(), 0x00FFFFu);
    EXPECT_EQ(h.RestingStrength(), 0.5f);
    EXPECT_EQ(h.LitStrength(), 0.75f);
    EXPECT_EQ(h.BrightStrength(), 1.0f);
    EXPECT_EQ(h.Width(), 65);
    EXPECT_EQ(h.Height(), 65);
    EXPECT_EQ(h.RestingImage().Width(), 0);  // nothing rendered before a paint

    // A value outside the table is stored but leaves the look alone.
    h.SetHighlightType(static_cast<THighlightType>(3));
    EXPECT_EQ(h.HighlightType(), 3);
    EXPECT_EQ(h.RingColor(), 0x00FFFFu);
    EXPECT_EQ(h.RestingStrength(), 0.5f);
}

TEST_F(RingsOnBoard, PaintShowsTheImageThatHotAndPopupActiveChoose) {
    auto* h = AddHighlight(10, 20, 65, 65, htOptions);
    ShowAndSettle();
    ASSERT_TRUE(h->FirstPaintDone());
    // Ring weight 0.25, doubled in the bright image: each look differs here.
    const int x = 10 + 57, y = 20 + 32;
    const Rgb resting{94, 94, 110}, lit{88, 88, 119}, bright{50, 50, 178};
    EXPECT_EQ(Shown(board, x, y), resting);

    h->Perform(CM_MOUSEENTER, 1, 0);  // hot
    Settle();
    EXPECT_EQ(Shown(board, x, y), lit);
    h->SetPopupActive(true, false);  // hot and active
    Settle();
    EXPECT_EQ(Shown(board, x, y), bright);
    h->ClearHot();  // active only
    Settle();
    EXPECT_FALSE(h->Hot());
    EXPECT_EQ(Shown(board, x, y), lit);
    h->SetPopupActive(false, false);
    Settle();
    EXPECT_EQ(Shown(board, x, y), resting);
}

// Running on its own, the ring images are rendered once at the first paint;
// a designer rebuilds them at every paint.
TEST_F(RingsOnBoard, TypeChangeRepaintsButKeepsTheRingBuiltAtTheFirstPaint) {
    auto* h = AddHighlight<TCountingHighlight>(10, 20, 65, 65, htSettings);
    ShowAndSettle();
    const int x = 10 + 60, y = 20 + 32;
    EXPECT_EQ(Shown(board, x, y), (Rgb{178, 178, 50}));

    h->paints = 0;
    h->SetHighlightType(htSettings);
    Settle();
    EXPECT_EQ(h->paints, 0);

    h->SetHighlightType(htOptions);
    Settle();
    EXPECT_GT(h->paints, 0);
    EXPECT_EQ(h->RingColor(), 0xFF0000u);
    EXPECT_EQ(h->RestingStrength(), 0.25f);
    EXPECT_EQ(Shown(board, x, y), (Rgb{178, 178, 50}));  // still yellow
    EXPECT_EQ(PixelOf(h->RestingImage(), 60, 32), (Rgb{178, 178, 50}));

    h->SetDesigning(true);
    h->Invalidate();
    Settle();
    EXPECT_EQ(Shown(board, x, y), (Rgb{75, 75, 139}));  // blue, over the grey again
}

// The images take what the one paint pass drew beneath the highlight so far:
// the picture plus any earlier overlapping highlight.
TEST_F(RingsOnBoard, RingImagesHoldWhatLiesBeneathInThePaintPass) {
    auto* first = AddHighlight(0, 0, 65, 65, htOptions);
    auto* second = AddHighlight(44, 44, 65, 65, htSettings);
    auto* thin = AddHighlight(200, 10, 1, 40, htOptions);
    ShowAndSettle();

    // second's (8, 8) lies outside its own ellipse, on first's ring at (52, 52).
    const Rgb firstsRing = PixelOf(first->RestingImage(), 52, 52);
    ASSERT_NE(firstsRing, kGreyRgb);
    EXPECT_EQ(PixelOf(second->RestingImage(), 8, 8), firstsRing);
    EXPECT_EQ(PixelOf(second->LitImage(), 8, 8), firstsRing);
    EXPECT_EQ(PixelOf(second->BrightImage(), 8, 8), firstsRing);
    // Its far corner lies beyond first: the picture alone.
    EXPECT_EQ(PixelOf(second->RestingImage(), 64, 0), kGreyRgb);
    // And first, earlier in the child order, saw only the picture.
    EXPECT_EQ(PixelOf(first->RestingImage(), 64, 64), kGreyRgb);

    // One pixel wide: no ring, only the copy of what lies beneath.
    ASSERT_EQ(thin->RestingImage().Width(), 1);
    ASSERT_EQ(thin->RestingImage().Height(), 40);
    for (int row = 0; row < 40; ++row) EXPECT_EQ(PixelOf(thin->BrightImage(), 0, row), kGreyRgb);
}

// Only a parent of exactly the board image class lends its menu.
TEST_F(RingsOnBoard, FirstPaintTakesTheMenuOnlyFromABoardImage) {
    struct TDerivedBoard : TBoardImage {
        using TBoardImage::TBoardImage;
    };
    auto* menu = new TMainMenu(form);
    board->SetMenu(menu);
    auto* onBoard = AddHighlight(0, 0, 65, 65, htOptions);
    auto* derived = new TDerivedBoard(form);
    derived->SetParent(form);
    derived->SetCenterOnForm(false);
    derived->SetMenu(menu);
    derived->SetAutoSize(false);
    derived->SetBounds(310, 0, 80, 80);
    auto* onDerived = new TBoardHighlight(form);
    onDerived->SetParent(derived);
    ShowAndSettle();

    EXPECT_EQ(onBoard->BoardMenu(), menu);
    ASSERT_TRUE(onDerived->FirstPaintDone());
    EXPECT_EQ(onDerived->BoardMenu(), nullptr);
    EXPECT_EQ(onDerived->RestingImage().Width(), 65);  // rendered all the same
}
