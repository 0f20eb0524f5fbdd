#pragma once

#include "resources/stylegen/Art.h"

#include <functional>
#include <map>
#include <string>

// Which code draws which picture: each element family adds its painters
// under the resource names they produce.
class TArtBook
{
  public:
    using TPainter = std::function<TArt()>;

    // A name added twice is a fault of the generator and stops it.
    void Add(const std::string& Name, TPainter Painter);
    const TPainter* Find(const std::string& Name) const;
    const std::map<std::string, TPainter>& All() const { return FPainters; }

  private:
    std::map<std::string, TPainter> FPainters;
};

void AddButtonArt(TArtBook& Book);
void AddToggleArt(TArtBook& Book);
void AddTitleArt(TArtBook& Book);
void AddTitleButtonArt(TArtBook& Book);
void AddScrollArt(TArtBook& Book);
void AddGaugeArt(TArtBook& Book);
void AddPanelArt(TArtBook& Book);
void AddSharedArt(TArtBook& Book);
