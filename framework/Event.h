#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

class TObject;

// An event property's value: a handler closure plus, when the handler was
// bound by name (from a form definition), that name so the definition can be
// written back. Calling an unassigned event does nothing.
template <class... Args> class TEvent
{
  public:
    TEvent() = default;

    template <class F>
    requires std::is_invocable_v<F&, Args...> &&
        (!std::is_same_v<std::decay_t<F>, TEvent>)TEvent(F&& Handler)
        : FHandler(std::forward<F>(Handler))
    {
    }

    // Binds a member function of Target; Target must outlive the event
    // (in a form it is the form that owns the component).
    template <class C>
    void Bind(C* Target, void (C::*Method)(Args...), std::string HandlerName = {})
    {
        FHandler = [Target, Method](Args... A) { (Target->*Method)(std::forward<Args>(A)...); };
        FName = std::move(HandlerName);
    }

    void Assign(std::function<void(Args...)> Handler, std::string HandlerName = {})
    {
        FHandler = std::move(Handler);
        FName = std::move(HandlerName);
    }

    void Clear()
    {
        FHandler = nullptr;
        FName.clear();
    }

    explicit operator bool() const { return static_cast<bool>(FHandler); }
    const std::string& HandlerName() const { return FName; }

    void operator()(Args... A) const
    {
        if (FHandler) FHandler(std::forward<Args>(A)...);
    }

  private:
    std::function<void(Args...)> FHandler;
    std::string FName;
};

using TNotifyEvent = TEvent<TObject*>;
