// The description panel: its text and anchors before and after a popup
// window takes it over, and its design-time hiding.
#include <gtest/gtest.h>

#include "platform/Forms.h"
#include "platform/StdCtrls.h"
#include "platform/Strings.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "setupctrls/RadioPanel.h"

using namespace vcl;
using namespace setupctrls;

namespace {

// A main window with a board image, one highlight and its panel, which
// waits hidden on the main window until the highlight opens its popup.
struct TBoard {
    TApplication app;
    TForm* form = new TForm(&app);
    TBoardImage* image = new TBoardImage(form);
    TRadioPanel* panel = new TRadioPanel(form);
    TBoardHighlight* highlight = new TBoardHighlight(form);

    TBoard() {
        form->SetPosition(poDesigned);
        form->SetBounds(0, 0, 400, 300);
        image->SetParent(form);
        panel->SetName("IPPanel");
        panel->SetParent(form);
        panel->SetBounds(20, 200, 345, 89);
        highlight->SetTitle("&IP Address");
        highlight->SetParent(image);
        highlight->SetRadioPanel(panel);
    }
    TPopupForm* Open() {
        highlight->Perform(CM_MOUSEENTER, 0, 0);
        return highlight->PopupForm();
    }
};

}  // namespace

TEST(RadioPanel, StartsHiddenWithDefaults) {
    TRadioPanel panel(nullptr);
    EXPECT_FALSE(panel.Visible());
    EXPECT_EQ(panel.Width(), 194);
    EXPECT_EQ(panel.Height(), 100);
    EXPECT_EQ(panel.BevelOuter(), bvNone);
    EXPECT_EQ(panel.MemoHeight(), 58);
    EXPECT_EQ(panel.Anchors(), akLeft | akTop);
    EXPECT_EQ(panel.FinalAnchors(), akLeft | akTop);
    EXPECT_EQ(panel.Lines()->Count(), 0);
    EXPECT_EQ(panel.Memo(), nullptr);
    EXPECT_FALSE(panel.InPopup());
    EXPECT_FALSE(panel.RadioEnabled());
    EXPECT_FALSE(panel.DesignHidden());
}

TEST(RadioPanel, TakeOverSetsMemoAndAnchorsOnce) {
    TBoard b;
    b.panel->Lines()->SetText("Connect to the board.\r\nThen change its address.");
    b.panel->SetFinalAnchors(akLeft | akTop | akRight | akBottom);
    EXPECT_EQ(b.panel->Anchors(), akLeft | akTop);  // not yet in a popup
    EXPECT_EQ(b.panel->Memo(), nullptr);

    TPopupForm* popup = b.Open();
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(b.panel->InPopup());
    EXPECT_EQ(b.panel->Anchors(), akLeft | akTop | akRight | akBottom);
    ASSERT_EQ(b.panel->Memo(), popup->FindComponent("StatusMemo"));
    EXPECT_EQ(b.panel->Memo()->Text(), "Connect to the board.\r\nThen change its address.\r\n");

    // In the popup the anchors follow at once; the text was copied once.
    b.panel->SetFinalAnchors(akLeft | akBottom);
    EXPECT_EQ(b.panel->Anchors(), akLeft | akBottom);
    b.panel->Lines()->Add("Added later");
    EXPECT_EQ(b.panel->Memo()->Text(), "Connect to the board.\r\nThen change its address.\r\n");
}

TEST(RadioPanel, LinesAreCopiedFromAnotherList) {
    TRadioPanel panel(nullptr);
    panel.Lines()->Add("old");
    TStringList source;
    source.Add("first");
    source.Add("second");
    panel.SetLines(source);
    source.Clear();
    source.Add("changed");
    ASSERT_EQ(panel.Lines()->Count(), 2);
    EXPECT_EQ((*panel.Lines())[0], "first");
    EXPECT_EQ((*panel.Lines())[1], "second");
    panel.Lines()->Put(1, "edited in place");
    EXPECT_EQ((*panel.Lines())[1], "edited in place");
}

// Deleting the panel leaves the popup's memo, which the window owns.
TEST(RadioPanel, DestroyingThePanelLeavesTheMemo) {
    TBoard b;
    TPopupForm* popup = b.Open();
    TMemo* memo = b.panel->Memo();
    delete b.panel;
    ASSERT_EQ(popup->FindComponent("StatusMemo"), memo);
    memo->Lines()->Add("still there");
    EXPECT_EQ(memo->Parent(), popup);
}

TEST(RadioPanel, DesignTimePaintHidesThePanelOnce) {
    struct TCountingPanel : TRadioPanel {
        using TRadioPanel::TRadioPanel;
        int paints = 0;
        void Paint() override {
            ++paints;
            TRadioPanel::Paint();
        }
    };
    for (bool designing : {false, true}) {
        SCOPED_TRACE(designing);
        TApplication app;
        auto* form = new TForm(&app);
        auto* panel = new TCountingPanel(form);
        panel->SetParent(form);
        panel->SetDesigning(designing);
        panel->SetVisible(true);
        form->Show();
        app.ProcessMessages();
        ASSERT_GE(panel->paints, 1);
        EXPECT_EQ(panel->Visible(), !designing);
        EXPECT_EQ(panel->DesignHidden(), designing);

        // Shown again by hand: later paints leave it alone.
        panel->SetVisible(true);
        const int paints = panel->paints;
        panel->Invalidate();
        app.ProcessMessages();
        ASSERT_GT(panel->paints, paints);
        EXPECT_TRUE(panel->Visible());
    }
}
