#include <gtest/gtest.h>

#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <array>
#include <memory>

#include "platform/Menus.h"

using namespace vcl;

namespace {

QStringList Texts(const QWidget* widget) {
    QStringList texts;
    for (const QAction* action : widget->actions()) texts << action->text();
    return texts;
}

TMenuItem* NewItem(TComponent* owner, const String& caption, TMenuItem* parent = nullptr) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    if (parent) parent->Add(item);
    return item;
}

// The main window's menu: File (Exit) and Help (How to, Support), owned by a
// form-like component, shown on a real main window's menu bar.
class MenuFixture : public ::testing::Test {
protected:
    void SetUp() override {
        menu = new TMainMenu(form.get());
        file = NewItem(form.get(), "&File", menu->Items());
        exit = NewItem(form.get(), "&Exit", file);
        help = NewItem(form.get(), "&Help", menu->Items());
        howTo = NewItem(form.get(), "H&ow to use this program", help);
        support = NewItem(form.get(), "&Technical Support", help);
        menu->AttachTo(Bar());
    }

    QMenuBar* Bar() { return window->menuBar(); }

    std::unique_ptr<QMainWindow> window = std::make_unique<QMainWindow>();
    std::unique_ptr<TComponent> form = std::make_unique<TComponent>(nullptr);
    TMainMenu* menu = nullptr;
    TMenuItem *file = nullptr, *exit = nullptr, *help = nullptr;
    TMenuItem *howTo = nullptr, *support = nullptr;
};

TEST_F(MenuFixture, MirrorsTreeOnTheBar) {
    EXPECT_EQ(Texts(Bar()), (QStringList{"&File", "&Help"}));
    ASSERT_NE(Bar()->actions()[1]->menu(), nullptr);
    EXPECT_EQ(Bar()->actions()[1]->menu(), help->QtMenu());
    EXPECT_EQ(Texts(help->QtMenu()), (QStringList{"H&ow to use this program", "&Technical Support"}));
    EXPECT_EQ(Texts(file->QtMenu()), QStringList{"&Exit"});
    // A leaf below the bar is a plain command.
    EXPECT_EQ(exit->QtMenu(), nullptr);

    EXPECT_EQ(file->Parent(), menu->Items());
    EXPECT_EQ(exit->Parent(), file);
    EXPECT_EQ(menu->Items()->Count(), 2);
    EXPECT_EQ(help->IndexOf(support), 1);
    EXPECT_EQ(help->IndexOf(exit), -1);
    EXPECT_EQ(support->MenuIndex(), 1);
    EXPECT_EQ(help->MenuIndex(), 1);
    EXPECT_STREQ(file->ClassName(), "TMenuItem");
    EXPECT_STREQ(menu->ClassName(), "TMainMenu");
}

TEST(MenuCaption, AmpersandAndCodePageReachQtUnchanged) {
    struct Case {
        String caption;
        QString text;
        QKeySequence mnemonic;
    };
    const Case cases[] = {
        {"&File", "&File", QKeySequence(Qt::ALT | Qt::Key_F)},
        {"H&ow to use", "H&ow to use", QKeySequence(Qt::ALT | Qt::Key_O)},
        {"Fish && Chips", "Fish && Chips", QKeySequence()},
        {"&& &Tools", "&& &Tools", QKeySequence(Qt::ALT | Qt::Key_T)},
        {"Caf\xE9 \x80", QString::fromUtf8("Caf\u00e9 \u20ac"), QKeySequence()},
    };
    for (const Case& c : cases) {
        TMenuItem item(nullptr);
        item.SetCaption(c.caption);
        EXPECT_EQ(item.Caption(), c.caption);
        EXPECT_EQ(item.QtAction()->text(), c.text) << c.caption;
        EXPECT_EQ(QKeySequence::mnemonic(item.QtAction()->text()), c.mnemonic) << c.caption;
    }
}

TEST_F(MenuFixture, InsertAtIndexKeepsItemOrderOnBarAndInMenus) {
    auto* edit = NewItem(form.get(), "&Edit");
    menu->Items()->Insert(1, edit);
    auto* tools = NewItem(form.get(), "&Tools");
    menu->Items()->Insert(0, tools);
    auto* last = NewItem(form.get(), "&Last");
    menu->Items()->Insert(menu->Items()->Count(), last);
    EXPECT_EQ(Texts(Bar()), (QStringList{"&Tools", "&File", "&Edit", "&Help", "&Last"}));
    EXPECT_EQ(file->MenuIndex(), 1);
    EXPECT_EQ(edit->MenuIndex(), 2);
    EXPECT_EQ(menu->Items()->IndexOf(last), 4);

    auto* middle = NewItem(form.get(), "&Middle");
    help->Insert(1, middle);
    EXPECT_EQ(Texts(help->QtMenu()),
              (QStringList{"H&ow to use this program", "&Middle", "&Technical Support"}));
    EXPECT_EQ(support->MenuIndex(), 2);
}

TEST_F(MenuFixture, InvalidInsertAndRemoveRaiseAndChangeNothing) {
    auto* loose = NewItem(form.get(), "Loose");
    EXPECT_THROW(help->Insert(-1, loose), EMenuError);
    EXPECT_THROW(help->Insert(3, loose), EMenuError);
    EXPECT_THROW(help->Insert(0, nullptr), EMenuError);
    EXPECT_THROW(help->Add(exit), EMenuError);            // already in File
    EXPECT_THROW(help->Add(menu->Items()), EMenuError);   // a menu's root
    EXPECT_THROW(loose->Add(loose), EMenuError);
    auto* deeper = NewItem(form.get(), "Deeper", support);
    EXPECT_THROW(deeper->Add(help), EMenuError);          // would make a cycle
    EXPECT_THROW(help->Remove(exit), EMenuError);
    EXPECT_THROW(help->Remove(nullptr), EMenuError);

    EXPECT_EQ(help->Count(), 2);
    EXPECT_EQ(loose->Parent(), nullptr);
    EXPECT_EQ(exit->Parent(), file);
    EXPECT_EQ(Texts(help->QtMenu()), (QStringList{"H&ow to use this program", "&Technical Support"}));
}

TEST_F(MenuFixture, ChangesAfterAttachReachTheBar) {
    auto* view = NewItem(form.get(), "&View", menu->Items());
    auto* zoom = NewItem(form.get(), "&Zoom", view);
    EXPECT_EQ(Texts(Bar()), (QStringList{"&File", "&Help", "&View"}));
    EXPECT_EQ(Texts(view->QtMenu()), QStringList{"&Zoom"});

    // A leaf that receives sub-items turns into a submenu, and back.
    auto* in = NewItem(form.get(), "&In", zoom);
    ASSERT_NE(zoom->QtMenu(), nullptr);
    EXPECT_EQ(zoom->QtAction()->menu(), zoom->QtMenu());
    EXPECT_EQ(Texts(zoom->QtMenu()), QStringList{"&In"});
    zoom->Remove(in);
    EXPECT_EQ(zoom->QtMenu(), nullptr);
    EXPECT_EQ(in->Parent(), nullptr);

    file->SetCaption("&Datei");
    support->SetEnabled(false);
    howTo->SetVisible(false);
    EXPECT_EQ(Bar()->actions()[0]->text(), "&Datei");
    EXPECT_EQ(file->QtMenu()->title(), "&Datei");
    EXPECT_FALSE(support->QtAction()->isEnabled());
    EXPECT_FALSE(howTo->QtAction()->isVisible());
    support->SetEnabled(true);
    EXPECT_TRUE(support->QtAction()->isEnabled());

    menu->Items()->Remove(help);
    EXPECT_EQ(Texts(Bar()), (QStringList{"&Datei", "&View"}));
    // Out of the bar but still holding items: it stays a submenu.
    EXPECT_NE(help->QtMenu(), nullptr);
    file->Add(help);
    EXPECT_EQ(Texts(file->QtMenu()), (QStringList{"&Exit", "&Help"}));
}

TEST_F(MenuFixture, TopLevelItemIsAMenuEvenWhenEmpty) {
    auto* empty = NewItem(form.get(), "&Options", menu->Items());
    ASSERT_NE(empty->QtMenu(), nullptr);
    EXPECT_EQ(Bar()->actions()[2]->menu(), empty->QtMenu());
    menu->Items()->Remove(empty);
    EXPECT_EQ(empty->QtMenu(), nullptr);
}

TEST_F(MenuFixture, CheckedMirrorsToActionAndTriggerLeavesItToTheHandler) {
    std::vector<TObject*> senders;
    exit->OnClick = [&](TObject* sender) { senders.push_back(sender); };
    QAction* action = exit->QtAction();
    EXPECT_FALSE(action->isCheckable());

    exit->SetChecked(true);
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(action->isChecked());
    action->trigger();
    EXPECT_TRUE(exit->Checked());
    EXPECT_TRUE(action->isChecked());

    exit->SetChecked(false);
    EXPECT_FALSE(action->isCheckable());
    EXPECT_FALSE(action->isChecked());
    action->trigger();
    EXPECT_FALSE(exit->Checked());
    EXPECT_FALSE(action->isChecked());
    EXPECT_EQ(senders, (std::vector<TObject*>{exit, exit}));

    // A handler that toggles the mark is what changes it.
    exit->OnClick = [](TObject* sender) {
        auto* item = static_cast<TMenuItem*>(sender);
        item->SetChecked(!item->Checked());
    };
    action->trigger();
    EXPECT_TRUE(exit->Checked());
    EXPECT_TRUE(action->isChecked());
    action->trigger();
    EXPECT_FALSE(exit->Checked());
    EXPECT_FALSE(action->isCheckable());
}

TEST_F(MenuFixture, ClickWithoutHandlerAndHandlerThatDestroysItsItem) {
    EXPECT_NO_THROW(exit->Click());
    exit->OnClick = [this](TObject*) {
        delete exit;
        exit = nullptr;
    };
    file->QtMenu()->actions()[0]->trigger();
    EXPECT_EQ(exit, nullptr);
    EXPECT_EQ(file->Count(), 0);
    EXPECT_TRUE(file->QtMenu()->actions().isEmpty());
}

TEST_F(MenuFixture, AttachToAnotherBarMovesTheEntries) {
    QMainWindow other;
    menu->AttachTo(other.menuBar());
    EXPECT_TRUE(Bar()->actions().isEmpty());
    EXPECT_EQ(Texts(other.menuBar()), (QStringList{"&File", "&Help"}));
    menu->Detach();
    EXPECT_TRUE(other.menuBar()->actions().isEmpty());
    NewItem(form.get(), "&Later", menu->Items());
    EXPECT_TRUE(other.menuBar()->actions().isEmpty());
    menu->AttachTo(Bar());
    EXPECT_EQ(Texts(Bar()), (QStringList{"&File", "&Help", "&Later"}));
}

TEST_F(MenuFixture, BarDestroyedFirstLeavesMenuWorking) {
    window.reset();
    auto* late = NewItem(form.get(), "&Late", menu->Items());
    late->SetCaption("&Later");
    menu->Items()->Remove(file);
    menu->Detach();
    QMainWindow fresh;
    menu->AttachTo(fresh.menuBar());
    EXPECT_EQ(Texts(fresh.menuBar()), (QStringList{"&Help", "&Later"}));
}

TEST_F(MenuFixture, DestroyingAParentOrTheMenuLetsTheRestGo) {
    delete help;
    EXPECT_EQ(Texts(Bar()), QStringList{"&File"});
    EXPECT_EQ(howTo->Parent(), nullptr);
    EXPECT_EQ(support->MenuIndex(), -1);
    delete howTo;

    delete menu;
    EXPECT_TRUE(Bar()->actions().isEmpty());
    EXPECT_EQ(file->Parent(), nullptr);
    EXPECT_EQ(exit->Parent(), file);
    // The owner destroys what is left at tear-down.
}

// Items owned by the item they sit under go with it.
TEST(MenuOwnership, ItemOwningItsSubItems) {
    QMainWindow window;
    TMainMenu menu(nullptr);
    auto* top = NewItem(nullptr, "&Top", menu.Items());
    auto* sub = NewItem(top, "&Sub", top);
    NewItem(sub, "&Leaf", sub);
    NewItem(top, "&Other", top);
    menu.AttachTo(window.menuBar());
    delete top;
    EXPECT_TRUE(window.menuBar()->actions().isEmpty());
    EXPECT_EQ(menu.Items()->Count(), 0);
}

// Every order in which an owner might destroy the menu and its items.
TEST(MenuOwnership, AnyDestructionOrderIsClean) {
    std::array<int, 5> order = {0, 1, 2, 3, 4};
    do {
        QMainWindow window;
        auto* menu = new TMainMenu(nullptr);
        std::array<TComponent*, 5> parts{};
        parts[0] = menu;
        auto* file = NewItem(nullptr, "&File", menu->Items());
        parts[1] = file;
        parts[2] = NewItem(nullptr, "&Exit", file);
        parts[3] = NewItem(nullptr, "&Help", menu->Items());
        parts[4] = NewItem(nullptr, "&About", static_cast<TMenuItem*>(parts[3]));
        menu->AttachTo(window.menuBar());
        for (int i : order) delete parts[i];
        EXPECT_TRUE(window.menuBar()->actions().isEmpty());
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST(MenuOwnership, FormOwnerDestroysEverything) {
    QMainWindow window;
    auto form = std::make_unique<TComponent>(nullptr);
    auto* menu = new TMainMenu(form.get());
    auto* file = NewItem(form.get(), "&File", menu->Items());
    NewItem(form.get(), "&Exit", file);
    menu->AttachTo(window.menuBar());
    form.reset();
    EXPECT_TRUE(window.menuBar()->actions().isEmpty());
}

TEST(MenuParentComponent, NestsItemsAsAFormDescriptionDoes) {
    QMainWindow window;
    TComponent form(nullptr);
    auto* menu = new TMainMenu(&form);
    menu->AttachTo(window.menuBar());
    auto* file = NewItem(&form, "&File");
    auto* exit = NewItem(&form, "&Exit");
    file->SetParentComponent(menu);
    exit->SetParentComponent(file);
    EXPECT_EQ(file->Parent(), menu->Items());
    EXPECT_EQ(exit->Parent(), file);
    EXPECT_EQ(Texts(window.menuBar()), QStringList{"&File"});
    EXPECT_EQ(Texts(file->QtMenu()), QStringList{"&Exit"});

    // Nesting again under the same parent changes nothing; other parents
    // are not menus and are ignored.
    exit->SetParentComponent(file);
    EXPECT_EQ(file->Count(), 1);
    auto* stray = NewItem(&form, "&Stray");
    stray->SetParentComponent(&form);
    stray->SetParentComponent(nullptr);
    EXPECT_EQ(stray->Parent(), nullptr);
}

}  // namespace
