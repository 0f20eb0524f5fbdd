#include "framework/Component.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"

#include <algorithm>

const TClassInfo& TComponent::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TComponent>("TComponent", &TPersistent::StaticClass())
            .String("Name", &TComponent::Name, &TComponent::SetName)
            .Stored(false)
            .Integer("Tag", &TComponent::Tag, &TComponent::SetTag)
            .Default(0)
            .Build();
    return Info;
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    FLife.reset();
    Destroying();
    while (!FFreeNotifies.empty())
    {
        TComponent* Other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        Other->RemoveNotification(this);
        Other->Notification(this, opRemove);
    }
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Free()
{
    delete this;
}

void TComponent::operator delete(TComponent* Component, std::destroying_delete_t)
{
    Component->FLife.reset();
    Component->Destroying();
    if (Component->FOwner) Component->FOwner->RemoveComponent(Component);
    // The most derived object's address, which the allocation returned.
    void* Block = dynamic_cast<void*>(Component);
    Component->~TComponent();
    ::operator delete(Block);
}

TComponent* TComponent::Components(int Index) const
{
    if (Index < 0 || Index >= ComponentCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FComponents[static_cast<size_t>(Index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner) return -1;
    auto It = std::find(FOwner->FComponents.begin(), FOwner->FComponents.end(), this);
    return static_cast<int>(It - FOwner->FComponents.begin());
}

TComponent* TComponent::FindComponent(std::string_view Name) const
{
    if (Name.empty()) return nullptr;
    for (TComponent* C : FComponents)
        if (SameText(C->FName, Name)) return C;
    return nullptr;
}

void TComponent::ValidateRename(const TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) const
{
    if (NewName.empty() || SameText(CurName, NewName)) return;
    TComponent* Other = FindComponent(NewName);
    if (Other && Other != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetName(const std::string& Value)
{
    if (FName == Value) return;
    if (!Value.empty() && !IsValidIdent(Value))
        throw EComponentError("'" + Value + "' is not a valid component name");
    if (FOwner) FOwner->ValidateRename(this, FName, Value);
    const std::string Old = FName;
    SetReference(false);
    FName = Value;
    try
    {
        SetReference(true);
    }
    catch (...)
    {
        FName = Old;
        SetReference(true);
        throw;
    }
}

// Points the owner's field of this component's name at it, or clears it.
// Skipped while the owner is being destroyed: its fields may be gone.
void TComponent::SetReference(bool Enable)
{
    if (!FOwner || FName.empty() || FOwner->FComponentState.Contains(csDestroying)) return;
    const TFieldInfo* Field = FOwner->ClassInfo().FindField(FName);
    if (Field && !Field->Set(*FOwner, Enable ? this : nullptr))
        throw EComponentError("Field " + FName + " of " + FOwner->ClassName() + " cannot hold a " +
                              ClassName());
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    auto It = std::find(FComponents.begin(), FComponents.end(), AComponent);
    if (It != FComponents.end()) FComponents.erase(It);
    AComponent->FOwner = nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent == this) return;
    ValidateRename(AComponent, std::string(), AComponent->FName);
    if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    try
    {
        AComponent->SetReference(true);
    }
    catch (...)
    {
        Remove(AComponent);
        throw;
    }
    if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    if (!AComponent || AComponent->FOwner != this) return;
    Notification(AComponent, opRemove);
    AComponent->SetReference(false);
    Remove(AComponent);
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty())
    {
        delete FComponents.back();
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(csDestroying)) return;
    FComponentState.Include(csDestroying);
    for (TComponent* C : FComponents)
        C->Destroying();
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    auto It = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent);
    if (It != FFreeNotifies.end()) FFreeNotifies.erase(It);
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this) return;
    if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent) == FFreeNotifies.end())
        FFreeNotifies.push_back(AComponent);
    if (std::find(AComponent->FFreeNotifies.begin(), AComponent->FFreeNotifies.end(), this) ==
        AComponent->FFreeNotifies.end())
        AComponent->FFreeNotifies.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    if (!AComponent) return;
    RemoveNotification(AComponent);
    AComponent->RemoveNotification(this);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // A handler may free components; walk down and re-check the bound.
    for (size_t I = FComponents.size(); I-- > 0;)
    {
        if (I >= FComponents.size()) continue;
        FComponents[I]->Notification(AComponent, Operation);
    }
}

void TComponent::SetDesigning(bool Value, bool SetChildren)
{
    if (Value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (SetChildren)
        for (TComponent* C : FComponents)
            C->SetDesigning(Value, true);
}

void TComponent::Loaded()
{
    FComponentState.Exclude(csLoading);
}

void TComponent::GetChildren(const std::function<void(TComponent*)>& Proc,
                             const TComponent* Root) const
{
    if (!Root) return;
    for (TComponent* C : Root->FComponents)
    {
        const TComponent* Parent = C->GetParentComponent();
        if (Parent == this || (this == Root && !Parent)) Proc(C);
    }
}
