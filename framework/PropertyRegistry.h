#pragma once

#include "framework/Event.h"
#include "framework/Exception.h"
#include "framework/Object.h"
#include "framework/Set.h"
#include "framework/Value.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

class TComponent;
class TCollection;
class TCollectionItem;

// What a published property holds, and the TValue alternative it takes and
// gives by name:
//   pkInteger  int64_t               pkFloat   double (int64_t accepted)
//   pkBoolean  bool (TIdent True/False accepted)
//   pkEnum     TIdent (int64_t ordinal or std::string name accepted)
//   pkSet      TSetValue (int64_t bit mask accepted)
//   pkString   std::string           pkColor   int64_t (TIdent colour name accepted)
//   pkClass    TObject*: an owned sub-object (a font); nested paths such as
//              "Font.Name" reach its own properties; setting assigns to it
//   pkBinary   TObject*: an owned sub-object stored as bytes (a picture);
//              TBytes are passed to its ReadBinary
//   pkCollection TObject* (a TCollection)
//   pkStrings  TObject* (a TStrings); a TStringVector replaces the lines
//   pkComponent TObject*: a reference to another component, or null
//   pkEvent    TMethodRef
enum class TPropKind
{
    pkInteger,
    pkFloat,
    pkBoolean,
    pkEnum,
    pkSet,
    pkString,
    pkColor,
    pkClass,
    pkBinary,
    pkCollection,
    pkStrings,
    pkComponent,
    pkEvent
};

// One published property. Only the accessor pair of the property's kind is
// set; a missing setter makes the property read-only.
struct TPropInfo
{
    std::string Name;
    TPropKind Kind = TPropKind::pkInteger;
    std::vector<std::string> Names; // enumeration or set members, by ordinal
    int64_t MinValue = std::numeric_limits<int64_t>::min();
    int64_t MaxValue = std::numeric_limits<int64_t>::max();
    std::optional<int64_t> Default; // ordinal kinds only
    bool StoredFlag = true;
    std::function<bool(const TObject&)> StoredPredicate;

    std::function<int64_t(const TObject&)> GetOrd;
    std::function<void(TObject&, int64_t)> SetOrd;
    std::function<double(const TObject&)> GetFloat;
    std::function<void(TObject&, double)> SetFloat;
    std::function<std::string(const TObject&)> GetString;
    std::function<void(TObject&, const std::string&)> SetString;
    std::function<TObject*(const TObject&)> GetObject;
    std::function<void(TObject&, TObject*)> SetObject;
    std::function<TMethodRef(const TObject&)> GetMethod;
    std::function<void(TObject&, const TMethodRef&)> SetMethod;

    bool IsOrdinal() const;
    bool IsObject() const;
    bool IsReadOnly() const;
};

// A method a class offers as an event handler by name (form definitions bind
// event properties to it). Signature identifies the parameter list.
struct TMethodInfo
{
    std::string Name;
    const void* Signature = nullptr;
    std::shared_ptr<const void> Invoker; // std::function<void(TObject*, Args...)>
    // Whether an object is of the class that offers the method.
    bool (*AcceptsTarget)(const TObject*) = nullptr;
};

// Data a class keeps in form definitions without publishing it (the bytes
// of an embedded file): no by-name access, only the reader and the writer
// see it. Read receives the stored bytes; Write answers the bytes to store,
// or nothing to leave the entry out.
struct TDefinedPropInfo
{
    std::string Name;
    std::function<void(TObject&, std::span<const uint8_t>)> Read;
    std::function<std::optional<std::vector<uint8_t>>(const TObject&)> Write;
};

// A component field of a form class: set to the owned component of the same
// name when it is created or renamed, cleared when it goes away.
struct TFieldInfo
{
    std::string Name;
    // False when Value is not of the field's class (Value stays unassigned).
    std::function<bool(TObject& Instance, TComponent* Value)> Set;
};

template <class... Args> const void* SignatureId()
{
    static const char Id = 0;
    return &Id;
}

// The run-time description of one class: its name, parent, published
// properties (inherited ones first, each class's in declaration order),
// handler methods, component fields and how to create an instance.
class TClassInfo
{
  public:
    TClassInfo(TClassInfo&&) = default;
    TClassInfo(const TClassInfo&) = delete;
    TClassInfo& operator=(const TClassInfo&) = delete;

    const std::string& ClassName() const { return FName; }
    const TClassInfo* Parent() const { return FParent; }
    bool InheritsFrom(const TClassInfo& Other) const;

    std::span<const TPropInfo* const> Properties() const { return FAllProperties; }
    const TPropInfo* FindProperty(std::string_view Name) const;
    const TMethodInfo* FindMethod(std::string_view Name) const;
    const TFieldInfo* FindField(std::string_view Name) const;
    // Stored, unpublished data, inherited entries first.
    std::span<const TDefinedPropInfo* const> DefinedProperties() const { return FAllDefined; }
    const TDefinedPropInfo* FindDefinedProperty(std::string_view Name) const;

    bool CanCreateComponent() const { return static_cast<bool>(FComponentFactory); }
    bool CanCreateItem() const { return static_cast<bool>(FItemFactory); }
    // Throw EComponentError when the class has no such constructor.
    TComponent* CreateComponent(TComponent* Owner) const;
    TCollectionItem* CreateItem(TCollection* Collection) const;

  private:
    template <class T> friend class TClassBuilder;
    TClassInfo(std::string Name, const TClassInfo* Parent) : FName(std::move(Name)), FParent(Parent)
    {
    }

    std::string FName;
    const TClassInfo* FParent;
    std::vector<std::unique_ptr<TPropInfo>> FOwnProperties;
    std::vector<const TPropInfo*> FAllProperties;
    std::vector<std::unique_ptr<TDefinedPropInfo>> FOwnDefined;
    std::vector<const TDefinedPropInfo*> FAllDefined;
    std::vector<std::unique_ptr<TMethodInfo>> FMethods;
    std::vector<std::unique_ptr<TFieldInfo>> FFields;
    std::function<TComponent*(TComponent*)> FComponentFactory;
    std::function<TCollectionItem*(TCollection*)> FItemFactory;

    void Finish();
};

namespace PropertyDetail
{
template <class V> int64_t ToOrd(const V& Value)
{
    if constexpr (std::is_enum_v<V>)
        return static_cast<int64_t>(Value);
    else if constexpr (requires { Value.Mask(); })
        return static_cast<int64_t>(Value.Mask());
    else
        return static_cast<int64_t>(Value);
}

template <class V> V FromOrd(int64_t Value)
{
    if constexpr (requires { V::FromMask(uint64_t{}); })
        return V::FromMask(static_cast<uint64_t>(Value));
    else
        return static_cast<V>(Value);
}

template <class M> struct TSetterTraits;
template <class C, class P> struct TSetterTraits<void (C::*)(P)>
{
    using Arg = std::decay_t<P>;
};
template <class C, class P> struct TSetterTraits<void (C::*)(P) noexcept>
{
    using Arg = std::decay_t<P>;
};

template <class T, class G> decltype(auto) Read(G Get, const TObject& Instance)
{
    return std::invoke(Get, static_cast<const T&>(Instance));
}

[[noreturn]] void ThrowBadObject(const std::string& Property);
[[noreturn]] void ThrowSignatureMismatch(const std::string& Handler, const std::string& Property);
[[noreturn]] void ThrowBadTarget(const std::string& Handler, const std::string& Property);
} // namespace PropertyDetail

// Builds a TClassInfo for class T. Used once per class, in T::StaticClass():
//
//   const TClassInfo& TSample::StaticClass()
//   {
//       static const TClassInfo Info =
//           TClassBuilder<TSample>("TSample", &TComponent::StaticClass())
//               .Integer("Width", &TSample::GetWidth, &TSample::SetWidth).Default(10)
//               .Enum("Align", &TSample::GetAlign, &TSample::SetAlign, AlignNames)
//               .Build();
//       return Info;
//   }
//
// Getters are const member functions (or data members) of T or a base;
// setters are member functions taking one argument; omit the setter for a
// read-only property. A property re-declared under an inherited name replaces
// the inherited one at its place in the order. T gets a component factory
// when it is constructible from a TComponent* owner, and an item factory
// when it is constructible from a TCollection*.
template <class T> class TClassBuilder
{
  public:
    TClassBuilder(std::string Name, const TClassInfo* Parent) : FInfo(std::move(Name), Parent)
    {
        if constexpr (std::is_constructible_v<T, TComponent*> && !std::is_abstract_v<T>)
            FInfo.FComponentFactory = [](TComponent* Owner) -> TComponent* { return new T(Owner); };
        if constexpr (std::is_constructible_v<T, TCollection*> && !std::is_abstract_v<T>)
            FInfo.FItemFactory = [](TCollection* Collection) -> TCollectionItem*
            { return new T(Collection); };
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Integer(std::string Name, G Get, S Set = nullptr)
    {
        return Ordinal(TPropKind::pkInteger, std::move(Name), Get, Set, {});
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Boolean(std::string Name, G Get, S Set = nullptr)
    {
        return Ordinal(TPropKind::pkBoolean, std::move(Name), Get, Set, {"False", "True"});
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Enum(std::string Name, G Get, S Set, std::vector<std::string> Names)
    {
        return Ordinal(TPropKind::pkEnum, std::move(Name), Get, Set, std::move(Names));
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Set(std::string Name, G Get, S Set_, std::vector<std::string> Names)
    {
        return Ordinal(TPropKind::pkSet, std::move(Name), Get, Set_, std::move(Names));
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Color(std::string Name, G Get, S Set = nullptr)
    {
        return Ordinal(TPropKind::pkColor, std::move(Name), Get, Set, {});
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& Float(std::string Name, G Get, S Set = nullptr)
    {
        TPropInfo& P = Add(TPropKind::pkFloat, std::move(Name));
        P.GetFloat = [Get](const TObject& O)
        { return static_cast<double>(PropertyDetail::Read<T>(Get, O)); };
        if constexpr (!std::is_null_pointer_v<S>)
        {
            using Arg = typename PropertyDetail::TSetterTraits<S>::Arg;
            P.SetFloat = [Set](TObject& O, double V)
            { std::invoke(Set, static_cast<T&>(O), static_cast<Arg>(V)); };
        }
        return *this;
    }

    template <class G, class S = std::nullptr_t>
    TClassBuilder& String(std::string Name, G Get, S Set = nullptr)
    {
        TPropInfo& P = Add(TPropKind::pkString, std::move(Name));
        P.GetString = [Get](const TObject& O)
        { return std::string(PropertyDetail::Read<T>(Get, O)); };
        if constexpr (!std::is_null_pointer_v<S>)
            P.SetString = [Set](TObject& O, const std::string& V)
            { std::invoke(Set, static_cast<T&>(O), V); };
        return *this;
    }

    // Owned sub-objects: a font (Class), a picture (Binary), a collection,
    // a string list. The setter, when given, receives the object to copy.
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Class(std::string Name, G Get, S Set = nullptr)
    {
        return Object(TPropKind::pkClass, std::move(Name), Get, Set);
    }
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Binary(std::string Name, G Get, S Set = nullptr)
    {
        return Object(TPropKind::pkBinary, std::move(Name), Get, Set);
    }
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Collection(std::string Name, G Get, S Set = nullptr)
    {
        return Object(TPropKind::pkCollection, std::move(Name), Get, Set);
    }
    template <class G, class S = std::nullptr_t>
    TClassBuilder& Strings(std::string Name, G Get, S Set = nullptr)
    {
        return Object(TPropKind::pkStrings, std::move(Name), Get, Set);
    }

    // A reference to another component; the setter's parameter type decides
    // which classes it accepts.
    template <class G, class S> TClassBuilder& Component(std::string Name, G Get, S Set)
    {
        return Object(TPropKind::pkComponent, std::move(Name), Get, Set);
    }

    template <class C, class... Args>
    TClassBuilder& Event(std::string Name, TEvent<Args...> C::*Field)
    {
        TPropInfo& P = Add(TPropKind::pkEvent, std::move(Name));
        P.GetMethod = [Field](const TObject& O) {
            return TMethodRef{nullptr, nullptr, (static_cast<const T&>(O).*Field).HandlerName()};
        };
        P.SetMethod = [Field, PropName = P.Name](TObject& O, const TMethodRef& M)
        {
            auto& E = static_cast<T&>(O).*Field;
            if (!M.Method)
            {
                E.Clear();
                return;
            }
            if (M.Method->Signature != SignatureId<Args...>())
                PropertyDetail::ThrowSignatureMismatch(M.Method->Name, PropName);
            if (!M.Method->AcceptsTarget(M.Target))
                PropertyDetail::ThrowBadTarget(M.Method->Name, PropName);
            using TInvoker = std::function<void(TObject*, Args...)>;
            auto Invoker = std::static_pointer_cast<const TInvoker>(M.Method->Invoker);
            E.Assign([Invoker, Target = M.Target](Args... A)
                     { (*Invoker)(Target, std::forward<Args>(A)...); },
                     M.Method->Name);
        };
        return *this;
    }

    // A handler method event properties can be bound to by name.
    template <class C, class... Args>
    TClassBuilder& Method(std::string Name, void (C::*Handler)(Args...))
    {
        auto M = std::make_unique<TMethodInfo>();
        M->Name = std::move(Name);
        M->Signature = SignatureId<Args...>();
        M->AcceptsTarget = [](const TObject* Target)
        { return dynamic_cast<const T*>(Target) != nullptr; };
        M->Invoker = std::make_shared<const std::function<void(TObject*, Args...)>>(
            [Handler](TObject* Target, Args... A)
            { (static_cast<T*>(Target)->*Handler)(std::forward<Args>(A)...); });
        FInfo.FMethods.push_back(std::move(M));
        return *this;
    }

    // A component field, kept pointing at the owned component of that name.
    template <class C, class U> TClassBuilder& Field(std::string Name, U* C::*Member)
    {
        auto F = std::make_unique<TFieldInfo>();
        F->Name = std::move(Name);
        F->Set = [Member](TObject& O, TComponent* Value)
        {
            U* Typed = nullptr;
            if (Value && !(Typed = dynamic_cast<U*>(Value))) return false;
            static_cast<T&>(O).*Member = Typed;
            return true;
        };
        FInfo.FFields.push_back(std::move(F));
        return *this;
    }

    // Binary data stored in form definitions but not published: Read is
    // void (T::*)(std::span<const uint8_t>), Write is
    // std::optional<TBytes> (T::*)() const.
    template <class R, class W> TClassBuilder& DefineBinary(std::string Name, R Read, W Write)
    {
        auto D = std::make_unique<TDefinedPropInfo>();
        D->Name = std::move(Name);
        D->Read = [Read](TObject& O, std::span<const uint8_t> Data)
        { std::invoke(Read, static_cast<T&>(O), Data); };
        D->Write = [Write](const TObject& O) -> std::optional<std::vector<uint8_t>>
        { return std::invoke(Write, static_cast<const T&>(O)); };
        FInfo.FOwnDefined.push_back(std::move(D));
        return *this;
    }

    // Modifiers of the property added last.
    template <class V> TClassBuilder& Default(const V& Value)
    {
        Last().Default = PropertyDetail::ToOrd(Value);
        return *this;
    }
    TClassBuilder& NoDefault()
    {
        Last().Default.reset();
        return *this;
    }
    TClassBuilder& Stored(bool Value)
    {
        Last().StoredFlag = Value;
        return *this;
    }
    template <class C> TClassBuilder& Stored(bool (C::*Predicate)() const)
    {
        Last().StoredPredicate = [Predicate](const TObject& O)
        { return (static_cast<const T&>(O).*Predicate)(); };
        return *this;
    }

    TClassInfo Build()
    {
        FInfo.Finish();
        return std::move(FInfo);
    }

  private:
    TPropInfo& Add(TPropKind Kind, std::string Name)
    {
        auto P = std::make_unique<TPropInfo>();
        P->Name = std::move(Name);
        P->Kind = Kind;
        FInfo.FOwnProperties.push_back(std::move(P));
        return *FInfo.FOwnProperties.back();
    }

    TPropInfo& Last() { return *FInfo.FOwnProperties.back(); }

    template <class G, class S>
    TClassBuilder& Ordinal(TPropKind Kind, std::string Name, G Get, S Set,
                           std::vector<std::string> Names)
    {
        TPropInfo& P = Add(Kind, std::move(Name));
        P.Names = std::move(Names);
        P.GetOrd = [Get](const TObject& O)
        { return PropertyDetail::ToOrd(PropertyDetail::Read<T>(Get, O)); };
        if constexpr (!std::is_null_pointer_v<S>)
        {
            using Arg = typename PropertyDetail::TSetterTraits<S>::Arg;
            if constexpr (std::is_integral_v<Arg> && !std::is_same_v<Arg, bool>)
            {
                P.MinValue = static_cast<int64_t>(std::numeric_limits<Arg>::min());
                if constexpr (sizeof(Arg) < sizeof(int64_t) || std::is_signed_v<Arg>)
                    P.MaxValue = static_cast<int64_t>(std::numeric_limits<Arg>::max());
            }
            P.SetOrd = [Set](TObject& O, int64_t V)
            { std::invoke(Set, static_cast<T&>(O), PropertyDetail::FromOrd<Arg>(V)); };
        }
        return *this;
    }

    template <class G, class S>
    TClassBuilder& Object(TPropKind Kind, std::string Name, G Get, S Set)
    {
        TPropInfo& P = Add(Kind, std::move(Name));
        P.GetObject = [Get](const TObject& O) -> TObject*
        { return PropertyDetail::Read<T>(Get, O); };
        if constexpr (!std::is_null_pointer_v<S>)
        {
            using Arg = typename PropertyDetail::TSetterTraits<S>::Arg;
            P.SetObject = [Set, PropName = P.Name](TObject& O, TObject* V)
            {
                Arg Typed = nullptr;
                if (V && !(Typed = dynamic_cast<Arg>(V))) PropertyDetail::ThrowBadObject(PropName);
                std::invoke(Set, static_cast<T&>(O), Typed);
            };
        }
        return *this;
    }

    TClassInfo FInfo;
};

// By-name access. Names compare without case; a Name may be a dotted path
// through sub-object properties ("Font.Name"). Get/SetPropValue throw
// EPropertyError for an unknown or read-only property or a value of the
// wrong kind; setters run as they would when called directly.
const TPropInfo* GetPropInfo(const TClassInfo& Class, std::string_view Name);
bool IsPublishedProp(const TClassInfo& Class, std::string_view Name);
bool IsPublishedProp(const TObject& Instance, std::string_view Name);
TValue GetPropValue(const TObject& Instance, std::string_view Name);
void SetPropValue(TObject& Instance, std::string_view Name, const TValue& Value);
TValue GetPropValue(const TObject& Instance, const TPropInfo& Prop);
void SetPropValue(TObject& Instance, const TPropInfo& Prop, const TValue& Value);

// Whether the property's value belongs in a stored definition: its stored
// flag/predicate holds and the value differs from the declared default
// (ordinals), is not 0 (floats) or not empty (strings, events, references).
// Sub-objects, collections, string lists and binary data are decided by the
// writer from their contents.
bool IsStoredProp(const TObject& Instance, const TPropInfo& Prop);
bool IsDefaultPropValue(const TObject& Instance, const TPropInfo& Prop);
