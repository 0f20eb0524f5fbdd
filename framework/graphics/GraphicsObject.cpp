#include "framework/graphics/GraphicsObject.h"

#include "framework/PropertyRegistry.h"

const TClassInfo& TGraphicsObject::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TGraphicsObject>("TGraphicsObject", &TPersistent::StaticClass()).Build();
    return Info;
}
