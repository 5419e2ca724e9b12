// Classes and their published properties as the form reader sees them: a
// class is found by name, created for an owner, and the values written in a
// form description are applied through small typed property entries.
//
//   RegisterClass<TPanel>("TPanel", "TWinControl")
//       .Int("Left", &TControl::SetLeft)
//       .Str("Caption", &TPanel::SetCaption)
//       .Enum("Align", &TControl::SetAlign, {{"alNone", alNone}, {"alClient", alClient}})
//       .Str("Font.Name", [](TPanel& p, const String& s) { p.Font()->SetName(s); });
//
// A setter is a member function taking the value, a data member, or a
// callable (T&, value). Registering a class or a property again replaces the
// earlier entry, so the modules' RegisterXxxClasses() may run any number of times.
#pragma once

#include <QByteArray>
#include <any>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <typeindex>
#include <utility>
#include <vector>

#include "platform/Component.h"

namespace vcl {

// Every failure to read a form description; the message starts "line N: ".
class EFormReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One value as written in a form description.
struct TDfmValue {
    enum class Kind { Integer, Float, String, Identifier, Set, StringList, Binary };
    Kind kind = Kind::Integer;
    long long integer = 0;
    double real = 0;
    String text;                // String and Identifier
    std::vector<String> items;  // Set and StringList
    QByteArray binary;
    int line = 0;
};

const char* KindName(TDfmValue::Kind kind);

// The colour names a description may use instead of a number.
bool IdentToColor(const String& ident, TColor& color);

// What a property entry may ask of the reader while it applies a value.
class TReaderContext {
public:
    virtual ~TReaderContext() = default;

    virtual TComponent& Root() = 0;
    // Runs assign with the component named by value once every component of
    // the description exists; an unknown name is an error on value's line.
    virtual void DeferReference(const TDfmValue& value,
                                std::function<void(TComponent&)> assign) = 0;
    // The form's handler of that name (without regard to case), or null.
    virtual const std::any* FindHandler(const String& name) const = 0;

    [[noreturn]] static void Fail(int line, const String& message);
    [[noreturn]] static void Fail(const TDfmValue& value, const String& message);
    static void Expect(const TDfmValue& value, TDfmValue::Kind kind);

    // Typed access; a value of another kind is an error on its line.
    static long long Integer(const TDfmValue& value);
    static double Number(const TDfmValue& value);  // integer or float
    static const String& Text(const TDfmValue& value);
    static const String& Identifier(const TDfmValue& value);
    static bool Boolean(const TDfmValue& value);  // True or False
    static const std::vector<String>& Strings(const TDfmValue& value);
    static const QByteArray& Binary(const TDfmValue& value);

    template <class Event>
    Event Handler(const TDfmValue& value) const {
        const String& name = Identifier(value);
        const std::any* handler = FindHandler(name);
        if (!handler) Fail(value, "unknown handler '" + name + "'");
        const Event* event = std::any_cast<Event>(handler);
        if (!event) Fail(value, "handler '" + name + "' does not fit this event");
        return *event;
    }
};

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
using TPropertyApply = std::function<void(TComponent&, const TDfmValue&, TReaderContext&)>;

class TClassInfo {
public:
    TClassInfo(String name, std::type_index type) : FName(std::move(name)), FType(type) {}

    const String& Name() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    std::type_index Type() const { return FType; }
    bool IsAbstract() const { return !FFactory; }
    bool InheritsFrom(const TClassInfo& other) const;

    // A new instance owned by owner; null for an abstract class.
    TComponent* Create(TComponent* owner) const { return FFactory ? FFactory(owner) : nullptr; }

    // Looked up here first, then in the ancestors, without regard to case.
    const TPropertyApply* FindProperty(const String& name) const;
    void SetProperty(const String& name, TPropertyApply apply);

private:
    friend class TClassRegistry;
    String FName;
    std::type_index FType;
    const TClassInfo* FParent = nullptr;
    TComponentFactory FFactory;
    std::map<String, TPropertyApply> FProperties;  // keyed by lower-case name
};

template <class T>
class TClassBuilder;

class TClassRegistry {
public:
    // TComponent itself is always there, as the root of every class.
    TClassRegistry();
    TClassRegistry(const TClassRegistry&) = delete;
    TClassRegistry& operator=(const TClassRegistry&) = delete;

    // Registers T under name; parent must be registered already. T gets a
    // factory when it can be constructed from an owner and is not abstract.
    template <class T>
    TClassBuilder<T> Register(const char* name, const char* parent = "TComponent");

    // Raises std::logic_error for an unknown parent, a loop through the
    // parents, or a name taken by another C++ type.
    TClassInfo& Register(const String& name, std::type_index type, const String& parent,
                         TComponentFactory factory);

    // Without regard to case; null when unknown.
    const TClassInfo* Find(const String& name) const;
    const TClassInfo* Find(std::type_index type) const;

private:
    TClassInfo* FindInfo(const String& name) const;

    std::vector<std::unique_ptr<TClassInfo>> FClasses;
};

TClassRegistry& Classes();

template <class T>
TClassBuilder<T> RegisterClass(const char* name, const char* parent = "TComponent") {
    return Classes().Register<T>(name, parent);
}

// The registered name of a C++ class, or fallback when it has none.
String RegisteredClassName(std::type_index type, const char* fallback);

namespace dfm_detail {

// What a setter assigns, and to which class it belongs.
template <class M>
struct TCallableTraits;
template <class L, class R, class C, class A>
struct TCallableTraits<R (L::*)(C&, A) const> {
    using Class = C;
    using Value = std::decay_t<A>;
};
template <class L, class R, class C, class A>
struct TCallableTraits<R (L::*)(C&, A)> {
    using Class = C;
    using Value = std::decay_t<A>;
};

template <class S>
struct TSetterTraits : TCallableTraits<decltype(&S::operator())> {};
template <class C, class R, class A>
struct TSetterTraits<R (C::*)(A)> {
    using Class = C;
    using Value = std::decay_t<A>;
};
template <class C, class R, class A>
struct TSetterTraits<R (C::*)(A) noexcept> {
    using Class = C;
    using Value = std::decay_t<A>;
};
template <class C, class M>
requires std::is_object_v<M>
struct TSetterTraits<M C::*> {
    using Class = C;
    using Value = M;
};
template <class C, class R, class A>
struct TSetterTraits<R (*)(C&, A)> {
    using Class = C;
    using Value = std::decay_t<A>;
};

template <class S>
using SetterValue = typename TSetterTraits<S>::Value;
template <class S>
using SetterClass = typename TSetterTraits<S>::Class;

template <class S, class C, class V>
void Assign(const S& setter, C& object, V&& value) {
    if constexpr (std::is_member_object_pointer_v<S>)
        object.*setter = std::forward<V>(value);
    else
        std::invoke(setter, object, std::forward<V>(value));
}

template <class C>
C& ObjectAs(TComponent& component, const TDfmValue& value) {
    if (C* object = dynamic_cast<C*>(&component)) return *object;
    TReaderContext::Fail(value,
                         String("the property does not apply to a ") + component.ClassName());
}

template <class V>
V InRange(const TDfmValue& value, long long number) {
    if (!std::in_range<V>(number))
        TReaderContext::Fail(value, "value " + std::to_string(number) + " is out of range");
    return static_cast<V>(number);
}

template <class V>
auto Bits(V v) {
    if constexpr (std::is_enum_v<V>)
        return static_cast<std::make_unsigned_t<std::underlying_type_t<V>>>(v);
    else
        return static_cast<std::make_unsigned_t<V>>(v);
}

template <class V>
const V* FindIdent(const std::vector<std::pair<String, V>>& table, const String& ident) {
    for (const auto& [name, v] : table)
        if (SameText(name, ident)) return &v;
    return nullptr;
}

template <class L>
auto& Deref(L& list) {
    if constexpr (std::is_pointer_v<L>)
        return *list;
    else
        return list;
}

String IdentList(const std::vector<String>& names);

template <class V>
[[noreturn]] void FailIdent(const TDfmValue& value, const String& ident, const String& property,
                            const std::vector<std::pair<String, V>>& table) {
    std::vector<String> names;
    for (const auto& entry : table) names.push_back(entry.first);
    TReaderContext::Fail(
        value, "'" + ident + "' is not a value of " + property + " (" + IdentList(names) + ")");
}

}  // namespace dfm_detail

// Identifier-to-value tables for enumerations and sets.
template <class V>
using TIdentTable = std::vector<std::pair<String, V>>;

// Adds property entries to one registered class; T is that class.
template <class T>
class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo& info) : FInfo(info) {}
    TClassInfo& Info() const { return FInfo; }

    template <class S>
    TClassBuilder& Int(const char* name, S setter) {
        using V = dfm_detail::SetterValue<S>;
        static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>, "Int needs an integer");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            dfm_detail::Assign(setter, object, dfm_detail::InRange<V>(v, ctx.Integer(v)));
        });
    }

    template <class S>
    TClassBuilder& Bool(const char* name, S setter) {
        static_assert(std::is_same_v<dfm_detail::SetterValue<S>, bool>, "Bool needs a bool");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            dfm_detail::Assign(setter, object, ctx.Boolean(v));
        });
    }

    template <class S>
    TClassBuilder& Float(const char* name, S setter) {
        using V = dfm_detail::SetterValue<S>;
        static_assert(std::is_floating_point_v<V>, "Float needs a floating-point value");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            dfm_detail::Assign(setter, object, static_cast<V>(ctx.Number(v)));
        });
    }

    template <class S>
    TClassBuilder& Str(const char* name, S setter) {
        static_assert(std::is_same_v<dfm_detail::SetterValue<S>, String>, "Str needs a String");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            dfm_detail::Assign(setter, object, ctx.Text(v));
        });
    }

    // A number or a colour name (clWhite, clBtnFace...).
    template <class S>
    TClassBuilder& Color(const char* name, S setter) {
        using V = dfm_detail::SetterValue<S>;
        static_assert(std::is_integral_v<V>, "Color needs an integer colour");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            if (v.kind == TDfmValue::Kind::Identifier) {
                TColor color = 0;
                if (!IdentToColor(v.text, color)) ctx.Fail(v, "unknown colour '" + v.text + "'");
                dfm_detail::Assign(setter, object, static_cast<V>(color));
            } else {
                dfm_detail::Assign(setter, object, dfm_detail::InRange<V>(v, ctx.Integer(v)));
            }
        });
    }

    // One identifier out of table, compared without regard to case.
    template <class S>
    TClassBuilder& Enum(const char* name, S setter,
                        std::type_identity_t<TIdentTable<dfm_detail::SetterValue<S>>> table) {
        return Add<S>(name, [setter, property = String(name), table = std::move(table)](
                                auto& object, const TDfmValue& v, TReaderContext& ctx) {
            const String& ident = ctx.Identifier(v);
            const auto* value = dfm_detail::FindIdent(table, ident);
            if (!value) dfm_detail::FailIdent(v, ident, property, table);
            dfm_detail::Assign(setter, object, *value);
        });
    }

    // [a, b]: the flags of the named members OR-ed together; [] is none.
    template <class S>
    TClassBuilder& Set(const char* name, S setter,
                       std::type_identity_t<TIdentTable<dfm_detail::SetterValue<S>>> table) {
        using V = dfm_detail::SetterValue<S>;
        static_assert(std::is_integral_v<V> || std::is_enum_v<V>, "Set needs bit flags");
        return Add<S>(name, [setter, property = String(name), table = std::move(table)](
                                auto& object, const TDfmValue& v, TReaderContext& ctx) {
            ctx.Expect(v, TDfmValue::Kind::Set);
            decltype(dfm_detail::Bits(V{})) bits = 0;
            for (const String& ident : v.items) {
                const auto* flag = dfm_detail::FindIdent(table, ident);
                if (!flag) dfm_detail::FailIdent(v, ident, property, table);
                bits |= dfm_detail::Bits(*flag);
            }
            dfm_detail::Assign(setter, object, static_cast<V>(bits));
        });
    }

    // Another component of the description by name, possibly written later
    // in the text; assigned once every component exists. Its class must be
    // the setter's pointee or derived from it.
    template <class S>
    TClassBuilder& Reference(const char* name, S setter) {
        using P = dfm_detail::SetterValue<S>;
        static_assert(std::is_pointer_v<P>, "Reference needs a component pointer");
        using Target = std::remove_cv_t<std::remove_pointer_t<P>>;
        static_assert(std::is_base_of_v<TComponent, Target>, "Reference needs a component");
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            ctx.Identifier(v);
            auto* holder = &object;
            ctx.DeferReference(v, [setter, holder, v](TComponent& found) {
                auto* target = dynamic_cast<Target*>(&found);
                if (!target)
                    TReaderContext::Fail(
                        v, v.text + " is a " + found.ClassName() + ", not a " +
                               RegisteredClassName(typeid(Target), "component of that class"));
                dfm_detail::Assign(setter, *holder, target);
            });
        });
    }

    // A handler name, looked up among the form's handlers.
    template <class S>
    TClassBuilder& Event(const char* name, S setter) {
        using E = dfm_detail::SetterValue<S>;
        return Add<S>(name, [setter](auto& object, const TDfmValue& v, TReaderContext& ctx) {
            dfm_detail::Assign(setter, object, ctx.template Handler<E>(v));
        });
    }

    // ( 'a' 'b' ): either a callable (T&, const std::vector<String>&) or a
    // getter of a list with Clear() and Add(String).
    template <class F>
    TClassBuilder& Strings(const char* name, F assign) {
        return AddFor<T>(name, [assign](T& object, const TDfmValue& v, TReaderContext& ctx) {
            const std::vector<String>& items = ctx.Strings(v);
            if constexpr (std::is_invocable_v<const F&, T&, const std::vector<String>&>) {
                std::invoke(assign, object, items);
            } else {
                auto&& list = std::invoke(assign, object);
                auto& target = dfm_detail::Deref(list);
                target.Clear();
                for (const String& item : items) target.Add(item);
            }
        });
    }

    // Anything else: apply(T&, const TDfmValue&, TReaderContext&).
    template <class F>
    TClassBuilder& Custom(const char* name, F apply) {
        return AddFor<T>(name, std::move(apply));
    }

private:
    template <class S, class F>
    TClassBuilder& Add(const char* name, F apply) {
        using C = dfm_detail::SetterClass<S>;
        static_assert(std::is_base_of_v<C, T>, "the setter belongs to an unrelated class");
        return AddFor<C>(name, std::move(apply));
    }

    template <class C, class F>
    TClassBuilder& AddFor(const char* name, F apply) {
        FInfo.SetProperty(name,
                          [apply = std::move(apply)](TComponent& component, const TDfmValue& v,
                                                     TReaderContext& ctx) {
                              apply(dfm_detail::ObjectAs<C>(component, v), v, ctx);
                          });
        return *this;
    }

    TClassInfo& FInfo;
};

template <class T>
TClassBuilder<T> TClassRegistry::Register(const char* name, const char* parent) {
    static_assert(std::is_base_of_v<TComponent, T>, "only components can be registered");
    TComponentFactory factory;
    if constexpr (!std::is_abstract_v<T> && std::is_constructible_v<T, TComponent*>)
        factory = [](TComponent* owner) -> TComponent* { return new T(owner); };
    return TClassBuilder<T>(Register(name, typeid(T), parent ? parent : "", std::move(factory)));
}

}  // namespace vcl
