#pragma once

#include "skin/SUIThemes.h"

class TComponent;
class TWinControl;
class TsuiFileTheme;

// How skinned controls pick and pass on their style.

// The style a new control owned by AOwner starts with: the UIStyle of the
// first direct child control of AOwner that is a skinned form (TsuiForm or
// derived from it), when AOwner is a form; DeepBlue otherwise.
TsuiUIStyle GetSUIFormStyle(const TComponent* AOwner);

// Whether a control with FileTheme and UIStyle draws from the file theme.
// Style receives the built-in style to use otherwise: UIStyle itself, or
// DeepBlue when UIStyle is FromThemeFile but FileTheme is null or has no
// loaded skin. The true case leaves Style FromThemeFile.
bool UsingFileTheme(const TsuiFileTheme* FileTheme, TsuiUIStyle UIStyle, TsuiUIStyle& Style);

// Sets FileTheme, then UIStyle on every direct child of Container that is
// skinned (TsuiSkinned), in index order, so the children's setters run. One
// level deep; null Container does nothing.
void ContainerApplyUIStyle(TWinControl* Container, TsuiUIStyle UIStyle, TsuiFileTheme* FileTheme);
