#include "framework/graphics/GraphicsObject.h"

#include "framework/PropertyRegistry.h"

namespace Graphics
{
const TClassInfo& TGraphicsObject::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TGraphicsObject>("TGraphicsObject", &TPersistent::StaticClass()).Build();
    return Info;
}
} // namespace Graphics
