#include "framework/FormReader.h"

#include "framework/ClassRegistry.h"
#include "framework/Collection.h"
#include "framework/Component.h"
#include "framework/FormDefinition.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"

#include <algorithm>

void TFormReader::BeginLoading(TComponent& C)
{
    C.FComponentState.Include(csLoading);
    C.FComponentState.Include(csReading);
}

void TFormReader::EndReading(TComponent& C)
{
    C.FComponentState.Exclude(csReading);
}

void TFormReader::EndLoading(TComponent& C)
{
    C.FComponentState.Exclude(csReading);
    C.FComponentState.Exclude(csLoading);
}

// One read of a definition into a root.
class TFormLoad
{
  public:
    explicit TFormLoad(TComponent& Root) : FRoot(Root) {}

    void Run(const TFormObject& Tree)
    {
        if (!SameText(Tree.ClassName, FRoot.ClassName()))
            Fail(Tree.Pos,
                 "the definition is for class " + Tree.ClassName + ", not " + FRoot.ClassName());
        TFormReader::BeginLoading(FRoot);
        try
        {
            if (!Tree.Name.empty())
                Guard(Tree.Pos, "name " + Tree.Name, [&] { FRoot.SetName(Tree.Name); });
            ReadObject(FRoot, Tree);
            ResolveReferences();
        }
        catch (...)
        {
            Rollback();
            throw;
        }
        TFormReader::EndReading(FRoot);
        for (TComponent* C : FCreated)
            if (Alive(C)) TFormReader::EndReading(*C);
        FRoot.Loaded();
        for (TComponent* C : FCreated)
            if (Alive(C)) C->Loaded();
    }

  private:
    // A step from a component to a property's holder: a property name and,
    // for collections, an item index.
    struct TStep
    {
        std::string Property;
        int Item = -1;
    };

    struct TReference
    {
        TComponent* Holder;
        std::vector<TStep> Path; // the last step names the reference property
        std::string Name;
        TFormPos Pos;
    };

    [[noreturn]] static void Fail(TFormPos Pos, const std::string& What)
    {
        throw EFormError(Pos.Line, Pos.Column, What);
    }

    // Runs F, reporting any framework exception at Pos.
    template <class F> static void Guard(TFormPos Pos, const std::string& What, F&& Action)
    {
        try
        {
            Action();
        }
        catch (const EFormError&)
        {
            throw;
        }
        catch (const Exception& E)
        {
            Fail(Pos, What + ": " + E.Message());
        }
    }

    // Whether C is the root or still owned by it, without touching C (it
    // may have been freed by a setter during the read).
    bool Alive(const TComponent* C) const
    {
        if (C == &FRoot) return true;
        for (int I = 0; I < FRoot.ComponentCount(); ++I)
            if (FRoot.Components(I) == C) return true;
        return false;
    }

    TComponent* FindTarget(const std::string& Name) const
    {
        if (!FRoot.Name().empty() && SameText(Name, FRoot.Name())) return &FRoot;
        return FRoot.FindComponent(Name);
    }

    static bool SamePath(const std::vector<TStep>& A, const std::vector<TStep>& B)
    {
        if (A.size() != B.size()) return false;
        for (size_t I = 0; I < A.size(); ++I)
            if (A[I].Item != B[I].Item || !SameText(A[I].Property, B[I].Property)) return false;
        return true;
    }

    // Whether Path leads into an item of the collection at Collection.
    static bool InCollection(const std::vector<TStep>& Path, const std::vector<TStep>& Collection)
    {
        if (Path.size() <= Collection.size()) return false;
        const size_t Last = Collection.size() - 1;
        for (size_t I = 0; I < Last; ++I)
            if (Path[I].Item != Collection[I].Item ||
                !SameText(Path[I].Property, Collection[I].Property))
                return false;
        return SameText(Path[Last].Property, Collection[Last].Property);
    }

    void ReadObject(TComponent& Component, const TFormObject& Obj)
    {
        for (const auto& P : Obj.Properties)
            Assign(Component, Component, {}, P);
        for (const auto& Child : Obj.Children)
        {
            const TClassInfo* Class = FindClass(Child.ClassName);
            if (!Class) Fail(Child.Pos, "class " + Child.ClassName + " is not registered");
            if (!Class->CanCreateComponent())
                Fail(Child.Pos, "class " + Child.ClassName + " is not a component class");
            TComponent* C = nullptr;
            Guard(Child.Pos, "creating " + Child.ClassName,
                  [&] { C = Class->CreateComponent(&FRoot); });
            FCreated.push_back(C);
            TFormReader::BeginLoading(*C);
            if (!Child.Name.empty())
                Guard(Child.Pos, "name " + Child.Name, [&] { C->SetName(Child.Name); });
            Guard(Child.Pos, Child.Name, [&] { C->SetParentComponent(&Component); });
            ReadObject(*C, Child);
        }
    }

    void Assign(TComponent& Holder, TObject& Target, std::vector<TStep> Steps,
                const TFormProperty& P)
    {
        TObject* Obj = &Target;
        std::string_view Path = P.Path;
        const TPropInfo* Prop = nullptr;
        for (;;)
        {
            const size_t Dot = Path.find('.');
            const std::string_view Head = Path.substr(0, Dot);
            Prop = Obj->ClassInfo().FindProperty(Head);
            if (!Prop && Dot == std::string_view::npos)
                if (const TDefinedPropInfo* D = Obj->ClassInfo().FindDefinedProperty(Head))
                {
                    if (P.Value.Kind != TFormValue::TKind::Binary)
                        Fail(P.Value.Pos, "property " + P.Path + " takes binary data {...}");
                    Guard(P.Pos, "property " + P.Path, [&] { D->Read(*Obj, P.Value.Bytes); });
                    return;
                }
            if (!Prop) Fail(P.Pos, Obj->ClassName() + " has no property " + P.Path);
            Steps.push_back({Prop->Name});
            if (Dot == std::string_view::npos) break;
            if (Prop->Kind != TPropKind::pkClass && Prop->Kind != TPropKind::pkBinary)
                Fail(P.Pos, "property " + Prop->Name + " of " + Obj->ClassName() +
                                " has no sub-properties");
            Obj = Prop->GetObject(*Obj);
            if (!Obj) Fail(P.Pos, "property " + Prop->Name + " is not assigned");
            Path.remove_prefix(Dot + 1);
        }
        AssignValue(Holder, *Obj, *Prop, std::move(Steps), P);
    }

    void AssignValue(TComponent& Holder, TObject& Obj, const TPropInfo& Prop,
                     std::vector<TStep> Steps, const TFormProperty& P)
    {
        using K = TFormValue::TKind;
        const TFormValue& V = P.Value;
        const std::string What = "property " + P.Path;
        switch (Prop.Kind)
        {
        case TPropKind::pkCollection:
        {
            if (V.Kind != K::Collection) Fail(V.Pos, What + " takes a collection <item ... end>");
            auto* Coll = dynamic_cast<TCollection*>(Prop.GetObject(Obj));
            if (!Coll) Fail(P.Pos, What + " is not assigned");
            // References waiting inside the old items go with them.
            std::erase_if(FReferences, [&](const TReference& R)
                          { return R.Holder == &Holder && InCollection(R.Path, Steps); });
            Coll->BeginUpdate();
            try
            {
                Guard(P.Pos, What, [&] { Coll->Clear(); });
                for (size_t I = 0; I < V.Items.size(); ++I)
                {
                    TCollectionItem* Item = nullptr;
                    Guard(V.Items[I].Pos, What, [&] { Item = Coll->Add(); });
                    std::vector<TStep> ItemSteps = Steps;
                    ItemSteps.back().Item = static_cast<int>(I);
                    for (const auto& IP : V.Items[I].Properties)
                        Assign(Holder, *Item, ItemSteps, IP);
                }
            }
            catch (...)
            {
                Coll->EndUpdate();
                throw;
            }
            Guard(P.Pos, What, [&] { Coll->EndUpdate(); });
            return;
        }
        case TPropKind::pkComponent:
        {
            if (V.Kind != K::Ident) Fail(V.Pos, What + " takes a component name");
            // This assignment replaces any earlier one still waiting for
            // its component.
            std::erase_if(FReferences, [&](const TReference& R)
                          { return R.Holder == &Holder && SamePath(R.Path, Steps); });
            TComponent* Target = SameText(V.Text, "nil") ? nullptr : FindTarget(V.Text);
            if (Target || SameText(V.Text, "nil"))
                Guard(P.Pos, What,
                      [&] { SetPropValue(Obj, Prop, TValue(static_cast<TObject*>(Target))); });
            else
                FReferences.push_back({&Holder, std::move(Steps), V.Text, V.Pos});
            return;
        }
        case TPropKind::pkEvent:
        {
            if (V.Kind != K::Ident) Fail(V.Pos, What + " takes a handler name");
            if (SameText(V.Text, "nil"))
            {
                Guard(P.Pos, What, [&] { SetPropValue(Obj, Prop, TValue(TMethodRef{})); });
                return;
            }
            const TMethodInfo* M = FRoot.ClassInfo().FindMethod(V.Text);
            if (!M) Fail(V.Pos, "handler " + V.Text + " not found in " + FRoot.ClassName());
            Guard(P.Pos, What,
                  [&] {
                      SetPropValue(Obj, Prop, TValue(TMethodRef{&FRoot, M, M->Name}));
                  });
            return;
        }
        default:
            break;
        }
        TValue Value;
        switch (V.Kind)
        {
        case K::Integer:
            Value = V.Integer;
            break;
        case K::Float:
            Value = V.Float;
            break;
        case K::String:
            Value = V.Text;
            break;
        case K::Ident:
            Value = TIdent{V.Text};
            break;
        case K::Set:
            Value = TSetValue{V.Members};
            break;
        case K::Binary:
            Value = V.Bytes;
            break;
        case K::List:
        {
            TStringVector Lines;
            for (const auto& E : V.List)
            {
                if (E.Kind != K::String) Fail(E.Pos, What + ": a list holds only strings");
                Lines.push_back(E.Text);
            }
            Value = std::move(Lines);
            break;
        }
        case K::Collection:
            Fail(V.Pos, What + " is not a collection");
        }
        Guard(P.Pos, What, [&] { SetPropValue(Obj, Prop, Value); });
    }

    void ResolveReferences()
    {
        for (const auto& R : FReferences)
        {
            const std::string What = "reference to " + R.Name;
            // A holder freed by a later setter has nowhere to put the value.
            if (!Alive(R.Holder)) continue;
            TObject* Obj = R.Holder;
            const TPropInfo* Prop = nullptr;
            for (size_t I = 0; I < R.Path.size(); ++I)
            {
                Prop = Obj->ClassInfo().FindProperty(R.Path[I].Property);
                if (!Prop) Fail(R.Pos, What + ": its holder changed while reading");
                if (I + 1 == R.Path.size()) break;
                Obj = Prop->IsObject() ? Prop->GetObject(*Obj) : nullptr;
                if (Obj && R.Path[I].Item >= 0)
                {
                    auto* Coll = dynamic_cast<TCollection*>(Obj);
                    Obj = (Coll && R.Path[I].Item < Coll->Count()) ? Coll->Items(R.Path[I].Item)
                                                                   : nullptr;
                }
                if (!Obj) Fail(R.Pos, What + ": its holder changed while reading");
            }
            TComponent* Target = FindTarget(R.Name);
            if (!Target) Fail(R.Pos, "component " + R.Name + " not found");
            Guard(R.Pos, "property " + Prop->Name,
                  [&] { SetPropValue(*Obj, *Prop, TValue(static_cast<TObject*>(Target))); });
        }
    }

    void Rollback()
    {
        for (auto It = FCreated.rbegin(); It != FCreated.rend(); ++It)
            if (Alive(*It)) (*It)->Free();
        FCreated.clear();
        TFormReader::EndLoading(FRoot);
    }

    TComponent& FRoot;
    std::vector<TComponent*> FCreated;
    std::vector<TReference> FReferences;
};

void TFormReader::Read(TComponent& Root, std::string_view Text)
{
    const TFormObject Tree = ParseFormDefinition(Text);
    TFormLoad(Root).Run(Tree);
}

TComponent* TFormReader::Create(std::string_view Text, TComponent* Owner)
{
    const TFormObject Tree = ParseFormDefinition(Text);
    const TClassInfo* Class = FindClass(Tree.ClassName);
    if (!Class)
        throw EFormError(Tree.Pos.Line, Tree.Pos.Column,
                         "class " + Tree.ClassName + " is not registered");
    if (!Class->CanCreateComponent())
        throw EFormError(Tree.Pos.Line, Tree.Pos.Column,
                         "class " + Tree.ClassName + " is not a component class");
    TComponent* Root = Class->CreateComponent(Owner);
    try
    {
        TFormLoad(*Root).Run(Tree);
    }
    catch (...)
    {
        Root->Free();
        throw;
    }
    return Root;
}
