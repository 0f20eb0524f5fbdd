#include "resources/stylegen/ArtBook.h"

#include <stdexcept>

void TArtBook::Add(const std::string& Name, TPainter Painter)
{
    if (FSized.count(Name) || !FPainters.emplace(Name, std::move(Painter)).second)
        throw std::logic_error("picture " + Name + " is drawn twice");
}

void TArtBook::AddSized(const std::string& Name, TSizedPainter Painter)
{
    if (FPainters.count(Name) || !FSized.emplace(Name, std::move(Painter)).second)
        throw std::logic_error("picture " + Name + " is drawn twice");
}

const TArtBook::TSizedPainter* TArtBook::FindSized(const std::string& Name) const
{
    auto It = FSized.find(Name);
    return It == FSized.end() ? nullptr : &It->second;
}

std::vector<std::string> TArtBook::Names() const
{
    std::vector<std::string> All;
    for (const auto& [Name, P] : FPainters)
        All.push_back(Name);
    for (const auto& [Name, P] : FSized)
        All.push_back(Name);
    return All;
}

const TArtBook::TPainter* TArtBook::Find(const std::string& Name) const
{
    auto It = FPainters.find(Name);
    return It == FPainters.end() ? nullptr : &It->second;
}
