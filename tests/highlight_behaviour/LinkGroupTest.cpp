// How highlights answer the pointer and the mouse button together with their
// link group, driven through the real idle step over a shown board.
#include <gtest/gtest.h>

#include <QCursor>
#include <QTest>
#include <functional>
#include <string>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "platform/WinApi.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"
#include "tests/support/GreyBoard.h"

using namespace vcl;
using namespace setupctrls;

namespace {

// The grey board; highlights added by the test are painted (and so listed in
// the menu) by Paint().
struct TBoard : testsupport::TGreyBoard {
    TBoard() { PointAt(Off()); }

    TBoardHighlight* Add(const char* name, const char* title, THighlightType type, int left,
                         int top = 10) {
        auto* h = new TBoardHighlight(form);
        h->SetName(name);
        h->SetTitle(title);
        h->SetHighlightType(type);
        h->SetParent(image);
        h->SetBounds(left, top, 40, 40);
        return h;
    }

    void PointAt(TPoint p) {
        QCursor::setPos(p.X, p.Y);
        app.ProcessIdle();
    }
    static TPoint Off() { return TPoint{780, 780}; }
    static TPoint CentreOf(const TControl* c) {
        return c->ClientToScreen(TPoint{c->Width() / 2, c->Height() / 2});
    }
    // On the board image, away from every highlight.
    TPoint Space() const { return image->ClientToScreen(TPoint{180, 130}); }

    // A press and release of the left button over a highlight, through the
    // board image's window; the pointer itself is not moved. Clicking into
    // the main window activates it first, as the window system does.
    void ClickOn(const TBoardHighlight* h) {
        form->SetFocus();
        QTest::mouseClick(image->Widget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(h->Left() + h->Width() / 2, h->Top() + h->Height() / 2));
    }

    int FormsCaptioned(const String& caption, std::intptr_t tag) const {
        int n = 0;
        for (int i = 0; i < app.FormCount(); ++i)
            if (app.Forms(i)->Caption() == caption && app.Forms(i)->Tag() == tag) ++n;
        return n;
    }

    TMenuItem* MenuItem(const String& group, const String& caption) const {
        TMenuItem* root = menu->Items();
        for (int i = 0; i < root->Count(); ++i) {
            if (root->Items(i)->Caption() != group) continue;
            for (int j = 0; j < root->Items(i)->Count(); ++j)
                if (root->Items(i)->Items(j)->Caption() == caption) return root->Items(i)->Items(j);
        }
        return nullptr;
    }
};

using testsupport::Child;

// The power pair (A, B), a highlight with the same title but another type (C)
// and the next entry of the power pair's menu group (D).
struct TPowerBoard : TBoard {
    TBoardHighlight* A = Add("PowerHighlight0", "Main/VBB &Power", htSettings, 10);
    TBoardHighlight* B = Add("PowerHighlight1", "Main/VBB &Power", htSettings, 60);
    TBoardHighlight* C = Add("OptionsPower", "Main/VBB &Power", htOptions, 110);
    TBoardHighlight* D = Add("IPHighlight", "&IP Address", htSettings, 150, 60);

    TPowerBoard() {
        image->SetFirst(A);
        Paint();
    }

    // The shared popup window, whichever member built it.
    TPopupForm* Popup() const { return A->PopupForm() ? A->PopupForm() : B->PopupForm(); }
    TPoint InPopup() const { return CentreOf(Child<TMemo>(Popup(), "StatusMemo")); }
    TButton* Button(const char* name) const { return Child<TButton>(Popup(), name); }

    // The link group's state in words: hot members, then the window.
    std::string State() const {
        std::string s = std::string(A->Hot() ? "hot" : "cold") + " " + (B->Hot() ? "hot" : "cold");
        TPopupForm* p = Popup();
        if (!p || !p->Visible()) {
            s += " closed";
            if (p && p->HoverPinned()) s += " hover";
        } else {
            s += " shown";
            if (p->Highlight()->Pinned()) s += " pinned";
            if (p->HoverPinned()) s += " hover";
        }
        if (A->PopupActive() != B->PopupActive())
            s += " active-split";
        else if (A->PopupActive())
            s += " active";
        if (TMenuItem* item = MenuItem("&Settings", "Main/VBB &Power"); item && item->Checked())
            s += " checked";
        return s;
    }
};

const char* const Idle = "cold cold closed";
const char* const Shown = "hot hot shown active";
const char* const HoverPinned = "hot hot shown pinned hover active checked";
const char* const Pinned = "hot hot shown pinned active checked";

using TStep = std::function<void(TPowerBoard&)>;

// Routes into each state, through the same events the user makes.
void ToShown(TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.A)); }
void ToHoverPinned(TPowerBoard& b) {
    ToShown(b);
    b.PointAt(b.InPopup());
}
void ToPinned(TPowerBoard& b) {
    ToShown(b);
    b.ClickOn(b.A);
}
void ToIdleAfterShowing(TPowerBoard& b) {
    ToShown(b);
    b.PointAt(b.Space());
}
void Nothing(TPowerBoard&) {}

}  // namespace

TEST(LinkGroup, StateTable) {
    struct Row {
        const char* name;
        TStep from;
        const char* fromState;
        TStep event;
        const char* to;
        const char* owner;  // the member that built the shared window
        bool neighbourPinned = false;
    };
    const Row rows[] = {
        {"pointer enters A first", Nothing, Idle, ToShown, Shown, "PowerHighlight0"},
        {"pointer enters B first", Nothing, Idle,
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.B)); }, Shown, "PowerHighlight1"},
        {"pointer enters B after A built the window", ToIdleAfterShowing, Idle,
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.B)); }, Shown, "PowerHighlight0"},
        {"tour start", Nothing, Idle, [](TPowerBoard& b) { b.image->Perform(WM_STARTTOUR, 0, 0); },
         Pinned, "PowerHighlight0"},
        {"menu command on the unmarked item", Nothing, Idle,
         [](TPowerBoard& b) { b.MenuItem("&Settings", "Main/VBB &Power")->QtAction()->trigger(); },
         Pinned, "PowerHighlight0"},
        {"click after the window was closed under the pointer",
         [](TPowerBoard& b) {
             ToShown(b);
             b.Popup()->Close();
         },
         Idle, [](TPowerBoard& b) { b.ClickOn(b.A); }, Pinned, "PowerHighlight0"},

        {"pointer leaves A for open space", ToShown, Shown,
         [](TPowerBoard& b) { b.PointAt(b.Space()); }, Idle, "PowerHighlight0"},
        {"pointer leaves A off every window", ToShown, Shown,
         [](TPowerBoard& b) { b.PointAt(TBoard::Off()); }, Idle, "PowerHighlight0"},
        {"pointer moves from A onto B", ToShown, Shown,
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.B)); }, Shown, "PowerHighlight0"},
        {"pointer leaves A into the window", ToShown, Shown,
         [](TPowerBoard& b) { b.PointAt(b.InPopup()); }, HoverPinned, "PowerHighlight0"},
        {"pointer leaves B into the window",
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.B)); }, Shown,
         [](TPowerBoard& b) { b.PointAt(b.InPopup()); }, HoverPinned, "PowerHighlight1"},
        {"click on A", ToShown, Shown, [](TPowerBoard& b) { b.ClickOn(b.A); }, Pinned,
         "PowerHighlight0"},
        {"click on B, which does not own the window", ToShown, Shown,
         [](TPowerBoard& b) { b.ClickOn(b.B); }, Pinned, "PowerHighlight0"},

        {"pointer moves inside the window", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.Button("DoneButton"))); }, HoverPinned,
         "PowerHighlight0"},
        {"pointer leaves the window for open space", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) { b.PointAt(b.Space()); }, Idle, "PowerHighlight0"},
        {"pointer leaves the window back onto A", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) { b.PointAt(TBoard::CentreOf(b.A)); }, Shown, "PowerHighlight0"},
        {"click on B while hover-pinned", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) { b.ClickOn(b.B); }, HoverPinned, "PowerHighlight0"},

        {"pointer leaves A while pinned", ToPinned, Pinned,
         [](TPowerBoard& b) { b.PointAt(b.Space()); }, Pinned, "PowerHighlight0"},
        {"pointer passes through the pinned window", ToPinned, Pinned,
         [](TPowerBoard& b) {
             b.PointAt(b.InPopup());
             b.PointAt(b.Space());
         },
         Pinned, "PowerHighlight0"},

        {"Done while shown", ToShown, Shown,
         [](TPowerBoard& b) {
             QTest::mouseClick(b.Button("DoneButton")->Widget(), Qt::LeftButton);
         },
         Idle, "PowerHighlight0"},
        {"Done while hover-pinned", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) {
             QTest::mouseClick(b.Button("DoneButton")->Widget(), Qt::LeftButton);
         },
         Idle, "PowerHighlight0"},
        {"Done while pinned", ToPinned, Pinned,
         [](TPowerBoard& b) {
             QTest::mouseClick(b.Button("DoneButton")->Widget(), Qt::LeftButton);
         },
         Idle, "PowerHighlight0"},
        {"close box while hover-pinned", ToHoverPinned, HoverPinned,
         [](TPowerBoard& b) { b.Popup()->Window()->close(); }, Idle, "PowerHighlight0"},
        {"form close while shown", ToShown, Shown, [](TPowerBoard& b) { b.Popup()->Close(); }, Idle,
         "PowerHighlight0"},
        {"menu command on the marked item", ToPinned, Pinned,
         [](TPowerBoard& b) { b.MenuItem("&Settings", "Main/VBB &Power")->QtAction()->trigger(); },
         Idle, "PowerHighlight0"},
        {"Previous while pinned", ToPinned, Pinned,
         [](TPowerBoard& b) {
             QTest::mouseClick(b.Button("PreviousButton")->Widget(), Qt::LeftButton);
         },
         Idle, "PowerHighlight0", true},
    };

    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TPowerBoard b;
        row.from(b);
        ASSERT_EQ(b.State(), row.fromState);
        row.event(b);
        EXPECT_EQ(b.State(), row.to);

        // One window for the group, built by the member entered first.
        ASSERT_NE(b.Popup(), nullptr);
        EXPECT_EQ(b.Popup()->Highlight()->Name(), row.owner);
        EXPECT_TRUE(b.A->PopupForm() == nullptr || b.B->PopupForm() == nullptr);
        EXPECT_EQ(b.Popup()->Caption(), "Main/VBB Power");
        EXPECT_EQ(b.FormsCaptioned("Main/VBB Power", htSettings), 1);
        // Same title, other type: never part of the group.
        EXPECT_FALSE(b.C->Hot());
        EXPECT_EQ(b.C->PopupForm(), nullptr);
        EXPECT_EQ(b.D->Pinned() && b.D->Hot(), row.neighbourPinned);
    }
}

TEST(LinkGroup, SameTitleOtherTypeLightsAloneWithItsOwnWindow) {
    TPowerBoard b;
    b.PointAt(TBoard::CentreOf(b.C));
    EXPECT_TRUE(b.C->Hot());
    EXPECT_FALSE(b.A->Hot());
    EXPECT_FALSE(b.B->Hot());
    ASSERT_NE(b.C->PopupForm(), nullptr);
    EXPECT_EQ(b.C->PopupForm()->Tag(), htOptions);

    b.PointAt(TBoard::CentreOf(b.A));
    EXPECT_FALSE(b.C->Hot());
    ASSERT_NE(b.A->PopupForm(), nullptr);
    EXPECT_NE(b.A->PopupForm(), b.C->PopupForm());
    EXPECT_EQ(b.FormsCaptioned("Main/VBB Power", htOptions), 1);
    EXPECT_EQ(b.FormsCaptioned("Main/VBB Power", htSettings), 1);
}

TEST(LinkGroup, EnterIsPassedOnOnlyWhenUnmarkedAndIgnoredWhenHot) {
    struct Row {
        WPARAM marker;
        bool passedOn;
    };
    for (const Row row : {Row{0, true}, Row{1, false}, Row{2, true}}) {
        SCOPED_TRACE(row.marker);
        TPowerBoard b;
        b.A->Perform(CM_MOUSEENTER, row.marker, 0);
        EXPECT_TRUE(b.A->Hot());
        ASSERT_NE(b.A->PopupForm(), nullptr);
        EXPECT_TRUE(b.A->PopupForm()->Visible());
        EXPECT_EQ(b.B->Hot(), row.passedOn);
    }

    // Already hot: no second window, nothing passed on, nothing shown again.
    TPowerBoard b;
    b.A->Perform(CM_MOUSEENTER, 0, 0);
    TPopupForm* popup = b.A->PopupForm();
    b.B->ClearHot();
    popup->Hide();
    const int forms = b.app.FormCount();
    b.A->Perform(CM_MOUSEENTER, 0, 0);
    EXPECT_FALSE(b.B->Hot());
    EXPECT_FALSE(popup->Visible());
    EXPECT_EQ(b.A->PopupForm(), popup);
    EXPECT_EQ(b.app.FormCount(), forms);
}

// Bringing each member to the front reorders the child list under the walk;
// a member reached twice would move again and end up out of order.
TEST(LinkGroup, SetPopupActiveReachesEachMemberOnce) {
    TBoard b;
    TBoardHighlight* x = b.Add("X", "&Other", htSettings, 0);
    TBoardHighlight* m1 = b.Add("M1", "&Group", htSettings, 40);
    TBoardHighlight* m2 = b.Add("M2", "&Group", htSettings, 80);
    TBoardHighlight* m3 = b.Add("M3", "&Group", htSettings, 120);
    TBoardHighlight* y = b.Add("Y", "&Group", htCalibration, 160);
    auto order = [&] {
        std::string s;
        for (int i = 0; i < b.image->ControlCount(); ++i) s += b.image->Controls(i)->Name() + " ";
        return s;
    };

    m2->SetPopupActive(true, true);
    EXPECT_EQ(order(), "X Y M2 M1 M3 ");
    for (auto* h : {m1, m2, m3}) EXPECT_TRUE(h->PopupActive()) << h->Name();
    EXPECT_FALSE(x->PopupActive());
    EXPECT_FALSE(y->PopupActive());

    m1->SetPopupActive(false, true);
    EXPECT_EQ(order(), "X Y M1 M2 M3 ");
    for (auto* h : {m1, m2, m3}) EXPECT_FALSE(h->PopupActive()) << h->Name();

    m3->SetPopupActive(true, false);  // alone
    EXPECT_EQ(order(), "X Y M1 M2 M3 ");
    EXPECT_TRUE(m3->PopupActive());
    EXPECT_FALSE(m1->PopupActive());
}

// Without a popup nothing else would dim the highlight, so leaving it does.
TEST(LinkGroup, HighlightWithoutPopupLightsWhilePointedAt) {
    TBoard b;
    TBoardHighlight* h = b.Add("Plain", "&Plain", htSettings, 10);
    h->SetCreatePopup(false);
    b.Paint();
    b.PointAt(TBoard::CentreOf(h));
    EXPECT_TRUE(h->Hot());
    EXPECT_EQ(h->PopupForm(), nullptr);
    b.PointAt(b.Space());
    EXPECT_FALSE(h->Hot());
}

// A hidden window cannot take the focus; pinning it must not fail.
TEST(LinkGroup, PinningAHiddenWindowSkipsTheFocus) {
    TPowerBoard b;
    b.A->Perform(CM_MOUSEENTER, 0, 0);
    b.A->PopupForm()->Close();
    b.form->Show();
    EXPECT_NO_THROW(b.A->Pin());
    EXPECT_TRUE(b.A->Pinned());
    EXPECT_FALSE(b.A->PopupForm()->Visible());
    EXPECT_TRUE(b.form->Active());
}
