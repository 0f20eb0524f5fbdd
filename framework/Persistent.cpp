#include "framework/Persistent.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"

const TClassInfo& TPersistent::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TPersistent>("TPersistent", &TObject::StaticClass()).Build();
    return Info;
}

void TPersistent::Assign(const TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        throw EConvertError("Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* Dest) const
{
    throw EConvertError("Cannot assign a " + ClassName() + " to a " + Dest->ClassName());
}

void TPersistent::ReadBinary(std::span<const uint8_t>)
{
    throw EConvertError(ClassName() + " does not read binary data");
}
