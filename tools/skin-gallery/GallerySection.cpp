#include "GallerySection.h"

#include <algorithm>

namespace
{
std::vector<TGallerySection>& Sections()
{
    static std::vector<TGallerySection> List;
    return List;
}
} // namespace

bool RegisterGallerySection(TGallerySection Section)
{
    Sections().push_back(std::move(Section));
    return true;
}

std::vector<TGallerySection> GallerySections()
{
    std::vector<TGallerySection> List = Sections();
    std::stable_sort(List.begin(), List.end(),
                     [](const auto& A, const auto& B)
                     { return A.Order != B.Order ? A.Order < B.Order : A.Name < B.Name; });
    return List;
}
