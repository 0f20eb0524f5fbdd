#pragma once

#include "framework/controls/Application.h"

// Lets any object see the application's messages and exceptions: while it
// exists, OnMessage sees every message the loop takes (before it is
// dispatched; Handled stops it) and OnException every exception the
// application handles.
class TApplicationEvents : public TComponent
{
  public:
    explicit TApplicationEvents(TComponent* AOwner);
    ~TApplicationEvents() override;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TMessageEvent OnMessage;
    TExceptionEvent OnException;
};
