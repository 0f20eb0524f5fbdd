#include "skin/SUISkinned.h"

#include "framework/Component.h"

TsuiSkinned* SkinnedOf(TComponent* Component)
{
    return dynamic_cast<TsuiSkinned*>(Component);
}

const TsuiSkinned* SkinnedOf(const TComponent* Component)
{
    return dynamic_cast<const TsuiSkinned*>(Component);
}
