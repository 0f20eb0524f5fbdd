#pragma once

#include "skin/SUIThemes.h"

#include <functional>
#include <string>
#include <vector>

class TForm;
class TWinControl;

// The page the gallery shows when none is asked for.
inline const std::string DefaultGalleryPage = "basic";

// One part of the skinned-controls gallery. Build puts the section's
// controls on Parent (a panel of the section's width, owned by Form), in
// the given style, and returns the height they take. The gallery shows one
// page at a time (--page NAME); a page's sections appear in Order, then by
// name.
struct TGallerySection
{
    std::string Name;
    int Order = 0;
    std::function<int(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)> Build;
    std::string Page = DefaultGalleryPage;
};

// Adds a section; a source file registers its sections from a static
// initializer:  static const bool Registered = RegisterGallerySection({...});
bool RegisterGallerySection(TGallerySection Section);
// The registered sections of Page in display order.
std::vector<TGallerySection> GallerySections(const std::string& Page);
// The names of the pages that have sections, sorted.
std::vector<std::string> GalleryPages();
