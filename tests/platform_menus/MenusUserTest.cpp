// The path a user takes: click the bar entry, then the command in its menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "platform/Menus.h"

using namespace vcl;

namespace {

TEST(MenuUser, ClickingBarEntryAndCommandRunsOnClickOnce) {
    QMainWindow window;
    TComponent form(nullptr);
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption("&File");
    menu->Items()->Add(file);
    auto* exit = new TMenuItem(&form);
    exit->SetCaption("&Exit");
    exit->SetChecked(true);
    file->Add(exit);
    int clicks = 0;
    exit->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, exit);
        ++clicks;
    };
    menu->AttachTo(window.menuBar());
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->QtAction()).center());
    QMenu* popup = file->QtMenu();
    ASSERT_TRUE(popup->isVisible());
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->actionGeometry(exit->QtAction()).center());

    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(popup->isVisible());
    EXPECT_TRUE(exit->Checked());
    EXPECT_TRUE(exit->QtAction()->isChecked());
}

}  // namespace
