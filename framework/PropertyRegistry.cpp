#include "framework/PropertyRegistry.h"

#include "framework/Persistent.h"
#include "framework/Strings.h"
#include "framework/Text.h"
#include "framework/UpdateScope.h"
#include "platform/gfx/Color.h"

#include <algorithm>

bool TPropInfo::IsOrdinal() const
{
    switch (Kind)
    {
    case TPropKind::pkInteger:
    case TPropKind::pkBoolean:
    case TPropKind::pkEnum:
    case TPropKind::pkSet:
    case TPropKind::pkColor:
        return true;
    default:
        return false;
    }
}

bool TPropInfo::IsObject() const
{
    return static_cast<bool>(GetObject);
}

bool TPropInfo::IsReadOnly() const
{
    if (IsOrdinal()) return !SetOrd;
    switch (Kind)
    {
    case TPropKind::pkFloat:
        return !SetFloat;
    case TPropKind::pkString:
        return !SetString;
    case TPropKind::pkComponent:
        return !SetObject;
    case TPropKind::pkEvent:
        return !SetMethod;
    default:
        return false; // owned sub-objects are filled through the object itself
    }
}

bool TClassInfo::InheritsFrom(const TClassInfo& Other) const
{
    for (const TClassInfo* C = this; C; C = C->FParent)
        if (C == &Other) return true;
    return false;
}

const TPropInfo* TClassInfo::FindProperty(std::string_view Name) const
{
    for (const TPropInfo* P : FAllProperties)
        if (SameText(P->Name, Name)) return P;
    return nullptr;
}

const TMethodInfo* TClassInfo::FindMethod(std::string_view Name) const
{
    for (const TClassInfo* C = this; C; C = C->FParent)
        for (const auto& M : C->FMethods)
            if (SameText(M->Name, Name)) return M.get();
    return nullptr;
}

const TFieldInfo* TClassInfo::FindField(std::string_view Name) const
{
    for (const TClassInfo* C = this; C; C = C->FParent)
        for (const auto& F : C->FFields)
            if (SameText(F->Name, Name)) return F.get();
    return nullptr;
}

const TDefinedPropInfo* TClassInfo::FindDefinedProperty(std::string_view Name) const
{
    for (const TDefinedPropInfo* D : FAllDefined)
        if (SameText(D->Name, Name)) return D;
    return nullptr;
}

TComponent* TClassInfo::CreateComponent(TComponent* Owner) const
{
    if (!FComponentFactory)
        throw EComponentError("Class " + FName + " cannot be created as a component");
    return FComponentFactory(Owner);
}

TCollectionItem* TClassInfo::CreateItem(TCollection* Collection) const
{
    if (!FItemFactory)
        throw EComponentError("Class " + FName + " cannot be created as a collection item");
    return FItemFactory(Collection);
}

void TClassInfo::Finish()
{
    if (FParent) FAllProperties = FParent->FAllProperties;
    for (const auto& P : FOwnProperties)
    {
        auto Same = std::find_if(FAllProperties.begin(), FAllProperties.end(),
                                 [&](const TPropInfo* Q) { return SameText(Q->Name, P->Name); });
        if (Same != FAllProperties.end())
            *Same = P.get();
        else
            FAllProperties.push_back(P.get());
    }
    if (FParent) FAllDefined = FParent->FAllDefined;
    for (const auto& D : FOwnDefined)
    {
        auto Same =
            std::find_if(FAllDefined.begin(), FAllDefined.end(),
                         [&](const TDefinedPropInfo* Q) { return SameText(Q->Name, D->Name); });
        if (Same != FAllDefined.end())
            *Same = D.get();
        else
            FAllDefined.push_back(D.get());
    }
}

namespace PropertyDetail
{
void ThrowBadObject(const std::string& Property)
{
    throw EPropertyError("Invalid object class for property " + Property);
}

void ThrowSignatureMismatch(const std::string& Handler, const std::string& Property)
{
    throw EPropertyError("Handler " + Handler + " does not match the parameters of event " +
                         Property);
}

void ThrowBadTarget(const std::string& Handler, const std::string& Property)
{
    throw EPropertyError("Handler " + Handler + " for event " + Property +
                         " needs an object of its own class");
}
} // namespace PropertyDetail

namespace
{
[[noreturn]] void BadValue(const TPropInfo& Prop)
{
    throw EPropertyError("Invalid value for property " + Prop.Name);
}

struct TTarget
{
    TObject* Instance;
    const TPropInfo* Prop;
};

// Walks "A.B.C" through sub-object properties; returns the object that holds
// the last name and that name's property.
template <class Obj> std::pair<Obj*, const TPropInfo*> Resolve(Obj& Instance, std::string_view Path)
{
    Obj* Current = &Instance;
    for (;;)
    {
        const size_t Dot = Path.find('.');
        const std::string_view Head = Path.substr(0, Dot);
        const TPropInfo* Prop = Current->ClassInfo().FindProperty(Head);
        if (!Prop)
            throw EPropertyError("Property " + std::string(Head) + " does not exist in " +
                                 Current->ClassName());
        if (Dot == std::string_view::npos) return {Current, Prop};
        if (Prop->Kind != TPropKind::pkClass && Prop->Kind != TPropKind::pkBinary)
            throw EPropertyError("Property " + Prop->Name + " has no sub-properties");
        Current = Prop->GetObject(*Current);
        if (!Current) throw EPropertyError("Property " + Prop->Name + " is not assigned");
        Path.remove_prefix(Dot + 1);
    }
}

int64_t MemberIndex(const TPropInfo& Prop, std::string_view Name)
{
    for (size_t I = 0; I < Prop.Names.size(); ++I)
        if (SameText(Prop.Names[I], Name)) return static_cast<int64_t>(I);
    throw EPropertyError("'" + std::string(Name) + "' is not a valid value for property " +
                         Prop.Name);
}

int64_t ToOrdinal(const TPropInfo& Prop, const TValue& Value)
{
    int64_t Ord;
    if (const int64_t* I = Value.TryGet<int64_t>())
        Ord = *I;
    else if (const bool* B = Value.TryGet<bool>(); B && Prop.Kind == TPropKind::pkBoolean)
        Ord = *B ? 1 : 0;
    else if (const TIdent* Id = Value.TryGet<TIdent>())
    {
        if (Prop.Kind == TPropKind::pkColor)
        {
            TColor C = 0;
            if (!ColorFromName(Id->Name, C))
                throw EPropertyError("'" + Id->Name + "' is not a valid colour for property " +
                                     Prop.Name);
            return C;
        }
        if (Prop.Kind != TPropKind::pkEnum && Prop.Kind != TPropKind::pkBoolean) BadValue(Prop);
        return MemberIndex(Prop, Id->Name);
    }
    else if (const std::string* S = Value.TryGet<std::string>();
             S && Prop.Kind == TPropKind::pkEnum)
        return MemberIndex(Prop, *S);
    else if (const TSetValue* Set = Value.TryGet<TSetValue>(); Set && Prop.Kind == TPropKind::pkSet)
    {
        uint64_t Mask = 0;
        for (const auto& M : Set->Members)
            Mask |= uint64_t{1} << MemberIndex(Prop, M);
        return static_cast<int64_t>(Mask);
    }
    else
        BadValue(Prop);

    switch (Prop.Kind)
    {
    case TPropKind::pkEnum:
    case TPropKind::pkBoolean:
        if (Ord < 0 || Ord >= static_cast<int64_t>(Prop.Names.size())) BadValue(Prop);
        break;
    case TPropKind::pkSet:
        if (Prop.Names.size() < 64 && (static_cast<uint64_t>(Ord) >> Prop.Names.size()) != 0)
            BadValue(Prop);
        break;
    case TPropKind::pkColor:
        // Colours are 32-bit patterns, written signed or unsigned.
        if (Ord < INT32_MIN || Ord > UINT32_MAX) BadValue(Prop);
        return static_cast<uint32_t>(Ord);
    default:
        if (Ord < Prop.MinValue || Ord > Prop.MaxValue)
            throw EPropertyError("Value " + std::to_string(Ord) + " is out of range for property " +
                                 Prop.Name);
    }
    return Ord;
}

TPersistent* OwnedObject(const TObject& Instance, const TPropInfo& Prop)
{
    auto* P = dynamic_cast<TPersistent*>(Prop.GetObject(Instance));
    if (!P) throw EPropertyError("Property " + Prop.Name + " is not assigned");
    return P;
}

[[noreturn]] void ReadOnly(const TPropInfo& Prop)
{
    throw EPropertyError("Property " + Prop.Name + " is read-only");
}
} // namespace

const TPropInfo* GetPropInfo(const TClassInfo& Class, std::string_view Name)
{
    return Class.FindProperty(Name);
}

bool IsPublishedProp(const TClassInfo& Class, std::string_view Name)
{
    return Class.FindProperty(Name) != nullptr;
}

bool IsPublishedProp(const TObject& Instance, std::string_view Name)
{
    try
    {
        Resolve(Instance, Name);
        return true;
    }
    catch (const EPropertyError&)
    {
        return false;
    }
}

TValue GetPropValue(const TObject& Instance, std::string_view Name)
{
    auto [Holder, Prop] = Resolve(Instance, Name);
    return GetPropValue(*Holder, *Prop);
}

void SetPropValue(TObject& Instance, std::string_view Name, const TValue& Value)
{
    auto [Holder, Prop] = Resolve(Instance, Name);
    SetPropValue(*Holder, *Prop, Value);
}

TValue GetPropValue(const TObject& Instance, const TPropInfo& Prop)
{
    switch (Prop.Kind)
    {
    case TPropKind::pkInteger:
    case TPropKind::pkColor:
        return Prop.GetOrd(Instance);
    case TPropKind::pkBoolean:
        return Prop.GetOrd(Instance) != 0;
    case TPropKind::pkEnum:
    {
        const int64_t Ord = Prop.GetOrd(Instance);
        if (Ord >= 0 && Ord < static_cast<int64_t>(Prop.Names.size()))
            return TIdent{Prop.Names[static_cast<size_t>(Ord)]};
        return Ord;
    }
    case TPropKind::pkSet:
    {
        const auto Mask = static_cast<uint64_t>(Prop.GetOrd(Instance));
        TSetValue S;
        for (size_t I = 0; I < Prop.Names.size() && I < 64; ++I)
            if (Mask & (uint64_t{1} << I)) S.Members.push_back(Prop.Names[I]);
        return S;
    }
    case TPropKind::pkFloat:
        return Prop.GetFloat(Instance);
    case TPropKind::pkString:
        return Prop.GetString(Instance);
    case TPropKind::pkEvent:
        return Prop.GetMethod(Instance);
    default:
        return Prop.GetObject(Instance);
    }
}

void SetPropValue(TObject& Instance, const TPropInfo& Prop, const TValue& Value)
{
    if (Prop.IsOrdinal())
    {
        if (!Prop.SetOrd) ReadOnly(Prop);
        Prop.SetOrd(Instance, ToOrdinal(Prop, Value));
        return;
    }
    switch (Prop.Kind)
    {
    case TPropKind::pkFloat:
        if (!Prop.SetFloat) ReadOnly(Prop);
        if (const double* D = Value.TryGet<double>())
            Prop.SetFloat(Instance, *D);
        else if (const int64_t* I = Value.TryGet<int64_t>())
            Prop.SetFloat(Instance, static_cast<double>(*I));
        else
            BadValue(Prop);
        return;
    case TPropKind::pkString:
        if (!Prop.SetString) ReadOnly(Prop);
        if (const std::string* S = Value.TryGet<std::string>())
            Prop.SetString(Instance, *S);
        else
            BadValue(Prop);
        return;
    case TPropKind::pkEvent:
        if (!Prop.SetMethod) ReadOnly(Prop);
        if (const TMethodRef* M = Value.TryGet<TMethodRef>())
            Prop.SetMethod(Instance, *M);
        else if (Value.IsEmpty())
            Prop.SetMethod(Instance, TMethodRef{});
        else
            BadValue(Prop);
        return;
    case TPropKind::pkComponent:
        if (!Prop.SetObject) ReadOnly(Prop);
        if (TObject* const* O = Value.TryGet<TObject*>())
            Prop.SetObject(Instance, *O);
        else if (Value.IsEmpty())
            Prop.SetObject(Instance, nullptr);
        else
            BadValue(Prop);
        return;
    default:
        break;
    }

    // Owned sub-objects.
    if (TObject* const* O = Value.TryGet<TObject*>())
    {
        if (Prop.SetObject)
            Prop.SetObject(Instance, *O);
        else
        {
            auto* Source = dynamic_cast<TPersistent*>(*O);
            if (*O && !Source) BadValue(Prop);
            OwnedObject(Instance, Prop)->Assign(Source);
        }
    }
    else if (const TBytes* Bytes = Value.TryGet<TBytes>();
             Bytes && Prop.Kind == TPropKind::pkBinary)
        OwnedObject(Instance, Prop)->ReadBinary(*Bytes);
    else if (const TStringVector* Lines = Value.TryGet<TStringVector>();
             Lines && Prop.Kind == TPropKind::pkStrings)
    {
        auto* List = dynamic_cast<TStrings*>(OwnedObject(Instance, Prop));
        if (!List) BadValue(Prop);
        TUpdateScope Batch(*List);
        List->Clear();
        for (const auto& L : *Lines)
            List->Add(L);
    }
    else
        BadValue(Prop);
}

bool IsDefaultPropValue(const TObject& Instance, const TPropInfo& Prop)
{
    if (Prop.IsOrdinal()) return Prop.Default && Prop.GetOrd(Instance) == *Prop.Default;
    switch (Prop.Kind)
    {
    case TPropKind::pkFloat:
        return Prop.GetFloat(Instance) == 0.0;
    case TPropKind::pkString:
        return Prop.GetString(Instance).empty();
    case TPropKind::pkComponent:
        return Prop.GetObject(Instance) == nullptr;
    case TPropKind::pkEvent:
        return Prop.GetMethod(Instance).Name.empty();
    default:
        return false;
    }
}

bool IsStoredProp(const TObject& Instance, const TPropInfo& Prop)
{
    if (!Prop.StoredFlag || (Prop.StoredPredicate && !Prop.StoredPredicate(Instance))) return false;
    return !IsDefaultPropValue(Instance, Prop);
}
