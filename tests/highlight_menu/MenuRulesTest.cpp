// The menu rules on small boards of their own: where new groups go, reuse of
// a group the menu already has, component names, empty titles, and the tour
// buttons of a highlight that has no menu item.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>

#include "platform/Forms.h"
#include "platform/Menus.h"
#include "platform/StdCtrls.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"

using namespace vcl;
using namespace setupctrls;

namespace {

// A window with a main menu, a board image and highlights added in order.
class TBoard {
public:
    explicit TBoard(const std::vector<String>& topCaptions, bool imageHasMenu = true) {
        form = new TForm(&app);
        // A window captioned like a popup (empty, tag 0) would stand in for
        // an untitled highlight's popup.
        form->SetCaption("Board");
        form->SetPosition(poDesigned);
        form->SetBounds(0, 0, 640, 480);
        menu = new TMainMenu(form);
        for (const String& caption : topCaptions) AddTopItem(caption);
        form->SetMenu(menu);
        image = new TBoardImage(form);
        image->SetAutoSize(false);
        image->SetBounds(20, 20, 500, 300);
        image->SetParent(form);
        if (imageHasMenu) image->SetMenu(menu);
    }

    TMenuItem* AddTopItem(const String& caption) {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        menu->Items()->Add(item);
        return item;
    }

    TBoardHighlight* Add(THighlightType type, const String& title) {
        auto* h = new TBoardHighlight(form);
        h->SetParent(image);
        const int n = image->ControlCount() - 1;
        h->SetBounds(10 + 60 * (n % 8), 10 + 60 * (n / 8), 50, 50);
        h->SetHighlightType(type);
        h->SetTitle(title);
        return h;
    }

    // The first paint adds the highlights to the menu, in child order.
    void Paint() {
        form->Show();
        QCoreApplication::processEvents();
    }

    std::vector<String> TopCaptions() const { return Captions(menu->Items()); }

    TMenuItem* Group(const String& caption) const {
        TMenuItem* root = menu->Items();
        for (int i = 0; i < root->Count(); ++i)
            if (root->Items(i)->Caption() == caption) return root->Items(i);
        return nullptr;
    }

    static std::vector<String> Captions(const TMenuItem* item) {
        std::vector<String> out;
        for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Caption());
        return out;
    }

    static std::vector<String> Names(const TMenuItem* item) {
        std::vector<String> out;
        for (int i = 0; i < item->Count(); ++i) out.push_back(item->Items(i)->Name());
        return out;
    }

    TApplication app;
    TForm* form = nullptr;
    TMainMenu* menu = nullptr;
    TBoardImage* image = nullptr;
};

// Whatever order the highlights come in, the groups stand as "&Settings",
// "&Calibration", "&Options", before "&Help" when there is one.
TEST(HighlightMenu, NewGroupsKeepTheirOrder) {
    struct Case {
        const char* what;
        std::vector<String> before;
        std::vector<THighlightType> types;
        std::vector<String> after;
    };
    const Case cases[] = {
        {"all three before Help",
         {"&File", "&Help"},
         {htOptions, htSettings, htCalibration},
         {"&File", "&Settings", "&Calibration", "&Options", "&Help"}},
        {"no Help: the first group goes to the end",
         {"&File"},
         {htOptions, htCalibration, htSettings},
         {"&File", "&Settings", "&Calibration", "&Options"}},
        {"calibration first, then settings",
         {"&File", "&Help"},
         {htCalibration, htSettings},
         {"&File", "&Settings", "&Calibration", "&Help"}},
        {"an empty menu bar", {}, {htSettings, htOptions}, {"&Settings", "&Options"}},
        {"\"Options\" without '&' is no group",
         {"Options", "&Help"},
         {htOptions},
         {"Options", "&Options", "&Help"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBoard board(c.before);
        char title[] = "&A";
        for (THighlightType type : c.types) {
            board.Add(type, title);
            ++title[1];
        }
        board.Paint();
        EXPECT_EQ(board.TopCaptions(), c.after);
        for (const char* group : {"&Settings", "&Calibration", "&Options"})
            if (TMenuItem* g = board.Group(group)) {
                EXPECT_EQ(g->Count(), 1) << group;
            }
    }
}

// A group the menu bar already has is used as it is: the highlights' items
// follow its own, and a title it already lists adds nothing.
TEST(HighlightMenu, ExistingGroupIsReused) {
    TBoard board({"&File", "&Options", "&Help"});
    TMenuItem* options = board.Group("&Options");
    options->SetName("OptionsMenu");
    auto* manual = new TMenuItem(board.form);
    manual->SetCaption("&Manual");
    options->Add(manual);
    board.Add(htOptions, "&Alpha");
    board.Add(htOptions, "&Manual");
    board.Add(htOptions, "&Beta");
    board.Paint();
    EXPECT_EQ(board.TopCaptions(), (std::vector<String>{"&File", "&Options", "&Help"}));
    EXPECT_EQ(board.Group("&Options"), options);
    EXPECT_EQ(TBoard::Captions(options), (std::vector<String>{"&Manual", "&Alpha", "&Beta"}));
    EXPECT_EQ(options->Items(0), manual);
}

// Names count up from 1 past any component of the window, whatever its case;
// the same title under two types gives one item in each group.
TEST(HighlightMenu, ComponentNamesTakeTheFirstFreeNumber) {
    TBoard board({"&File", "&Help"});
    (new TComponent(board.form))->SetName("options1");
    (new TComponent(board.form))->SetName("ALPHA1");
    TBoardHighlight* optionsAlpha = board.Add(htOptions, "&Alpha");
    TBoardHighlight* settingsAlpha = board.Add(htSettings, "&Alpha");
    board.Add(htOptions, "&Beta");
    board.Paint();

    EXPECT_EQ(board.Group("&Options")->Name(), "Options2");
    EXPECT_EQ(board.Group("&Settings")->Name(), "Settings1");
    EXPECT_EQ(TBoard::Names(board.Group("&Options")), (std::vector<String>{"Alpha2", "Beta1"}));
    EXPECT_EQ(TBoard::Names(board.Group("&Settings")), (std::vector<String>{"Alpha3"}));

    // The two "&Alpha" highlights are not linked: each item opens its own
    // popup, and the mark goes only to the item of the chosen group.
    board.Group("&Settings")->Items(0)->QtAction()->trigger();
    ASSERT_NE(settingsAlpha->PopupForm(), nullptr);
    EXPECT_EQ(optionsAlpha->PopupForm(), nullptr);
    EXPECT_TRUE(board.Group("&Settings")->Items(0)->Checked());
    EXPECT_FALSE(board.Group("&Options")->Items(0)->Checked());
}

TEST(HighlightMenu, EmptyTitleCreatesOnlyTheGroup) {
    TBoard board({"&File", "&Help"});
    board.Add(htCalibration, "");
    board.Add(htCalibration, "");
    board.Paint();
    EXPECT_EQ(board.TopCaptions(), (std::vector<String>{"&File", "&Calibration", "&Help"}));
    EXPECT_EQ(board.Group("&Calibration")->Name(), "Calibration1");
    EXPECT_EQ(board.Group("&Calibration")->Count(), 0);
}

// Without an item to step from, Previous and Next leave the popup open and
// pinned; without a menu nothing is added anywhere.
TEST(HighlightMenu, TourButtonsWithoutAnItemDoNothing) {
    struct Case {
        const char* what;
        bool imageHasMenu;
        const char* title;
    };
    const Case cases[] = {
        {"empty title", true, ""},
        {"board image without a menu", false, "&Alpha"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TBoard board({"&File"}, c.imageHasMenu);
        TBoardHighlight* h = board.Add(htOptions, c.title);
        board.Paint();
        if (!c.imageHasMenu) {
            EXPECT_EQ(h->BoardMenu(), nullptr);
            EXPECT_EQ(board.TopCaptions(), (std::vector<String>{"&File"}));
        }
        h->MenuItemClick(h);  // opens and pins, as the tour does
        TPopupForm* popup = h->PopupForm();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(popup->Visible());
        for (const char* name : {"PreviousButton", "NextButton"}) {
            auto* button = dynamic_cast<TButton*>(popup->FindComponent(name));
            ASSERT_NE(button, nullptr) << name;
            button->Click();
            EXPECT_TRUE(popup->Visible()) << name;
            EXPECT_TRUE(h->Pinned()) << name;
        }
    }
}

}  // namespace
