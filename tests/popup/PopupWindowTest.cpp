// The popup window: its layout around the description panel, where it opens,
// how it is found again, how it closes and what its activation does.
#include <gtest/gtest.h>

#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "platform/ComCtrls.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/WinApi.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"
#include "tests/support/GreyBoard.h"

using namespace vcl;
using namespace setupctrls;

namespace {

// The grey board with its image designed at (142, 80); the first paint
// centres the image in the window.
struct TBoard : testsupport::TGreyBoard {
    TBoard() : TGreyBoard(TPoint{142, 80}) {}

    TRadioPanel* Panel(const char* name, int left, int top, int width, int height) {
        auto* p = new TRadioPanel(form);
        p->SetName(name);
        p->SetParent(form);
        p->SetBounds(left, top, width, height);
        p->Lines()->Add(String("About ") + name);
        p->Lines()->Add("Second line");
        return p;
    }

    TBoardHighlight* Add(const char* name, const char* title, TRadioPanel* panel,
                         THighlightType type = htSettings, int left = 10) {
        auto* h = new TBoardHighlight(form);
        h->SetName(name);
        h->SetTitle(title);
        h->SetHighlightType(type);
        h->SetParent(image);
        h->SetBounds(left, 10, 40, 40);
        h->SetRadioPanel(panel);
        return h;
    }

    TPopupForm* Open(TBoardHighlight* h) {
        h->Perform(CM_MOUSEENTER, 0, 0);
        return h->PopupForm();
    }
};

using testsupport::Child;

}  // namespace

TEST(PopupWindow, LayoutAroundThePanel) {
    struct Row {
        int panelWidth, panelHeight;
        int clientWidth, clientHeight;
        TRect memo, previous, next, done, status;
    };
    const Row rows[] = {
        {313, 161, 313, 270, Bounds(6, 162, 301, 58), Bounds(6, 226, 58, 25),
         Bounds(127, 226, 58, 25), Bounds(249, 226, 58, 25), Bounds(0, 251, 313, 19)},
        {345, 89, 345, 198, Bounds(6, 90, 333, 58), Bounds(6, 154, 58, 25),
         Bounds(143, 154, 58, 25), Bounds(281, 154, 58, 25), Bounds(0, 179, 345, 19)},
        {201, 9, 201, 118, Bounds(6, 10, 189, 58), Bounds(6, 74, 58, 25), Bounds(71, 74, 58, 25),
         Bounds(137, 74, 58, 25), Bounds(0, 99, 201, 19)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.panelWidth << "x" << row.panelHeight);
        TBoard b;
        TRadioPanel* panel = b.Panel("PowerPanel", 264, 416, row.panelWidth, row.panelHeight);
        panel->SetFinalAnchors(akLeft | akTop | akRight);
        TBoardHighlight* h = b.Add("PowerHighlight0", "Main/VBB &Power", panel);
        b.Paint();
        TPopupForm* popup = b.Open(h);
        ASSERT_NE(popup, nullptr);

        EXPECT_TRUE(popup->Visible());
        EXPECT_EQ(popup->Highlight(), h);
        EXPECT_EQ(popup->Owner(), h);
        EXPECT_EQ(popup->Caption(), "Main/VBB Power");
        EXPECT_EQ(popup->Tag(), htSettings);
        EXPECT_EQ(popup->BorderStyle(), bsSizeToolWin);
        EXPECT_EQ(popup->FormStyle(), fsStayOnTop);
        EXPECT_FALSE(popup->AutoScroll());
        EXPECT_EQ(popup->ClientWidth(), row.clientWidth);
        EXPECT_EQ(popup->ClientHeight(), row.clientHeight);
        EXPECT_EQ(popup->Constraints(), (TSizeConstraints{popup->Width(), popup->Height(), 0, 0}));

        // The panel, moved in at the top left, and then the parts in order.
        std::vector<String> children;
        for (int i = 0; i < popup->ControlCount(); ++i)
            children.push_back(popup->Controls(i)->Name());
        EXPECT_EQ(children, (std::vector<String>{"PowerPanel", "PopupStatus", "PreviousButton",
                                                 "NextButton", "DoneButton", "StatusMemo"}));
        EXPECT_EQ(panel->Parent(), popup);
        EXPECT_EQ(panel->Owner(), b.form);
        EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, row.panelWidth, row.panelHeight));
        EXPECT_TRUE(panel->Visible());
        EXPECT_EQ(panel->Anchors(), akLeft | akTop | akRight);
        EXPECT_TRUE(panel->InPopup());
        EXPECT_EQ(popup->Window()->focusWidget(), panel->Widget());

        auto* memo = Child<TMemo>(popup, "StatusMemo");
        auto* previous = Child<TButton>(popup, "PreviousButton");
        auto* next = Child<TButton>(popup, "NextButton");
        auto* done = Child<TButton>(popup, "DoneButton");
        auto* status = Child<TStatusBar>(popup, "PopupStatus");
        ASSERT_TRUE(memo && previous && next && done && status);
        EXPECT_EQ(popup->PopupStatus, status);
        EXPECT_EQ(memo->BoundsRect(), row.memo);
        EXPECT_EQ(previous->BoundsRect(), row.previous);
        EXPECT_EQ(next->BoundsRect(), row.next);
        EXPECT_EQ(done->BoundsRect(), row.done);
        EXPECT_EQ(status->BoundsRect(), row.status);
        EXPECT_EQ(memo->Anchors(), akLeft | akTop | akRight | akBottom);
        EXPECT_EQ(previous->Anchors(), akLeft | akBottom);
        EXPECT_EQ(next->Anchors(), akBottom);
        EXPECT_EQ(done->Anchors(), akRight | akBottom);
        EXPECT_EQ(status->Anchors(), akLeft | akRight | akBottom);
        EXPECT_EQ(previous->Caption(), "Previous");
        EXPECT_EQ(next->Caption(), "Next");
        EXPECT_EQ(done->Caption(), "Done");

        EXPECT_TRUE(memo->ReadOnly());
        EXPECT_EQ(memo->ScrollBars(), ssVertical);
        EXPECT_EQ(memo->Text(), "About PowerPanel\r\nSecond line\r\n");
        EXPECT_EQ(panel->Memo(), memo);
        EXPECT_EQ(status->Align(), alNone);
        ASSERT_EQ(status->PanelCount(), 1);
        EXPECT_EQ(status->Panels(0).Bevel, pbNone);
    }
}

TEST(PopupWindow, WithoutAPanelOpensBelowTheBoardImage) {
    TBoard b;
    TBoardHighlight* h = b.Add("Plain", "&Plain", nullptr);
    b.Paint();
    TPopupForm* popup = b.Open(h);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 141);
    EXPECT_EQ(popup->Left(), b.image->Left());
    EXPECT_EQ(popup->Top(), b.image->Top() + b.image->Height() + 38);
    auto* memo = Child<TMemo>(popup, "StatusMemo");
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Height(), 58);
    EXPECT_EQ(memo->Text(), "");
    EXPECT_EQ(memo->Top(), Child<TButton>(popup, "DoneButton")->Top() - 6 - 58);
    EXPECT_EQ(popup->Window()->focusWidget(), Child<TButton>(popup, "DoneButton")->Widget());
}

TEST(PopupWindow, ASmallPanelOpensAtTheMinimumSize) {
    TBoard b;
    TRadioPanel* panel = b.Panel("TinyPanel", 264, 100, 100, 9);
    panel->SetMemoHeight(20);
    TBoardHighlight* h = b.Add("TinyHighlight", "&Tiny", panel);
    b.Paint();
    TPopupForm* popup = b.Open(h);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->Width(), 194);
    EXPECT_EQ(popup->Height(), 122);
    EXPECT_EQ(popup->Constraints(), (TSizeConstraints{194, 122, 0, 0}));
    const int cw = popup->ClientWidth();
    const int ch = popup->ClientHeight();
    EXPECT_EQ(Child<TMemo>(popup, "StatusMemo")->BoundsRect(), Bounds(6, ch - 70, cw - 12, 20));
    EXPECT_EQ(Child<TButton>(popup, "DoneButton")->BoundsRect(), Bounds(cw - 64, ch - 44, 58, 25));
}

// Where a popup with a panel opens: where the panel was designed relative to
// the board image, moved as far as the image moved, then kept on the screen.
TEST(PopupWindow, PlacementFollowsTheBoardImageAndStaysOnTheScreen) {
    struct Where {
        int L, T, W, H, screenW, screenH;
    };
    struct Row {
        const char* name;
        int panelLeft, panelTop;
        std::function<TPoint(const Where&)> expected;
    };
    const Row rows[] = {
        {"designed place", 264, 416,
         [](const Where& w) {
             return TPoint{w.L + 122, w.T + 336};
         }},
        {"left of the screen", -72, 416,
         [](const Where& w) {
             return TPoint{0, w.T + 336};
         }},
        {"right of the screen", 2000, 416,
         [](const Where& w) {
             return TPoint{w.screenW - w.W, w.T + 336};
         }},
        {"above the screen", 264, -400,
         [](const Where& w) {
             return TPoint{w.L + 122, 0};
         }},
        {"below the screen", 264, 2000,
         [](const Where& w) {
             return TPoint{w.L + 122, w.screenH - w.H};
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TBoard b;
        TRadioPanel* panel = b.Panel("LedPanel", row.panelLeft, row.panelTop, 201, 9);
        TBoardHighlight* h = b.Add("LedHighlight", "Power/Activity &LED", panel);
        b.Paint();
        ASSERT_EQ(b.image->DesignLeft(), 142);
        ASSERT_EQ(b.image->DesignTop(), 80);
        ASSERT_NE(b.image->Left(), 142);  // centring moved it
        TPopupForm* popup = b.Open(h);
        ASSERT_NE(popup, nullptr);
        const Where w{b.image->Left(), b.image->Top(),      popup->Width(),
                      popup->Height(), b.app.ScreenWidth(), b.app.ScreenHeight()};
        const TPoint expected = row.expected(w);
        EXPECT_EQ(popup->Left(), expected.X);
        EXPECT_EQ(popup->Top(), expected.Y);
    }
}

TEST(PopupWindow, ReopensWhereTheUserLeftItAndUnpinned) {
    TBoard b;
    TRadioPanel* panel = b.Panel("IPPanel", 264, 200, 345, 89);
    TBoardHighlight* h = b.Add("IPHighlight", "&IP Address", panel);
    b.Paint();
    TPopupForm* popup = b.Open(h);
    h->Click();
    ASSERT_TRUE(h->Pinned());
    TMemo* memo = panel->Memo();
    const int forms = b.app.FormCount();

    const TRect moved =
        Bounds(popup->Left() + 40, popup->Top() + 30, popup->Width() + 50, popup->Height() + 20);
    popup->SetBounds(moved.Left, moved.Top, moved.Width(), moved.Height());
    popup->Close();
    ASSERT_FALSE(popup->Visible());
    EXPECT_TRUE(h->Pinned());  // until shown again

    EXPECT_EQ(b.Open(h), popup);
    EXPECT_TRUE(popup->Visible());
    EXPECT_FALSE(h->Pinned());
    EXPECT_EQ(popup->BoundsRect(), moved);
    EXPECT_EQ(panel->Memo(), memo);
    EXPECT_EQ(b.app.FormCount(), forms);
}

// Another form with the same caption and a tag equal to the type's ordinal
// is taken for the link group's window, so none is built.
TEST(PopupWindow, AFormWithTheSameCaptionAndTagSuppressesTheBuild) {
    struct Row {
        THighlightType type;
        bool built;
    };
    for (const Row row : {Row{htOptions, false}, Row{htSettings, true}}) {
        SCOPED_TRACE(static_cast<int>(row.type));
        TBoard b;
        b.form->SetCaption("Setup");
        TBoardHighlight* h = b.Add("SetupHighlight", "&Setup", nullptr, row.type);
        b.Paint();
        const int forms = b.app.FormCount();
        b.Open(h);
        EXPECT_TRUE(h->Hot());
        EXPECT_EQ(h->PopupForm() != nullptr, row.built);
        EXPECT_EQ(b.app.FormCount(), forms + (row.built ? 1 : 0));
    }
}

TEST(PopupWindow, EveryCloseRouteOnlyHidesTheWindow) {
    struct Row {
        const char* name;
        std::function<void(TPopupForm*)> close;
    };
    const Row rows[] = {
        {"Done",
         [](TPopupForm* p) {
             QTest::mouseClick(Child<TButton>(p, "DoneButton")->Widget(), Qt::LeftButton);
         }},
        {"form close", [](TPopupForm* p) { p->Close(); }},
        {"close box", [](TPopupForm* p) { p->Window()->close(); }},
        {"Previous",
         [](TPopupForm* p) {
             QTest::mouseClick(Child<TButton>(p, "PreviousButton")->Widget(), Qt::LeftButton);
         }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TBoard b;
        TRadioPanel* panel = b.Panel("PowerPanel", 264, 100, 313, 161);
        TBoardHighlight* h = b.Add("PowerHighlight0", "Main/VBB &Power", panel);
        // Another entry of the same menu group for Previous to go to.
        b.Add("IPHighlight", "&IP Address", nullptr, htSettings, 60);
        b.Paint();
        TPopupForm* popup = b.Open(h);
        h->Click();

        row.close(popup);
        EXPECT_FALSE(popup->Visible());
        EXPECT_FALSE(h->Hot());
        EXPECT_EQ(h->PopupForm(), popup);
        bool listed = false;
        for (int i = 0; i < b.app.FormCount(); ++i) listed = listed || b.app.Forms(i) == popup;
        EXPECT_TRUE(listed);
        for (const char* name :
             {"PopupStatus", "PreviousButton", "NextButton", "DoneButton", "StatusMemo"})
            EXPECT_EQ(popup->FindComponent(name)->Owner(), popup) << name;
        EXPECT_EQ(panel->Parent(), popup);
        EXPECT_EQ(panel->Memo(), popup->FindComponent("StatusMemo"));
    }
}

// The window, its parts and the panel it took over go with the highlight.
TEST(PopupWindow, DestroyingTheHighlightDestroysTheWindowAndThePanel) {
    TBoard b;
    TRadioPanel* panel = b.Panel("PowerPanel", 264, 100, 313, 161);
    TBoardHighlight* h = b.Add("PowerHighlight0", "Main/VBB &Power", panel);
    b.Paint();
    TPopupForm* popup = b.Open(h);
    const int forms = b.app.FormCount();
    ASSERT_EQ(b.form->FindComponent("PowerPanel"), panel);
    delete h;
    EXPECT_EQ(b.app.FormCount(), forms - 1);
    for (int i = 0; i < b.app.FormCount(); ++i) EXPECT_NE(b.app.Forms(i), popup);
    EXPECT_EQ(b.form->FindComponent("PowerPanel"), nullptr);
}

TEST(PopupWindow, ActivationLightsTheLinkGroupAndRaisesThePanelEvents) {
    TBoard b;
    TRadioPanel* panel = b.Panel("PowerPanel", 264, 100, 313, 161);
    std::vector<std::string> log;
    panel->OnActivate = [&](TObject* s) { log.push_back(s == panel->Parent() ? "activate" : "?"); };
    panel->OnDeactivate = [&](TObject* s) {
        log.push_back(s == panel->Parent() ? "deactivate" : "?");
    };
    TBoardHighlight* h0 = b.Add("PowerHighlight0", "Main/VBB &Power", panel);
    TBoardHighlight* h1 = b.Add("PowerHighlight1", "Main/VBB &Power", panel, htSettings, 60);
    TBoardHighlight* led = b.Add("LedHighlight", "Power/Activity &LED", nullptr, htSettings, 110);
    b.Paint();
    auto active = [&] {
        return std::string(h0->PopupActive() ? "1" : "0") + (h1->PopupActive() ? "1" : "0") +
               (led->PopupActive() ? "1" : "0");
    };

    TPopupForm* popup = b.Open(h0);
    EXPECT_EQ(active(), "110");  // before the opening returned
    EXPECT_EQ(log, (std::vector<std::string>{"activate"}));

    b.form->Show();  // the user works in the main window
    EXPECT_EQ(active(), "000");
    EXPECT_TRUE(h0->Hot() && h1->Hot());
    popup->SetFocus();
    EXPECT_EQ(active(), "110");
    popup->Close();
    EXPECT_EQ(active(), "000");
    EXPECT_EQ(log, (std::vector<std::string>{"activate", "deactivate", "activate", "deactivate"}));

    // Only the low word of the first parameter tells activation.
    popup->Perform(WM_ACTIVATE, 2, 0);  // activated by a click
    EXPECT_EQ(active(), "110");
    popup->Perform(WM_ACTIVATE, 0x10000, 0);
    EXPECT_EQ(active(), "000");
}
