#pragma once

#include "skin/SUIThemes.h"

#include <functional>
#include <string>
#include <vector>

class TForm;
class TWinControl;

// One part of the skinned-controls gallery. Build puts the section's
// controls on Parent (a panel of the section's width, owned by Form), in
// the given style, and returns the height they take. Sections appear in
// Order, then by name.
struct TGallerySection
{
    std::string Name;
    int Order = 0;
    std::function<int(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)> Build;
};

// Adds a section; a source file registers its sections from a static
// initializer:  static const bool Registered = RegisterGallerySection({...});
bool RegisterGallerySection(TGallerySection Section);
// The registered sections in display order.
std::vector<TGallerySection> GallerySections();
