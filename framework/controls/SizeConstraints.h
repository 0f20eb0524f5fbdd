#pragma once

#include "framework/Event.h"
#include "framework/Persistent.h"

// Smallest and largest size a control may take; 0 means no limit.
class TSizeConstraints : public TPersistent
{
  public:
    TSizeConstraints() = default;

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int MinWidth() const { return FMinWidth; }
    void SetMinWidth(int Value);
    int MinHeight() const { return FMinHeight; }
    void SetMinHeight(int Value);
    int MaxWidth() const { return FMaxWidth; }
    void SetMaxWidth(int Value);
    int MaxHeight() const { return FMaxHeight; }
    void SetMaxHeight(int Value);

    // Width and height clamped to the limits.
    void Apply(int& Width, int& Height) const;

    void Assign(const TPersistent* Source) override;

    TNotifyEvent OnChange;

  private:
    void Set(int& Field, int Value);

    int FMinWidth = 0;
    int FMinHeight = 0;
    int FMaxWidth = 0;
    int FMaxHeight = 0;
};
