#include "platform/Component.h"

#include <algorithm>
#include <cctype>

namespace vcl {

bool SameText(const String& a, const String& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

static bool IsAsciiAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool TComponent::IsValidIdent(const String& name) {
    if (name.empty() || !(IsAsciiAlpha(name[0]) || name[0] == '_')) return false;
    return std::all_of(name.begin() + 1, name.end(), [](char c) {
        return IsAsciiAlpha(c) || (c >= '0' && c <= '9') || c == '_';
    });
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    BeginDestroy();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::DestroyComponents() {
    BeginDestroy();
    // Each destructor removes itself from FComponents.
    while (!FComponents.empty()) delete FComponents.back();
}

TComponent* TComponent::FindComponent(const String& name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::SetName(const String& name) {
    if (name == FName) return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError("\"" + name + "\" is not a valid component name");
    if (FOwner) {
        TComponent* other = FOwner->FindComponent(name);
        if (other && other != this)
            throw EComponentError("A component named " + name + " already exists");
    }
    FName = name;
}

void TComponent::SetDesigning(bool designing) {
    if (designing)
        FComponentState |= csDesigning;
    else
        FComponentState &= ~csDesigning;
    for (TComponent* c : FComponents) c->SetDesigning(designing);
}

void TComponent::SetLoading(bool loading) {
    if (loading)
        FComponentState |= csLoading;
    else
        FComponentState &= ~csLoading;
}

void TComponent::Loaded() { SetLoading(false); }

void TComponent::InsertComponent(TComponent* component) {
    if (component->FOwner == this) return;
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    if (!component->FName.empty() && FindComponent(component->FName))
        throw EComponentError("A component named " + component->FName + " already exists");
    FComponents.push_back(component);
    component->FOwner = this;
    if (IsDesigning()) component->SetDesigning(true);
}

void TComponent::RemoveComponent(TComponent* component) {
    auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it == FComponents.end()) return;
    FComponents.erase(it);
    component->FOwner = nullptr;
}

}  // namespace vcl
