#include <gtest/gtest.h>

#include <QCoreApplication>

#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/Forms.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

// Records the order in which the paint pass draws its graphic children and
// what lay beneath each one at that moment.
struct TProbe : TGraphicControl {
    TProbe(TComponent* owner, TColor fill, std::vector<TProbe*>* order)
        : TGraphicControl(owner), fill(fill), order(order) {}
    void Paint() override {
        order->push_back(this);
        beneath = Canvas()->Pixel(0, 0);
        Canvas()->Brush.Color = fill;
        Canvas()->FillRect(ClientRect());
    }
    TColor fill;
    std::vector<TProbe*>* order;
    TColor beneath = 0;
};

struct TGrey : TCustomControl {
    using TCustomControl::TCustomControl;
    void Paint() override {
        Canvas()->Brush.Color = RGB(100, 100, 100);
        Canvas()->FillRect(ClientRect());
    }
};

}  // namespace

TEST(Control, BringToFrontMovesToTheEndOfTheChildList) {
    TComponent owner(nullptr);
    auto* parent = new TPanel(&owner);
    auto* a = new TLabel(&owner);
    auto* b = new TLabel(&owner);
    auto* c = new TLabel(&owner);
    for (TControl* x : {static_cast<TControl*>(a), static_cast<TControl*>(b), static_cast<TControl*>(c)})
        x->SetParent(parent);
    a->BringToFront();
    EXPECT_EQ(parent->Controls(0), b);
    EXPECT_EQ(parent->Controls(2), a);
    c->SendToBack();
    EXPECT_EQ(parent->Controls(0), c);
    b->SetParent(nullptr);
    EXPECT_EQ(parent->ControlCount(), 2);
    EXPECT_EQ(b->Parent(), nullptr);
}

TEST(Control, AnchorsFollowTheParentsResize) {
    struct Case {
        const char* name;
        TAnchors anchors;
        TRect expected;
    };
    // Child at (20, 30, 40 x 10) in a 200 x 100 parent grown to 300 x 160.
    const Case cases[] = {
        {"left top stays", akLeft | akTop, Bounds(20, 30, 40, 10)},
        {"right bottom moves", akRight | akBottom, Bounds(120, 90, 40, 10)},
        {"left and right stretch", akLeft | akRight | akTop, Bounds(20, 30, 140, 10)},
        {"all four stretch both ways", akLeft | akTop | akRight | akBottom, Bounds(20, 30, 140, 70)},
        {"bottom only keeps the horizontal centre proportion", akBottom, Bounds(40, 90, 40, 10)},
    };
    for (const Case& c : cases) {
        TComponent owner(nullptr);
        auto* parent = new TPanel(&owner);
        parent->SetBounds(0, 0, 200, 100);
        auto* child = new TPanel(&owner);
        child->SetParent(parent);
        child->SetBounds(20, 30, 40, 10);
        child->SetAnchors(c.anchors);
        parent->SetBounds(0, 0, 300, 160);
        EXPECT_EQ(child->BoundsRect(), c.expected) << c.name;
    }
}

TEST(Control, AlignPlacesChildrenInTheClientArea) {
    TComponent owner(nullptr);
    auto* parent = new TPanel(&owner);
    parent->SetBounds(0, 0, 200, 100);
    auto* top = new TPanel(&owner);
    top->SetHeight(20);
    top->SetParent(parent);
    top->SetAlign(alTop);
    auto* bottom = new TPanel(&owner);
    bottom->SetHeight(19);
    bottom->SetParent(parent);
    bottom->SetAlign(alBottom);
    auto* client = new TPanel(&owner);
    client->SetParent(parent);
    client->SetAlign(alClient);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, 200, 20));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, 81, 200, 19));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 200, 61));
    parent->SetWidth(250);
    EXPECT_EQ(top->Width(), 250);
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 20, 250, 61));
}

TEST(Control, PerformDeliversPerMessageAndLeavePassesToTheParent) {
    struct TListener : TPanel {
        using TPanel::TPanel;
        void WndProc(TMessage& m) override {
            if (m.Msg == CM_MOUSELEAVE) leaves.push_back(m.LParam);
            if (m.Msg == WM_USER + 1) m.Result = 42;
            TPanel::WndProc(m);
        }
        std::vector<LPARAM> leaves;
    };
    TComponent owner(nullptr);
    auto* parent = new TListener(&owner);
    auto* child = new TLabel(&owner);
    child->SetParent(parent);
    EXPECT_EQ(parent->Perform(WM_USER + 1), 42);
    child->Perform(CM_MOUSELEAVE, 0, 0);
    ASSERT_EQ(parent->leaves.size(), 1u);
    EXPECT_EQ(parent->leaves[0], reinterpret_cast<LPARAM>(child));
}

// One paint pass: the parent's own Paint, then each visible graphic child in
// child order, each seeing what the pass drew beneath it so far.
TEST(Control, PaintPassDrawsGraphicChildrenInChildOrderOverThePicture) {
    TApplication app;
    auto* form = new TForm(&app);
    form->SetBounds(0, 0, 300, 200);
    auto* surface = new TGrey(form);
    surface->SetParent(form);
    surface->SetBounds(0, 0, 100, 100);
    std::vector<TProbe*> order;
    auto* first = new TProbe(form, RGB(255, 0, 0), &order);
    first->SetParent(surface);
    first->SetBounds(10, 10, 20, 20);
    auto* second = new TProbe(form, RGB(0, 255, 0), &order);
    second->SetParent(surface);
    second->SetBounds(20, 20, 20, 20);  // overlaps first at (20..29, 20..29)
    auto* hidden = new TProbe(form, RGB(0, 0, 255), &order);
    hidden->SetParent(surface);
    hidden->SetVisible(false);
    form->Show();
    QCoreApplication::processEvents();  // the window is exposed
    order.clear();
    surface->Update();
    ASSERT_EQ(order, (std::vector<TProbe*>{first, second}));
    EXPECT_EQ(first->beneath, RGB(100, 100, 100));
    EXPECT_EQ(second->beneath, RGB(255, 0, 0));  // the earlier sibling, drawn in this pass

    const QImage shot = surface->Widget()->grab().toImage();
    EXPECT_EQ(QColor(shot.pixel(25, 25)), QColor(0, 255, 0));
    EXPECT_EQ(QColor(shot.pixel(15, 15)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(shot.pixel(60, 60)), QColor(100, 100, 100));
    second->SetParent(nullptr);
    delete second;
}
