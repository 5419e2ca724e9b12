// Components: an owner that destroys what it owns, names unique among the
// owner's components (without regard to case) and the component state.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <vector>

#include "platform/String.h"
#include "platform/Types.h"

namespace vcl {

enum TComponentStateFlag : std::uint8_t {
    csLoading = 1 << 0,
    csDesigning = 1 << 1,
    csDestroying = 1 << 2,
};
using TComponentState = std::uint8_t;

class EComponentError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return FOwner; }
    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int index) const { return FComponents.at(index); }
    // The owned component of that name, compared without regard to case.
    TComponent* FindComponent(const String& name) const;

    const String& Name() const { return FName; }
    // A free number for the program's own use (forms use it to tell windows apart).
    std::intptr_t Tag() const { return FTag; }
    void SetTag(std::intptr_t tag) { FTag = tag; }
    // Raises EComponentError when the owner already has another component of
    // that name or the name is not a valid identifier (empty is allowed).
    void SetName(const String& name);

    TComponentState ComponentState() const { return FComponentState; }
    bool IsLoading() const { return FComponentState & csLoading; }
    bool IsDesigning() const { return FComponentState & csDesigning; }
    bool IsDestroying() const { return FComponentState & csDestroying; }
    // Design mode is settable so that design-mode branches can be exercised;
    // it applies to this component and everything it owns.
    void SetDesigning(bool designing);
    void SetLoading(bool loading);

    // Called once after a form description has been applied; clears csLoading.
    virtual void Loaded();
    // Where a form description nests this component inside another one:
    // controls take it as their parent, menu items as their parent item.
    virtual void SetParentComponent(TComponent* /*parent*/) {}

    // Moves a component from its owner to this one.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);

    // Exact class name, as the system's own class tests use it.
    virtual const char* ClassName() const { return "TComponent"; }

    static bool IsValidIdent(const String& name);

protected:
    // Runs first in every destructor chain that needs it: marks destroying.
    void BeginDestroy() { FComponentState |= csDestroying; }
    // Destroys every owned component, last first.
    void DestroyComponents();

private:
    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    String FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState = 0;
};

bool SameText(const String& a, const String& b);

}  // namespace vcl
