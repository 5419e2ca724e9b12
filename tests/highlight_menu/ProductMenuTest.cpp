// The highlight menus and the tour as the product's main window has them:
// the groups and items its seven highlights add at their first paint,
// choosing items, and Previous / Next in the popups.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QMainWindow>
#include <QMenuBar>

#include "app/MainForm.h"
#include "assets/Assets.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "setupctrls/PopupForm.h"

using namespace vcl;
using namespace setupctrls;
using app::TMainForm;

namespace {

class ProductMenu : public ::testing::Test {
protected:
    void SetUp() override {
        InitAssets();
        app.CreateForm(form);
        form->Show();
        QCoreApplication::processEvents();  // the first paint adds the menu entries
    }

    TMenuItem* Group(const char* caption) const {
        TMenuItem* root = form->MainMenu1->Items();
        for (int i = 0; i < root->Count(); ++i)
            if (root->Items(i)->Caption() == caption) return root->Items(i);
        return nullptr;
    }

    TMenuItem* Item(const char* groupCaption, const char* caption) const {
        TMenuItem* group = Group(groupCaption);
        if (!group) return nullptr;
        for (int i = 0; i < group->Count(); ++i)
            if (group->Items(i)->Caption() == caption) return group->Items(i);
        return nullptr;
    }

    // Chooses the item as the menu bar would.
    void Choose(const char* groupCaption, const char* caption) {
        TMenuItem* item = Item(groupCaption, caption);
        ASSERT_NE(item, nullptr) << caption;
        item->QtAction()->trigger();
    }

    std::vector<String> VisiblePopups() const {
        std::vector<String> captions;
        for (int i = 0; i < app.FormCount(); ++i)
            if (auto* popup = dynamic_cast<TPopupForm*>(app.Forms(i)); popup && popup->Visible())
                captions.push_back(popup->Caption());
        return captions;
    }

    std::vector<String> CheckedItems() const {
        std::vector<String> captions;
        TMenuItem* root = form->MainMenu1->Items();
        for (int i = 0; i < root->Count(); ++i)
            for (int j = 0; j < root->Items(i)->Count(); ++j)
                if (root->Items(i)->Items(j)->Checked())
                    captions.push_back(root->Items(i)->Items(j)->Caption());
        return captions;
    }

    static void Press(TPopupForm* popup, const char* buttonName) {
        ASSERT_NE(popup, nullptr);
        auto* button = dynamic_cast<TButton*>(popup->FindComponent(buttonName));
        ASSERT_NE(button, nullptr) << buttonName;
        button->Click();
    }

    TApplication app;
    TMainForm* form = nullptr;
};

// "caption / component name" of each sub-item, in order.
std::vector<String> Entries(const TMenuItem* item) {
    std::vector<String> entries;
    for (int i = 0; i < item->Count(); ++i)
        entries.push_back(item->Items(i)->Caption() + " / " + item->Items(i)->Name());
    return entries;
}

TEST_F(ProductMenu, FirstPaintAddsGroupsAndItemsInHighlightOrder) {
    for (int i = 0; i < form->BoardImage1->ControlCount(); ++i)
        ASSERT_TRUE(
            static_cast<TBoardHighlight*>(form->BoardImage1->Controls(i))->FirstPaintDone());

    TMenuItem* root = form->MainMenu1->Items();
    EXPECT_EQ(Entries(root), (std::vector<String>{"&File / File1", "&Settings / Settings1",
                                                  "&Options / Options1", "&Help / Help1"}));
    EXPECT_EQ(Entries(Group("&Settings")), (std::vector<String>{"&IP Address / IPAddress1"}));
    // The power pair gives one item, bound to the highlight painted first.
    EXPECT_EQ(Entries(Group("&Options")),
              (std::vector<String>{"Main/VBB &Power / MainVBBPower1",
                                   "&Ethernet Connector / EthernetConnector1",
                                   "Power/Activity &LED / PowerActivityLED1",
                                   "&First Digital Connector / FirstDigitalConnector1",
                                   "&Main Digital Connector / MainDigitalConnector1"}));
    // Groups and items belong to the main window.
    EXPECT_EQ(Group("&Options")->Owner(), form);
    EXPECT_EQ(Item("&Settings", "&IP Address")->Owner(), form);
    EXPECT_EQ(form->FindComponent("MainVBBPower1"), Item("&Options", "Main/VBB &Power"));

    QList<QAction*> bar = form->Window()->menuBar()->actions();
    ASSERT_EQ(bar.size(), 4);
    EXPECT_EQ(bar[1]->text(), "&Settings");
    EXPECT_EQ(bar[2]->text(), "&Options");

    // Painting again adds nothing.
    form->BoardImage1->Repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(root->Count(), 4);
    EXPECT_EQ(Group("&Options")->Count(), 5);
}

// Each item opens and pins its popup and takes the mark; choosing it again
// closes the popup and clears the mark.
TEST_F(ProductMenu, ChoosingAnItemTogglesItsPinnedPopup) {
    struct Row {
        const char* group;
        const char* caption;
        TBoardHighlight* owner;  // the highlight whose popup opens
    };
    const Row rows[] = {
        {"&Settings", "&IP Address", form->IPHighlight},
        {"&Options", "Main/VBB &Power", form->PowerHighlight0},
        {"&Options", "&Ethernet Connector", form->ETHHighlight},
        {"&Options", "Power/Activity &LED", form->LedHighlight},
        {"&Options", "&First Digital Connector", form->MolexHighlight},
        {"&Options", "&Main Digital Connector", form->DataHighlight},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        Choose(row.group, row.caption);
        TPopupForm* popup = row.owner->PopupForm();
        ASSERT_NE(popup, nullptr);
        EXPECT_TRUE(popup->Visible());
        EXPECT_TRUE(row.owner->Pinned());
        EXPECT_EQ(CheckedItems(), (std::vector<String>{row.caption}));

        Choose(row.group, row.caption);
        EXPECT_FALSE(popup->Visible());
        EXPECT_TRUE(CheckedItems().empty());
        EXPECT_FALSE(row.owner->Hot());

        // And once more: the same window comes back.
        Choose(row.group, row.caption);
        EXPECT_EQ(row.owner->PopupForm(), popup);
        EXPECT_TRUE(popup->Visible());
        Choose(row.group, row.caption);
        EXPECT_TRUE(VisiblePopups().empty());
    }
    EXPECT_EQ(form->PowerHighlight1->PopupForm(), nullptr);  // shared with PowerHighlight0
}

// The popups' client areas: the panel's width, and its height plus the memo
// (58) and the buttons and status line (51).
TEST_F(ProductMenu, PopupClientAreasFollowTheirPanels) {
    struct Row {
        const char* group;
        const char* caption;
        TBoardHighlight* owner;
        int clientWidth;
        int clientHeight;
    };
    const Row rows[] = {
        {"&Options", "Main/VBB &Power", form->PowerHighlight0, 313, 270},
        {"&Settings", "&IP Address", form->IPHighlight, 345, 198},
        {"&Options", "&Ethernet Connector", form->ETHHighlight, 201, 118},
        {"&Options", "Power/Activity &LED", form->LedHighlight, 201, 118},
        {"&Options", "&First Digital Connector", form->MolexHighlight, 201, 118},
        {"&Options", "&Main Digital Connector", form->DataHighlight, 201, 118},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        Choose(row.group, row.caption);
        TPopupForm* popup = row.owner->PopupForm();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->ClientWidth(), row.clientWidth);
        EXPECT_EQ(popup->ClientHeight(), row.clientHeight);
        Choose(row.group, row.caption);
    }
}

// The user first points at PowerHighlight1, so the shared popup is its own;
// the item, bound to PowerHighlight0, still pins and closes that popup.
TEST_F(ProductMenu, PowerItemReachesThePopupOfTheOtherPowerHighlight) {
    TBoardHighlight* jack = form->PowerHighlight1;
    const TPoint origin = jack->ClientOrigin();
    QCursor::setPos(origin.X + jack->Width() / 2, origin.Y + jack->Height() / 2);
    app.ProcessIdle();
    ASSERT_EQ(app.MouseControl(), jack);
    ASSERT_NE(jack->PopupForm(), nullptr);
    ASSERT_EQ(form->PowerHighlight0->PopupForm(), nullptr);
    EXPECT_TRUE(form->PowerHighlight0->Hot());  // the pair lights together
    EXPECT_TRUE(CheckedItems().empty());

    Choose("&Options", "Main/VBB &Power");
    EXPECT_TRUE(jack->Pinned());
    EXPECT_EQ(CheckedItems(), (std::vector<String>{"Main/VBB &Power"}));
    EXPECT_EQ(VisiblePopups(), (std::vector<String>{"Main/VBB Power"}));
    EXPECT_EQ(form->PowerHighlight0->PopupForm(), nullptr);  // no second window

    Choose("&Options", "Main/VBB &Power");
    EXPECT_FALSE(jack->PopupForm()->Visible());
    EXPECT_TRUE(CheckedItems().empty());
    EXPECT_FALSE(jack->Hot());
    EXPECT_FALSE(form->PowerHighlight0->Hot());
}

TEST_F(ProductMenu, PreviousAndNextWalkTheOptionsGroupAndWrapAround) {
    Choose("&Options", "Main/VBB &Power");
    struct Step {
        TBoardHighlight* from;
        const char* button;
        const char* opens;  // popup caption, and item caption without '&'
        const char* marked;
    };
    const Step steps[] = {
        {form->PowerHighlight0, "PreviousButton", "Main Digital Connector",
         "&Main Digital Connector"},
        {form->DataHighlight, "NextButton", "Main/VBB Power", "Main/VBB &Power"},
        {form->PowerHighlight0, "NextButton", "Ethernet Connector", "&Ethernet Connector"},
        {form->ETHHighlight, "NextButton", "Power/Activity LED", "Power/Activity &LED"},
        {form->LedHighlight, "PreviousButton", "Ethernet Connector", "&Ethernet Connector"},
        {form->ETHHighlight, "PreviousButton", "Main/VBB Power", "Main/VBB &Power"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(String(step.from->Name()) + " " + step.button);
        Press(step.from->PopupForm(), step.button);
        EXPECT_FALSE(step.from->PopupForm()->Visible());
        EXPECT_EQ(VisiblePopups(), (std::vector<String>{step.opens}));
        EXPECT_EQ(CheckedItems(), (std::vector<String>{step.marked}));
    }
    EXPECT_TRUE(form->PowerHighlight0->Pinned());
}

// The only "&Settings" item: Previous and Next close the popup and open and
// pin the same one again.
TEST_F(ProductMenu, SingleSettingsItemReopensItself) {
    Choose("&Settings", "&IP Address");
    TPopupForm* popup = form->IPHighlight->PopupForm();
    for (const char* button : {"NextButton", "PreviousButton"}) {
        SCOPED_TRACE(button);
        Press(popup, button);
        EXPECT_EQ(form->IPHighlight->PopupForm(), popup);
        EXPECT_TRUE(popup->Visible());
        EXPECT_TRUE(form->IPHighlight->Pinned());
        EXPECT_EQ(CheckedItems(), (std::vector<String>{"&IP Address"}));
    }
}

}  // namespace
