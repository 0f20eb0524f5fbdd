#pragma once

#include "resources/stylegen/Art.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

// Which code draws which picture: each element family adds its painters
// under the resource names they produce.
class TArtBook
{
  public:
    using TPainter = std::function<TArt()>;
    // Pictures with alpha drawn at any size (icons).
    using TSizedPainter = std::function<TSurface(int Size)>;

    // A name added twice is a fault of the generator and stops it.
    void Add(const std::string& Name, TPainter Painter);
    void AddSized(const std::string& Name, TSizedPainter Painter);
    const TPainter* Find(const std::string& Name) const;
    const TSizedPainter* FindSized(const std::string& Name) const;
    // Every name added, of either kind.
    std::vector<std::string> Names() const;

  private:
    std::map<std::string, TPainter> FPainters;
    std::map<std::string, TSizedPainter> FSized;
};

void AddButtonArt(TArtBook& Book);
void AddToggleArt(TArtBook& Book);
void AddTitleArt(TArtBook& Book);
void AddTitleButtonArt(TArtBook& Book);
void AddScrollArt(TArtBook& Book);
void AddGaugeArt(TArtBook& Book);
void AddPanelArt(TArtBook& Book);
void AddSharedArt(TArtBook& Book);
void AddProgramArt(TArtBook& Book);
