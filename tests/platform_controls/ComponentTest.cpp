#include <gtest/gtest.h>

#include <QPointer>
#include <QWidget>

#include "platform/Component.h"
#include "platform/Controls.h"
#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

using namespace vcl;

namespace {

struct TTracked : TComponent {
    explicit TTracked(TComponent* owner, std::vector<String>* log) : TComponent(owner), log(log) {}
    ~TTracked() override { log->push_back(Name()); }
    std::vector<String>* log;
};

}  // namespace

TEST(Component, OwnerDestroysWhatItOwnsLastFirst) {
    std::vector<String> log;
    auto* owner = new TComponent(nullptr);
    (new TTracked(owner, &log))->SetName("A");
    (new TTracked(owner, &log))->SetName("B");
    auto* c = new TTracked(owner, &log);
    c->SetName("C");
    delete c;  // an owned component may go first; the owner forgets it
    EXPECT_EQ(owner->ComponentCount(), 2);
    delete owner;
    EXPECT_EQ(log, (std::vector<String>{"C", "B", "A"}));
}

TEST(Component, NamesAreUniquePerOwnerWithoutRegardToCase) {
    TComponent owner(nullptr);
    auto* a = new TComponent(&owner);
    a->SetName("Options1");
    auto* b = new TComponent(&owner);
    EXPECT_THROW(b->SetName("OPTIONS1"), EComponentError);
    EXPECT_EQ(b->Name(), "");
    EXPECT_EQ(owner.FindComponent("options1"), a);
    EXPECT_THROW(b->SetName("1abc"), EComponentError);
    b->SetName("Options2");
    TComponent otherOwner(nullptr);
    auto* c = new TComponent(&otherOwner);
    EXPECT_NO_THROW(c->SetName("Options1"));  // another owner, another namespace
}

TEST(Component, DesigningFlagReachesOwnedComponents) {
    TComponent owner(nullptr);
    auto* child = new TComponent(&owner);
    owner.SetDesigning(true);
    EXPECT_TRUE(child->IsDesigning());
    auto* late = new TComponent(&owner);
    EXPECT_TRUE(late->IsDesigning());
    owner.SetDesigning(false);
    EXPECT_FALSE(child->IsDesigning());
}

// A windowed control destroys its children whoever owns them, and the owner
// then no longer lists them: no double free in either order.
TEST(Component, ParentAndOwnerTreesNeverDoubleFree) {
    auto* owner = new TComponent(nullptr);
    auto* panel = new TPanel(owner);
    auto* inner = new TPanel(owner);
    inner->SetParent(panel);
    auto* label = new TLabel(owner);
    label->SetParent(inner);
    QPointer<QWidget> innerWidget = inner->Widget();
    delete panel;
    EXPECT_TRUE(innerWidget.isNull());
    EXPECT_EQ(owner->ComponentCount(), 0);
    delete owner;

    // And the other way round: the owner first, children before parents.
    auto* owner2 = new TComponent(nullptr);
    auto* p2 = new TPanel(owner2);
    auto* child2 = new TEdit(owner2);
    child2->SetParent(p2);
    delete owner2;
}

TEST(Component, ExactClassTestRejectsDerivedClasses) {
    struct TMyPanel : TPanel {
        using TPanel::TPanel;
    };
    TComponent owner(nullptr);
    TControl* plain = new TPanel(&owner);
    TControl* derived = new TMyPanel(&owner);
    EXPECT_TRUE(IsExactly<TPanel>(plain));
    EXPECT_FALSE(IsExactly<TPanel>(derived));
    EXPECT_FALSE(IsExactly<TPanel>(nullptr));
}
