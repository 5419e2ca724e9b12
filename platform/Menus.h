// Main menu and menu items, mirrored on a Qt menu bar. The component owner
// tree owns the items; the item tree (Parent/Items) only orders them.
#pragma once

#include <QPointer>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/Component.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace vcl {

class TMainMenu;

class EMenuError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    const char* ClassName() const override { return "TMenuItem"; }

    // '&' marks the accelerator and "&&" is a literal '&', as in Qt.
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& caption);
    bool Checked() const { return FChecked; }
    void SetChecked(bool checked);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return FVisible; }
    void SetVisible(bool visible);

    TNotifyEvent OnClick;
    // Runs OnClick, if assigned, with this item as sender.
    virtual void Click();

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int index) const { return FItems.at(index); }
    // For a top-level item this is the main menu's invisible root.
    TMenuItem* Parent() const { return FParent; }
    void Add(TMenuItem* item);
    // index runs from 0 to Count(); raises EMenuError when it is outside that
    // range, when the item already has a parent or when it would make a cycle.
    void Insert(int index, TMenuItem* item);
    // Raises EMenuError when item is not one of this item's sub-items.
    void Remove(TMenuItem* item);
    int IndexOf(const TMenuItem* item) const;
    // Position among the parent's items; -1 without a parent.
    int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }

    // A form description nests items inside items or inside a main menu.
    void SetParentComponent(TComponent* parent) override;

    // The Qt side: the action always, the submenu while the item has
    // sub-items or sits on the menu bar.
    QAction* QtAction() const { return FAction.get(); }
    QMenu* QtMenu() const { return FMenu.get(); }

private:
    friend class TMainMenu;

    bool IsRoot() const { return FRootOf != nullptr; }
    bool IsTopLevel() const { return FParent && FParent->IsRoot(); }
    bool IsSelfOrAncestor(const TMenuItem* item) const;
    // Where the sub-items' actions live: the submenu, or the bar for a root.
    QWidget* Container() const;
    void ShowChild(int index);
    void HideChild(TMenuItem* item);
    void Detach(TMenuItem* item);
    void UpdateSubMenu();
    void DropSubMenu();
    void Triggered();

    String FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    TMenuItem* FParent = nullptr;
    std::vector<TMenuItem*> FItems;
    TMainMenu* FRootOf = nullptr;  // set only on a main menu's root
    std::unique_ptr<QAction> FAction;
    std::unique_ptr<QMenu> FMenu;
};

class TMainMenu : public TComponent {
public:
    explicit TMainMenu(TComponent* AOwner);
    ~TMainMenu() override;

    const char* ClassName() const override { return "TMainMenu"; }

    // The invisible root; its sub-items are the menu bar entries.
    TMenuItem* Items() const { return FItems.get(); }

    // Mirrors the whole tree onto bar and keeps it in step with later
    // changes. The bar may be destroyed first; the menu then just forgets it.
    void AttachTo(QMenuBar* bar);
    void Detach();

private:
    friend class TMenuItem;

    std::unique_ptr<TMenuItem> FItems;
    QPointer<QMenuBar> FBar;
};

}  // namespace vcl
