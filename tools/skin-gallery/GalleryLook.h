#pragma once

#include "skin/SUIThemes.h"

#include <string>

class TForm;
class TsuiFileTheme;
class TsuiSkinFileTheme;

// The skin file FileName (with Password) loaded into a file theme owned by
// Form, or null with the reason in Error (the same words as the
// configuration window uses).
TsuiSkinFileTheme* LoadGallerySkin(TForm* Form, const std::string& FileName,
                                   const std::string& Password, std::string& Error);

// Restyles every skinned component of Form at once through a theme manager
// owned by Form: the style FromThemeFile with Theme. Components without a
// name are named first (class name without its leading letter, then a
// number), since the manager finds its components by name.
void ApplyGalleryTheme(TForm* Form, TsuiFileTheme* Theme);
