#include "GallerySection.h"

#include <algorithm>
#include <iterator>

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

std::vector<TGallerySection> GallerySections(const std::string& Page)
{
    std::vector<TGallerySection> List;
    std::copy_if(Sections().begin(), Sections().end(), std::back_inserter(List),
                 [&](const TGallerySection& Section) { return Section.Page == Page; });
    std::stable_sort(List.begin(), List.end(),
                     [](const auto& A, const auto& B)
                     { return A.Order != B.Order ? A.Order < B.Order : A.Name < B.Name; });
    return List;
}

std::vector<std::string> GalleryPages()
{
    std::vector<std::string> Pages;
    for (const TGallerySection& Section : Sections())
        if (std::find(Pages.begin(), Pages.end(), Section.Page) == Pages.end())
            Pages.push_back(Section.Page);
    std::sort(Pages.begin(), Pages.end());
    return Pages;
}
