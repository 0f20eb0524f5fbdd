#pragma once

#include <exception>

// Holds Target (a string list, a collection: anything with BeginUpdate and
// EndUpdate) in one update batch for a scope, so its change notice comes
// once, at the end. The batch ends also when an exception leaves the scope;
// a notice that throws then is dropped so the first exception goes on.
template <class T> class TUpdateScope
{
  public:
    explicit TUpdateScope(T& Target) : FTarget(Target), FExceptions(std::uncaught_exceptions())
    {
        Target.BeginUpdate();
    }
    ~TUpdateScope() noexcept(false)
    {
        if (std::uncaught_exceptions() == FExceptions)
        {
            FTarget.EndUpdate();
            return;
        }
        try
        {
            FTarget.EndUpdate();
        }
        catch (...)
        {
        }
    }
    TUpdateScope(const TUpdateScope&) = delete;
    TUpdateScope& operator=(const TUpdateScope&) = delete;

  private:
    T& FTarget;
    int FExceptions;
};
