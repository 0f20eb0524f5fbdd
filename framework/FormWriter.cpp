#include "framework/FormWriter.h"

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/PropertyRegistry.h"
#include "framework/Strings.h"

namespace
{
using K = TFormValue::TKind;

TFormValue Ident(std::string Name)
{
    TFormValue V;
    V.Kind = K::Ident;
    V.Text = std::move(Name);
    return V;
}

void AddProperty(std::vector<TFormProperty>& Out, const std::string& Path, TFormValue Value)
{
    TFormProperty P;
    P.Path = Path;
    P.Value = std::move(Value);
    Out.push_back(std::move(P));
}

// The name a reference is written with, or empty when it cannot be.
std::string ReferenceName(const TObject* Ref, const TComponent& Root)
{
    auto* C = dynamic_cast<const TComponent*>(Ref);
    if (!C || C->Name().empty()) return {};
    if (C == &Root || C->Owner() == &Root) return C->Name();
    return {};
}

void CollectProperties(const TObject& Obj, const TComponent& Root, const std::string& Prefix,
                       std::vector<TFormProperty>& Out)
{
    for (const TPropInfo* Prop : Obj.ClassInfo().Properties())
    {
        if (!Prop->StoredFlag || (Prop->StoredPredicate && !Prop->StoredPredicate(Obj))) continue;
        const std::string Path = Prefix + Prop->Name;
        switch (Prop->Kind)
        {
        case TPropKind::pkClass:
            if (const TObject* Sub = Prop->GetObject(Obj))
                CollectProperties(*Sub, Root, Path + ".", Out);
            continue;
        case TPropKind::pkBinary:
            if (auto* Sub = dynamic_cast<const TPersistent*>(Prop->GetObject(Obj)))
            {
                TFormValue V;
                V.Kind = K::Binary;
                V.Bytes = Sub->WriteBinary();
                if (!V.Bytes.empty()) AddProperty(Out, Path, std::move(V));
            }
            continue;
        case TPropKind::pkCollection:
            if (auto* Coll = dynamic_cast<const TCollection*>(Prop->GetObject(Obj)))
            {
                TFormValue V;
                V.Kind = K::Collection;
                for (int I = 0; I < Coll->Count(); ++I)
                {
                    TFormItem Item;
                    CollectProperties(*Coll->Items(I), Root, {}, Item.Properties);
                    V.Items.push_back(std::move(Item));
                }
                AddProperty(Out, Path, std::move(V));
            }
            continue;
        case TPropKind::pkStrings:
            if (auto* List = dynamic_cast<const TStrings*>(Prop->GetObject(Obj));
                List && List->Count() > 0)
            {
                TFormValue V;
                V.Kind = K::List;
                for (int I = 0; I < List->Count(); ++I)
                {
                    TFormValue Line;
                    Line.Kind = K::String;
                    Line.Text = List->Strings(I);
                    V.List.push_back(std::move(Line));
                }
                AddProperty(Out, Path, std::move(V));
            }
            continue;
        default:
            break;
        }
        if (Prop->IsReadOnly() || IsDefaultPropValue(Obj, *Prop)) continue;
        TFormValue V;
        switch (Prop->Kind)
        {
        case TPropKind::pkInteger:
            V.Integer = Prop->GetOrd(Obj);
            break;
        case TPropKind::pkColor:
        {
            const auto Color = static_cast<TColor>(Prop->GetOrd(Obj));
            if (auto Name = ColorToIdent(Color))
                V = Ident(*Name);
            else
                V.Integer = Color;
            break;
        }
        case TPropKind::pkBoolean:
            V = Ident(Prop->GetOrd(Obj) ? "True" : "False");
            break;
        case TPropKind::pkEnum:
        {
            const int64_t Ord = Prop->GetOrd(Obj);
            if (Ord < 0 || Ord >= static_cast<int64_t>(Prop->Names.size()))
                continue; // no name to write it with
            V = Ident(Prop->Names[static_cast<size_t>(Ord)]);
            break;
        }
        case TPropKind::pkSet:
        {
            const auto Mask = static_cast<uint64_t>(Prop->GetOrd(Obj));
            V.Kind = K::Set;
            for (size_t I = 0; I < Prop->Names.size() && I < 64; ++I)
                if (Mask & (uint64_t{1} << I)) V.Members.push_back(Prop->Names[I]);
            break;
        }
        case TPropKind::pkFloat:
            V.Kind = K::Float;
            V.Float = Prop->GetFloat(Obj);
            break;
        case TPropKind::pkString:
            V.Kind = K::String;
            V.Text = Prop->GetString(Obj);
            break;
        case TPropKind::pkComponent:
        {
            std::string Name = ReferenceName(Prop->GetObject(Obj), Root);
            if (Name.empty()) continue;
            V = Ident(std::move(Name));
            break;
        }
        case TPropKind::pkEvent:
            V = Ident(Prop->GetMethod(Obj).Name);
            break;
        default:
            continue;
        }
        AddProperty(Out, Path, std::move(V));
    }
}

TFormObject Build(const TComponent& C, const TComponent& Root)
{
    TFormObject Obj;
    Obj.Name = C.Name();
    Obj.ClassName = C.ClassName();
    CollectProperties(C, Root, {}, Obj.Properties);
    // Unpublished data follows the published properties, so a reader has
    // every published value (a password) before it.
    for (const TDefinedPropInfo* D : C.ClassInfo().DefinedProperties())
        if (auto Bytes = D->Write(C))
        {
            TFormValue V;
            V.Kind = K::Binary;
            V.Bytes = std::move(*Bytes);
            AddProperty(Obj.Properties, D->Name, std::move(V));
        }
    C.GetChildren([&](TComponent* Child) { Obj.Children.push_back(Build(*Child, Root)); }, &Root);
    return Obj;
}
} // namespace

TFormObject BuildFormDefinition(const TComponent& Root)
{
    return Build(Root, Root);
}

std::string WriteFormDefinition(const TComponent& Root)
{
    return FormatFormDefinition(BuildFormDefinition(Root));
}
