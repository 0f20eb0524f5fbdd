#pragma once

#include "framework/controls/Messages.h"

#include <functional>
#include <unordered_map>

class TObject;

// Which handler method of a class takes which message id. A class's map
// names its parent's, so a lookup finds the most derived handler; a handler
// that wants the inherited behaviour calls the base class's method.
//
//   const TMessageMap& TMyControl::StaticMessages()
//   {
//       static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
//           .On(WM_LBUTTONDOWN, &TMyControl::WMLButtonDown)
//           .On(CM_MOUSEENTER, &TMyControl::CMMouseEnter);
//       return Map;
//   }
//   const TMessageMap& Messages() const override { return StaticMessages(); }
class TMessageMap
{
  public:
    using THandler = std::function<void(TObject&, TMessage&)>;

    explicit TMessageMap(const TMessageMap* Parent) : FParent(Parent) {}

    template <class C> TMessageMap& On(UINT Msg, void (C::*Method)(TMessage&))
    {
        FHandlers[Msg] = [Method](TObject& Target, TMessage& M)
        { (static_cast<C&>(Target).*Method)(M); };
        return *this;
    }

    // The handler of the most derived class that has one, or null.
    const THandler* Find(UINT Msg) const
    {
        for (const TMessageMap* Map = this; Map; Map = Map->FParent)
        {
            auto It = Map->FHandlers.find(Msg);
            if (It != Map->FHandlers.end()) return &It->second;
        }
        return nullptr;
    }

  private:
    const TMessageMap* FParent;
    std::unordered_map<UINT, THandler> FHandlers;
};
