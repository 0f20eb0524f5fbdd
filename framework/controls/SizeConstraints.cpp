#include "framework/controls/SizeConstraints.h"

#include "framework/PropertyRegistry.h"

#include <algorithm>

const TClassInfo& TSizeConstraints::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TSizeConstraints>("TSizeConstraints", &TPersistent::StaticClass())
            .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
            .Default(0)
            .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
            .Default(0)
            .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
            .Default(0)
            .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
            .Default(0)
            .Build();
    return Info;
}

void TSizeConstraints::Set(int& Field, int Value)
{
    Value = std::max(Value, 0);
    if (Field == Value) return;
    Field = Value;
    OnChange(this);
}

void TSizeConstraints::SetMinWidth(int Value)
{
    Set(FMinWidth, Value);
}

void TSizeConstraints::SetMinHeight(int Value)
{
    Set(FMinHeight, Value);
}

void TSizeConstraints::SetMaxWidth(int Value)
{
    Set(FMaxWidth, Value);
}

void TSizeConstraints::SetMaxHeight(int Value)
{
    Set(FMaxHeight, Value);
}

void TSizeConstraints::Apply(int& Width, int& Height) const
{
    if (FMaxWidth > 0) Width = std::min(Width, FMaxWidth);
    if (FMaxHeight > 0) Height = std::min(Height, FMaxHeight);
    Width = std::max(Width, FMinWidth);
    Height = std::max(Height, FMinHeight);
}

void TSizeConstraints::Assign(const TPersistent* Source)
{
    if (auto* C = dynamic_cast<const TSizeConstraints*>(Source))
    {
        FMinWidth = C->FMinWidth;
        FMinHeight = C->FMinHeight;
        FMaxWidth = C->FMaxWidth;
        FMaxHeight = C->FMaxHeight;
        OnChange(this);
        return;
    }
    TPersistent::Assign(Source);
}
