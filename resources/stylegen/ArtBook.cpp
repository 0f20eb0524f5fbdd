#include "resources/stylegen/ArtBook.h"

#include <stdexcept>

void TArtBook::Add(const std::string& Name, TPainter Painter)
{
    if (!FPainters.emplace(Name, std::move(Painter)).second)
        throw std::logic_error("picture " + Name + " is drawn twice");
}

const TArtBook::TPainter* TArtBook::Find(const std::string& Name) const
{
    auto It = FPainters.find(Name);
    return It == FPainters.end() ? nullptr : &It->second;
}
