#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/Graphics.h"
#include "platform/Menus.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"

using namespace vcl;
using namespace setupctrls;

namespace {

constexpr QRgb kGrey = 0xFF646464u;  // red, green and blue 100

std::unique_ptr<TBitmap> Grey(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>(width, height);
    bitmap->Image().fill(kGrey);
    return bitmap;
}

// Lets every scheduled repaint and move run.
void Settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

QRgb ShownPixel(TWinControl* control, int x, int y) {
    return control->Widget()->grab().toImage().pixel(x, y) | 0xFF000000u;
}

// A graphic that is not a bitmap: icons and metafiles keep their own
// transparency. Drawing runs a probe, which may throw.
struct TFakeIcon : TGraphic {
    TFakeIcon(int w, int h, bool transparent) : w(w), h(h) { SetTransparent(transparent); }
    int Width() const override { return w; }
    int Height() const override { return h; }
    bool IsMetafileOrIcon() const override { return true; }
    void Draw(TCanvas&, const TRect&) override {
        if (onDraw) onDraw();
    }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TFakeIcon>(*this); }
    int w, h;
    std::function<void()> onDraw;
};

struct TCountingBoard : TBoardImage {
    using TBoardImage::TBoardImage;
    // Public here, so a test may also call it outside a paint pass.
    void Paint() override {
        ++paints;
        TBoardImage::Paint();
    }
    int paints = 0;
};

// Records the messages and clicks that reach it; no popup.
struct TLoggingHighlight : TBoardHighlight {
    explicit TLoggingHighlight(TComponent* owner) : TBoardHighlight(owner) { SetCreatePopup(false); }
    void WndProc(TMessage& message) override {
        if (message.Msg == CM_MOUSEENTER) log.push_back("enter " + std::to_string(message.WParam));
        if (message.Msg == CM_MOUSELEAVE) log.push_back("leave " + std::to_string(message.WParam));
        TBoardHighlight::WndProc(message);
    }
    void Click() override {
        log.push_back("click");
        TBoardHighlight::Click();
    }
    std::vector<std::string> log;
};

class BoardImageTest : public ::testing::Test {
protected:
    BoardImageTest() {
        form = new TForm(&app);
        form->SetBounds(0, 0, 873, 751);
    }
    // A board image on the form holding a uniform grey picture.
    template <class T = TBoardImage>
    T* AddBoard(int left, int top, int pictureWidth, int pictureHeight) {
        auto* board = new T(form);
        board->SetParent(form);
        board->SetLeft(left);
        board->SetTop(top);
        board->Picture()->SetGraphic(Grey(pictureWidth, pictureHeight).get());
        return board;
    }
    void ShowAndSettle() {
        form->Show();
        Settle();
    }

    TApplication app;
    TForm* form;
};

}  // namespace

// The parent's outer size counts, frame and menu bar included; each half is
// truncated toward zero.
TEST_F(BoardImageTest, CentresInTheParentsOuterSizeTruncatingTowardZero) {
    auto* menu = new TMainMenu(form);
    auto* file = new TMenuItem(form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    form->SetMenu(menu);
    auto* board = AddBoard(142, 80, 600, 536);
    ShowAndSettle();
    ASSERT_LT(form->ClientHeight(), form->Height());  // the menu bar is not client area

    struct Case {
        int formWidth, formHeight, left, top;
    };
    const Case cases[] = {
        {873, 751, 136, 107},
        {599, 600, 0, 32},   // -1 / 2 is 0
        {595, 525, -2, -5},  // -5 / 2 and -11 / 2
        {601, 537, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.formWidth << " x " << c.formHeight);
        form->SetBounds(0, 0, c.formWidth, c.formHeight);
        ASSERT_EQ(form->Width(), c.formWidth);
        ASSERT_EQ(form->Height(), c.formHeight);
        board->Update();
        Settle();
        EXPECT_EQ(board->Left(), c.left);
        EXPECT_EQ(board->Top(), c.top);
    }
}

TEST_F(BoardImageTest, FirstPaintRecordsTheDesignedPositionBeforeCentring) {
    auto* board = AddBoard(142, 80, 600, 536);
    auto* fixed = AddBoard(20, 30, 50, 40);
    fixed->SetCenterOnForm(false);
    EXPECT_FALSE(board->FirstPaintDone());
    ShowAndSettle();

    EXPECT_TRUE(board->FirstPaintDone());
    EXPECT_EQ(board->DesignLeft(), 142);
    EXPECT_EQ(board->DesignTop(), 80);
    // Showing may add a window frame to the outer size; centring uses it.
    EXPECT_EQ(board->Left(), (form->Width() - 600) / 2);
    EXPECT_EQ(board->Top(), (form->Height() - 536) / 2);

    form->SetBounds(0, 0, 901, 800);
    board->Update();
    Settle();
    EXPECT_EQ(board->Left(), 150);
    EXPECT_EQ(board->DesignLeft(), 142);
    EXPECT_EQ(board->DesignTop(), 80);

    // Not centring: the control stays where it was designed.
    EXPECT_TRUE(fixed->FirstPaintDone());
    EXPECT_EQ(fixed->Left(), 20);
    EXPECT_EQ(fixed->Top(), 30);
    EXPECT_EQ(fixed->DesignLeft(), 20);
}

TEST_F(BoardImageTest, DrawingRectangleFollowsStretchThenCenter) {
    struct Case {
        bool stretch, center;
        int pictureWidth, pictureHeight;
        TRect expected;
    };
    const Case cases[] = {
        {true, true, 110, 90, Rect(0, 0, 105, 105)},      // Stretch wins
        {true, false, 40, 30, Rect(0, 0, 105, 105)},
        {false, true, 110, 110, Rect(-2, -2, 108, 108)},  // -5 / 2 is -2, not -3
        {false, true, 50, 41, Rect(27, 32, 77, 73)},
        {false, false, 110, 90, Rect(0, 0, 110, 90)},     // natural size, top left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.stretch << c.center << " " << c.pictureWidth);
        auto* board = new TBoardImage(form);
        board->SetAutoSize(false);
        board->SetBounds(0, 0, 105, 105);
        board->SetStretch(c.stretch);
        board->SetCenter(c.center);
        board->Picture()->SetGraphic(Grey(c.pictureWidth, c.pictureHeight).get());
        EXPECT_EQ(board->DestRect(), c.expected);
        delete board;
    }

    // And the paint draws there: picture column 2 lands in control column 0.
    auto* board = AddBoard<TBoardImage>(0, 0, 110, 110);
    board->SetCenterOnForm(false);
    board->SetAutoSize(false);
    board->SetBounds(0, 0, 105, 105);
    auto marked = Grey(110, 110);
    for (int y = 0; y < 110; ++y) marked->Image().setPixel(2, y, 0xFF00FF00u);
    board->Picture()->SetGraphic(marked.get());
    board->SetCenter(true);
    ShowAndSettle();
    EXPECT_EQ(ShownPixel(board, 0, 50), 0xFF00FF00u);
    EXPECT_EQ(ShownPixel(board, 1, 50), kGrey);
}

// Opaque means the paint pass may skip erasing the background.
TEST_F(BoardImageTest, OpaqueOnlyWhenAnOpaqueGraphicCoversTheControl) {
    enum Kind { Bitmap, Icon, Cleared };
    struct Case {
        const char* name;
        Kind kind;
        bool boardTransparent, stretch;
        int graphicWidth, graphicHeight;
        bool iconTransparent;
        bool opaque;
    };
    const Case cases[] = {
        {"stretched bitmap", Bitmap, false, true, 10, 10, false, true},
        {"transparent bitmap, stretched", Bitmap, true, true, 100, 100, false, false},
        {"bitmap exactly the control's size", Bitmap, false, false, 100, 80, false, true},
        {"bitmap one column short", Bitmap, false, false, 99, 80, false, false},
        {"bitmap one row short", Bitmap, false, false, 100, 79, false, false},
        {"transparent icon keeps its transparency", Icon, false, true, 100, 80, true, false},
        {"opaque icon ignores Transparent", Icon, true, true, 100, 80, false, true},
        {"no graphic", Cleared, false, true, 100, 80, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* board = new TBoardImage(form);
        board->SetAutoSize(false);
        board->SetBounds(0, 0, 100, 80);
        board->SetStretch(c.stretch);
        board->SetTransparent(c.boardTransparent);
        if (c.kind == Icon) {
            TFakeIcon icon(c.graphicWidth, c.graphicHeight, c.iconTransparent);
            board->Picture()->SetGraphic(&icon);
            EXPECT_EQ(board->Picture()->Graphic()->Transparent(), c.iconTransparent);
        } else {
            board->Picture()->SetGraphic(Grey(c.graphicWidth, c.graphicHeight).get());
            EXPECT_EQ(board->Picture()->Graphic()->Transparent(), c.boardTransparent);
        }
        if (c.kind == Cleared) {
            ASSERT_TRUE(board->Opaque());
            board->Picture()->SetGraphic(nullptr);
        }
        EXPECT_EQ(board->Opaque(), c.opaque);
        delete board;
    }
}

TEST_F(BoardImageTest, PictureSetsAspectRatioAndSizeAndClearingKeepsTheRatio) {
    auto* board = new TBoardImage(form);
    board->SetParent(form);
    board->SetCenterOnForm(false);
    board->SetLeft(142);
    board->SetTop(80);
    EXPECT_EQ(board->AspectRatio(), 1.0);
    board->Picture()->SetGraphic(Grey(600, 536).get());
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 536.0 / 600.0);
    EXPECT_EQ(board->BoundsRect(), Bounds(142, 80, 600, 536));

    ShowAndSettle();
    EXPECT_EQ(ShownPixel(board, 300, 200), kGrey);

    board->Picture()->SetGraphic(nullptr);
    Settle();
    EXPECT_DOUBLE_EQ(board->AspectRatio(), 536.0 / 600.0);
    EXPECT_EQ(board->BoundsRect(), Bounds(142, 80, 600, 536));
    EXPECT_FALSE(board->Opaque());
    // Nothing drawn: the background in the control's colour shows.
    const TColor face = board->Color();
    EXPECT_EQ(ShownPixel(board, 300, 200), qRgb(GetRValue(face), GetGValue(face), GetBValue(face)));
}

// With AutoSize on, the picture's size is imposed only along the axes the
// alignment leaves free.
TEST_F(BoardImageTest, AutoSizeFollowsThePictureAlongTheFreeAxes) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 300, 200);
    struct Case {
        const char* name;
        TAlign align;
        bool picture, designing;
        TRect expected;
    };
    const Case cases[] = {
        {"none", alNone, true, false, Bounds(7, 9, 120, 80)},
        {"top", alTop, true, false, Bounds(0, 0, 300, 80)},
        {"bottom", alBottom, true, false, Bounds(0, 120, 300, 80)},
        {"left", alLeft, true, false, Bounds(0, 0, 120, 200)},
        {"right", alRight, true, false, Bounds(180, 0, 120, 200)},
        {"client", alClient, true, false, Bounds(0, 0, 300, 200)},
        {"designing without a picture", alNone, false, true, Bounds(7, 9, 50, 60)},
        {"running without a picture", alNone, false, false, Bounds(7, 9, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto* board = new TBoardImage(form);
        board->SetDesigning(c.designing);
        board->SetParent(panel);
        ASSERT_TRUE(board->AutoSize());
        if (c.picture) board->Picture()->SetGraphic(Grey(120, 80).get());
        board->SetAlign(c.align);
        board->SetBounds(7, 9, 50, 60);
        EXPECT_EQ(board->BoundsRect(), c.expected);
        delete board;
    }
}

TEST_F(BoardImageTest, SettersGivenTheCurrentValueScheduleNoRepaint) {
    auto* board = AddBoard<TCountingBoard>(0, 0, 200, 150);
    board->SetStretch(true);
    ShowAndSettle();
    ASSERT_GT(board->paints, 0);

    board->paints = 0;
    board->SetStretch(true);
    board->SetCenter(false);
    board->SetTransparent(false);
    board->SetScale(true);
    Settle();
    EXPECT_EQ(board->paints, 0);

    // A real change does repaint, so the count above means something.
    board->SetCenter(true);
    Settle();
    EXPECT_GT(board->paints, 0);
    EXPECT_TRUE(board->Center());
}

// The tour start hands its own parameters (0, 0) on: not the passed-on
// marker, so First's linked highlights are reached too.
TEST_F(BoardImageTest, TourStartRunsEnterClickLeaveOnFirst) {
    auto* board = AddBoard(0, 0, 300, 200);
    auto* first = new TLoggingHighlight(form);
    first->SetParent(board);
    auto* other = new TLoggingHighlight(form);
    other->SetParent(board);
    other->SetLeft(100);
    ShowAndSettle();

    // No First: nothing at all happens.
    EXPECT_EQ(board->Perform(WM_STARTTOUR, 0, 0), 0);
    EXPECT_TRUE(first->log.empty());
    EXPECT_TRUE(other->log.empty());

    board->SetFirst(first);
    board->Perform(WM_STARTTOUR, 0, 0);
    EXPECT_EQ(first->log, (std::vector<std::string>{"enter 0", "click", "leave 0"}));
    EXPECT_TRUE(other->log.empty());
}

// Design mode: Scale keeps Height = Width x AspectRatio (halves to even), a
// dashed frame is drawn and the control is not centred.
TEST_F(BoardImageTest, DesignModeScalesTheHeightAndDrawsADashedFrame) {
    auto* board = new TBoardImage(form);
    board->SetParent(form);
    board->SetAutoSize(false);
    board->SetBounds(20, 30, 301, 10);
    // Narrower than the control, so not opaque: the frame's gaps show the
    // erased background.
    board->Picture()->SetGraphic(Grey(200, 100).get());  // aspect ratio 0.5
    ASSERT_FALSE(board->Opaque());
    board->SetDesigning(true);
    ShowAndSettle();
    EXPECT_EQ(board->Height(), 150);  // 150.5
    EXPECT_EQ(board->Left(), 20);
    EXPECT_EQ(board->Top(), 30);

    board->SetWidth(303);
    Settle();
    EXPECT_EQ(board->Height(), 152);  // 151.5

    // The right edge lies beyond the picture: dashes of the pen's black with
    // gaps where the background shows through.
    const QImage shot = board->Widget()->grab().toImage();
    int black = 0;
    for (int y = 0; y < board->Height(); ++y)
        if ((shot.pixel(302, y) & 0xFFFFFFu) == 0) ++black;
    EXPECT_GT(black, 10);
    EXPECT_LT(black, board->Height() - 10);

    // Running on its own: no scaling, no frame.
    board->SetDesigning(false);
    board->SetCenterOnForm(false);
    board->SetHeight(10);
    Settle();
    EXPECT_EQ(board->Height(), 10);
    const QImage plain = board->Widget()->grab().toImage();
    for (int y = 0; y < 10; ++y) EXPECT_NE(plain.pixel(302, y) & 0xFFFFFFu, 0u) << y;
}

TEST_F(BoardImageTest, PaintingIsSetWhileDrawingAndRestoredOnFailure) {
    auto* board = new TCountingBoard(form);
    TFakeIcon icon(10, 10, false);
    bool paintingSeen = false;
    icon.onDraw = [&] {
        paintingSeen = board->Painting();
        throw std::runtime_error("draw failed");
    };
    board->Picture()->SetGraphic(&icon);
    EXPECT_THROW(board->Paint(), std::runtime_error);
    EXPECT_TRUE(paintingSeen);
    EXPECT_FALSE(board->Painting());
}
