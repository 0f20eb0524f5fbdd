#include "framework/Object.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TObject::StaticClass()
{
    static const TClassInfo Info = TClassBuilder<TObject>("TObject", nullptr).Build();
    return Info;
}

const std::string& TObject::ClassName() const
{
    return ClassInfo().ClassName();
}

bool TObject::InheritsFrom(const TClassInfo& Class) const
{
    return ClassInfo().InheritsFrom(Class);
}
