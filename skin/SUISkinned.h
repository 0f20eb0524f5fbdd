#pragma once

#include "skin/SUIThemes.h"

class TComponent;
class TsuiFileTheme;

// A component that takes its look from a style and a file theme. The theme
// manager, the containers that hand their style down, the file themes that
// load a new skin and the programs that restyle a window reach skinned
// components through this type, never by property name or class name.
// Setting either value applies the look again; the published UIStyle and
// FileTheme properties of a skinned class are these four functions.
class TsuiSkinned
{
  public:
    virtual TsuiUIStyle UIStyle() const = 0;
    virtual void SetUIStyle(TsuiUIStyle Value) = 0;
    virtual TsuiFileTheme* FileTheme() const = 0;
    virtual void SetFileTheme(TsuiFileTheme* Value) = 0;

  protected:
    virtual ~TsuiSkinned() = default;
};

// Component as a skinned component; null for any other component and for
// null.
TsuiSkinned* SkinnedOf(TComponent* Component);
const TsuiSkinned* SkinnedOf(const TComponent* Component);
