#pragma once

#include "framework/Persistent.h"
#include "framework/Set.h"

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <vector>

// A component's `delete` goes through its class's destroying delete. Where
// GCC sees both the `new` and an inlined deleting destructor of a component
// class, it takes that delete for a mismatched deallocation and warns; the
// pair is matched by construction, so the warning is off from here on.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

enum TOperation
{
    opInsert,
    opRemove
};

enum TComponentStateFlag
{
    csLoading,    // being read from a form definition; cleared by Loaded
    csReading,    // its properties are being read
    csDestroying, // its destruction has begun
    csDesigning   // edited in a designer rather than running
};
using TComponentState = TSet<TComponentStateFlag>;

// A component: owned by its owner, which destroys it; owner of the
// components created with it as owner; named uniquely among its owner's
// components. Components that hold a reference to another component hear of
// its removal through Notification(Other, opRemove): automatically when both
// have the same owner chain, otherwise after Other->FreeNotification(this).
//
// Destruction: Free(), delete and an owner's destruction take one path.
// While the component is still whole it is marked destroying (Destroying)
// and removed from its owner, so its own Notification override hears of
// its removal; then its destructors run, telling the components that asked
// for free notification and freeing the owned ones. A component that is
// not on the heap (a local or a member) goes straight to its destructors;
// a derived destructor that needs its owned components gone while its own
// members still live (controls removing children from their parent) calls
// Destroying() and DestroyComponents() first.
class TComponent : public TPersistent
{
  public:
    // AOwner may be null (the caller then owns the component).
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Removes the component from its owner, then deletes it.
    void Free();
    // `delete Component` frees it as Free() does: marked destroying and
    // removed from its owner before any destructor runs. Like destructors,
    // Destroying overrides and opRemove notifications must not throw: an
    // exception leaving a delete ends the program.
    void operator delete(TComponent* Component, std::destroying_delete_t);

    // Watches a component across a callback that may destroy it: taken
    // before the call, Alive() tells afterwards whether the component's
    // destruction has begun meanwhile (Free, delete, its owner's
    // destruction reaching it, or its destructor). A null component is
    // never alive. Copyable and cheap; it never keeps the component alive.
    class TLifeGuard
    {
      public:
        explicit TLifeGuard(const TComponent* Component)
            : FLife(Component ? Component->FLife : nullptr)
        {
        }
        bool Alive() const { return !FLife.expired(); }

      private:
        std::weak_ptr<const bool> FLife;
    };

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }

    const std::string& Name() const { return FName; }
    // Throws EComponentError when Value is not a valid identifier (empty is
    // allowed) or another component of the same owner has that name.
    void SetName(const std::string& Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }

    int ComponentCount() const { return static_cast<int>(FComponents.size()); }
    TComponent* Components(int Index) const;
    int ComponentIndex() const;
    // The owned component named Name (without case), or null.
    TComponent* FindComponent(std::string_view Name) const;

    // Takes over AComponent from its current owner (if any).
    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    // Frees the owned components, last first.
    void DestroyComponents();
    // Marks the component (and its owned ones) as being destroyed. Runs
    // while the component is still whole (Free, DestroyComponents and an
    // owner's Destroying call it before any destructor), so an override
    // may still use everything it owns.
    virtual void Destroying();

    // Asks this component to tell AComponent when it goes away, and the
    // other way round; RemoveFreeNotification undoes both.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    TComponentState ComponentState() const { return FComponentState; }
    void SetDesigning(bool Value, bool SetChildren = true);

    // Called once after a form definition has been read and all references
    // are resolved; the default clears csLoading.
    virtual void Loaded();

    // How components nest in a form definition: a component with a parent
    // component (a control's parent) is written inside it and, when read,
    // gets it through SetParentComponent before its properties.
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Calls Proc for each component written inside this one: those owned by
    // Root whose parent component is this (for Root itself also those
    // without a parent component).
    virtual void GetChildren(const std::function<void(TComponent*)>& Proc,
                             const TComponent* Root) const;

  protected:
    // Insertion of a component into this one's owned list, or removal of a
    // component this one may refer to. Overrides clear their references on
    // opRemove and call the inherited version, which passes the news on to
    // the owned components.
    virtual void Notification(TComponent* AComponent, TOperation Operation);

  private:
    friend class TFormReader;

    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void SetReference(bool Enable);
    void ValidateRename(const TComponent* AComponent, const std::string& CurName,
                        const std::string& NewName) const;
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    std::string FName;
    int FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
    // Expires when the destruction begins; what TLifeGuard watches.
    std::shared_ptr<const bool> FLife = std::make_shared<const bool>(true);
};
