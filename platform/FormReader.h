// Builds a form from its text description:
//
//   object MainForm: TMainForm
//     Caption = 'Setup'
//     object Panel1: TPanel
//       Left = 8
//     end
//   end
//
// Reading happens in this order:
//   1. The whole text is parsed; a syntax error stops before anything is made.
//   2. The root (the form passed in, never created) gets csLoading and the
//      name written in the text, made unique among its owner's components
//      by a _1, _2... suffix as a second instance of a form needs; then its
//      properties are applied.
//   3. Each nested object, in text order: created through the class registry
//      with the root as owner, csLoading set, named (SetName), nested
//      (SetParentComponent with the enclosing object), then its properties
//      applied in text order, then its own nested objects.
//   4. References to components are assigned in text order, so a reference
//      may name a component written further down.
//   5. The form's fields are bound to the components of their names.
//   6. Loaded() on every created component in creation order, the root last.
//      An error raised there is reported at the line of that object.
// Only the properties written are applied; everything else keeps the value
// its constructor gave it. Any failure raises EFormReadError "line N: ...";
// the components created so far stay owned by the root and die with it, and
// the loading state is cleared on all of them.
#pragma once

#include <any>
#include <functional>
#include <map>
#include <type_traits>
#include <typeindex>
#include <vector>

#include "platform/ClassRegistry.h"

namespace vcl {

struct TDfmProperty {
    String name;  // dotted names ("Font.Name") stay whole
    int line = 0;
    TDfmValue value;
};

struct TDfmObject {
    String name;
    String className;
    int line = 0;       // of the 'object' keyword
    int classLine = 0;  // of the class name
    std::vector<TDfmProperty> properties;
    std::vector<TDfmObject> children;
};

// Parses a description without creating anything.
TDfmObject ParseForm(const String& description);

// What a form offers the reader: its fields (by component name) and its
// event handlers (by handler name), both matched without regard to case.
class TFormBindings {
public:
    struct TField {
        String name;
        std::type_index type;
        // False when the component is not of the field's class.
        std::function<bool(TComponent*)> bind;
    };

    // slot receives the component of that name; it must be a T.
    template <class T>
    TFormBindings& Field(const char* name, T*& slot) {
        static_assert(std::is_base_of_v<TComponent, T>, "fields hold components");
        FFields.push_back({name, typeid(T), [&slot](TComponent* component) {
                               T* typed = dynamic_cast<T*>(component);
                               if (typed) slot = typed;
                               return typed != nullptr;
                           }});
        return *this;
    }

    // A handler for events of type Event (TNotifyEvent unless named).
    template <class Event = TNotifyEvent>
    TFormBindings& Handler(const char* name, std::type_identity_t<Event> event) {
        FHandlers[Key(name)] = std::any(std::move(event));
        return *this;
    }

    // A member function bound to its object: Handler("FormCreate", this, &TMainForm::FormCreate).
    template <class C, class... A>
    TFormBindings& Handler(const char* name, C* object, void (C::*method)(A...)) {
        return Handler<std::function<void(A...)>>(
            name, [object, method](A... args) { (object->*method)(std::forward<A>(args)...); });
    }

    const std::any* FindHandler(const String& name) const;
    const std::vector<TField>& Fields() const { return FFields; }

private:
    static String Key(const String& name);

    std::vector<TField> FFields;
    std::map<String, std::any> FHandlers;  // keyed by lower-case name
};

// Applies description to root, whose ClassName() must be the class written
// for the outer object and must be registered.
void ReadForm(TComponent& root, const String& description,
              const TFormBindings& bindings = TFormBindings());

}  // namespace vcl
