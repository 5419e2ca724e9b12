// A highlight's entry in the board image's menu, and the guided tour that
// walks the entries of one menu group.
#include <array>

#include "platform/Menus.h"
#include "setupctrls/BoardHighlight.h"
#include "setupctrls/BoardImage.h"
#include "setupctrls/PopupForm.h"

namespace setupctrls {

namespace {

struct TMenuGroup {
    const char* Caption;
    const char* NameWord;
    // A new group goes before the first top-level item with one of these.
    std::array<const char*, 3> InsertBefore;
};

const TMenuGroup& GroupOf(THighlightType type) {
    static const TMenuGroup groups[] = {
        {"&Options", "Options", {"&Help", nullptr, nullptr}},
        {"&Settings", "Settings", {"&Calibration", "&Options", "&Help"}},
        {"&Calibration", "Calibration", {"&Options", "&Help", nullptr}},
    };
    return groups[type <= htCalibration ? type : htSettings];
}

bool InsertsBefore(const TMenuGroup& group, const String& caption) {
    for (const char* c : group.InsertBefore)
        if (c && caption == c) return true;
    return false;
}

// base followed by the first number from 1 that owner has no component for.
String FreeComponentName(const TComponent* owner, const String& base) {
    for (int n = 1;; ++n) {
        const String name = base + std::to_string(n);
        if (!owner || !owner->FindComponent(name)) return name;
    }
}

}  // namespace

TMenuItem* TBoardHighlight::FindGroup() const {
    if (!FBoardMenu) return nullptr;
    TMenuItem* root = FBoardMenu->Items();
    const String caption = GroupOf(FHighlightType).Caption;
    for (int i = 0; i < root->Count(); ++i)
        if (root->Items(i)->Caption() == caption) return root->Items(i);
    return nullptr;
}

void TBoardHighlight::AddToMenu() {
    if (!FBoardMenu) return;
    const TMenuGroup& group = GroupOf(FHighlightType);
    TComponent* owner = FBoardMenu->Owner();
    auto addItem = [&](TMenuItem* groupItem) {
        auto* item = new TMenuItem(owner);
        item->SetCaption(FTitle);
        // A title without any letter gives no identifier; the item still
        // needs a valid name.
        item->SetName(FreeComponentName(owner, FTitleIdent.empty() ? "MenuItem" : FTitleIdent));
        item->OnClick = [this](TObject* sender) { MenuItemClick(sender); };
        groupItem->Add(item);
    };
    TMenuItem* root = FBoardMenu->Items();
    const int count = root->Count();
    if (TMenuItem* groupItem = FindGroup()) {
        for (int i = 0; i < groupItem->Count(); ++i)
            if (groupItem->Items(i)->Caption() == FTitle) return;
        if (FTitle.empty()) return;
        addItem(groupItem);
        return;
    }
    auto* groupItem = new TMenuItem(owner);
    groupItem->SetCaption(group.Caption);
    groupItem->SetName(FreeComponentName(owner, group.NameWord));
    int index = count;
    for (int i = 0; i < count; ++i)
        if (InsertsBefore(group, root->Items(i)->Caption())) {
            index = i;
            break;
        }
    root->Insert(index, groupItem);
    if (!FTitle.empty()) addItem(groupItem);
}

void TBoardHighlight::MenuItemClick(TObject* Sender) {
    const auto* item = dynamic_cast<const TMenuItem*>(Sender);
    if (IsExactly<TMenuItem>(Sender) && item->Checked()) {
        if (FPopupForm) {
            FPopupForm->Close();
            return;
        }
        // The shared popup may belong to a linked highlight.
        TWinControl* parent = Parent();
        if (!IsExactly<TBoardImage>(parent)) return;
        for (int i = 0; i < parent->ControlCount(); ++i) {
            TControl* child = parent->Controls(i);
            if (IsLinked(child) && static_cast<TBoardHighlight*>(child)->FPopupForm)
                static_cast<TBoardHighlight*>(child)->MenuItemClick(Sender);
        }
        return;
    }
    Perform(CM_MOUSEENTER, 0, 0);
    PinWithLinked();
    Perform(CM_MOUSELEAVE, 0, 0);
}

bool TBoardHighlight::FindOwnItem(TMenuItem*& groupItem, int& index) const {
    if (!FBoardMenu) return false;
    TMenuItem* root = FBoardMenu->Items();
    const String caption = GroupOf(FHighlightType).Caption;
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* group = root->Items(i);
        if (group->Caption() != caption) continue;
        for (int j = 0; j < group->Count(); ++j)
            if (group->Items(j)->Caption() == FTitle) {
                groupItem = group;
                index = j;
                return true;
            }
    }
    return false;
}

void TBoardHighlight::SetMenuCheck(bool on) {
    TMenuItem* group = nullptr;
    int index = 0;
    if (FindOwnItem(group, index)) group->Items(index)->SetChecked(on);
}

void TBoardHighlight::StepTour(int step) {
    TMenuItem* group = nullptr;
    int index = 0;
    if (!FindOwnItem(group, index)) return;
    const int count = group->Count();
    const int target = (index + step + count) % count;
    if (FPopupForm) FPopupForm->Close();
    // Invoked directly, with this highlight as the sender, so the target
    // opens and pins its popup.
    TMenuItem* next = group->Items(target);
    if (next->OnClick) next->OnClick(this);
}

void TBoardHighlight::PreviousButtonClick(TObject*) { StepTour(-1); }
void TBoardHighlight::NextButtonClick(TObject*) { StepTour(+1); }

}  // namespace setupctrls
