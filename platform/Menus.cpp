#include "platform/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace vcl {

// ---------------------------------------------------------------- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FAction(std::make_unique<QAction>()) {
    QObject::connect(FAction.get(), &QAction::triggered, FAction.get(), [this] { Triggered(); });
}

TMenuItem::~TMenuItem() {
    BeginDestroy();
    // Sub-items belong to their owners: they are only let go here, so that
    // whichever of them outlives this item finds no parent to call back.
    while (!FItems.empty()) Detach(FItems.back());
    if (FParent) FParent->Remove(this);
    DropSubMenu();
    FAction.reset();
}

void TMenuItem::SetCaption(const String& caption) {
    FCaption = caption;
    FAction->setText(ToQString(caption));
    if (FMenu) FMenu->setTitle(ToQString(caption));
}

void TMenuItem::SetChecked(bool checked) {
    FChecked = checked;
    // Only a checkable action draws the mark, so checkable follows Checked.
    if (checked) {
        FAction->setCheckable(true);
        FAction->setChecked(true);
    } else {
        FAction->setChecked(false);
        FAction->setCheckable(false);
    }
}

void TMenuItem::SetEnabled(bool enabled) {
    FEnabled = enabled;
    FAction->setEnabled(enabled);
}

void TMenuItem::SetVisible(bool visible) {
    FVisible = visible;
    FAction->setVisible(visible);
}

void TMenuItem::Click() {
    // A copy, because the handler may destroy this item and with it OnClick.
    TNotifyEvent handler = OnClick;
    if (handler) handler(this);
}

void TMenuItem::Triggered() {
    // Qt has already toggled a checkable action; the mark is the click
    // handler's to change, so put it back first.
    FAction->setChecked(FChecked);
    Click();
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (!item) throw EMenuError("Cannot insert a missing menu item");
    if (item->FParent) throw EMenuError("Menu inserted twice");
    if (item->IsRoot()) throw EMenuError("A main menu's root cannot be inserted");
    if (IsSelfOrAncestor(item))
        throw EMenuError("A menu item cannot be inserted into itself");
    if (index < 0 || index > Count()) throw EMenuError("Menu index out of bounds");
    FItems.insert(FItems.begin() + index, item);
    item->FParent = this;
    UpdateSubMenu();
    item->UpdateSubMenu();
    ShowChild(index);
}

void TMenuItem::Remove(TMenuItem* item) {
    if (std::find(FItems.begin(), FItems.end(), item) == FItems.end())
        throw EMenuError("Sub-menu is not in menu");
    Detach(item);
    UpdateSubMenu();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TMenuItem::SetParentComponent(TComponent* parent) {
    TMenuItem* target = dynamic_cast<TMenuItem*>(parent);
    if (auto* menu = dynamic_cast<TMainMenu*>(parent)) target = menu->Items();
    if (!target || target == FParent) return;
    target->Add(this);
}

bool TMenuItem::IsSelfOrAncestor(const TMenuItem* item) const {
    for (const TMenuItem* p = this; p; p = p->FParent)
        if (p == item) return true;
    return false;
}

QWidget* TMenuItem::Container() const {
    if (IsRoot()) return FRootOf->FBar.data();
    return FMenu.get();
}

void TMenuItem::ShowChild(int index) {
    QWidget* container = Container();
    if (!container) return;
    // Before the next sibling, so the Qt order is the item order even when
    // the bar carries actions of its own.
    QAction* before = index + 1 < Count() ? FItems[index + 1]->FAction.get() : nullptr;
    container->insertAction(before, FItems[index]->FAction.get());
}

void TMenuItem::HideChild(TMenuItem* item) {
    if (QWidget* container = Container()) container->removeAction(item->FAction.get());
}

void TMenuItem::Detach(TMenuItem* item) {
    HideChild(item);
    FItems.erase(std::find(FItems.begin(), FItems.end(), item));
    item->FParent = nullptr;
    item->UpdateSubMenu();
}

void TMenuItem::UpdateSubMenu() {
    if (IsRoot()) return;
    bool needed = !FItems.empty() || IsTopLevel();
    if (needed && !FMenu) {
        FMenu = std::make_unique<QMenu>();
        FMenu->setTitle(ToQString(FCaption));
        FAction->setMenu(FMenu.get());
    } else if (!needed) {
        DropSubMenu();
    }
}

void TMenuItem::DropSubMenu() {
    if (!FMenu) return;
    FAction->setMenu(nullptr);
    FMenu.reset();
}

// ---------------------------------------------------------------- TMainMenu

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {
    FItems->FRootOf = this;
}

TMainMenu::~TMainMenu() {
    BeginDestroy();
    Detach();
    FItems.reset();
}

void TMainMenu::AttachTo(QMenuBar* bar) {
    Detach();
    FBar = bar;
    if (!bar) return;
    for (TMenuItem* item : FItems->FItems) bar->addAction(item->FAction.get());
}

void TMainMenu::Detach() {
    if (FBar)
        for (TMenuItem* item : FItems->FItems) FBar->removeAction(item->FAction.get());
    FBar = nullptr;
}

}  // namespace vcl
