#include "framework/graphics/Graphic.h"

#include "framework/PropertyRegistry.h"
#include "framework/ResourceTable.h"
#include "framework/graphics/GraphicErrors.h"

#include <fstream>
#include <iterator>

const TClassInfo& TGraphic::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TGraphic>("TGraphic", &TPersistent::StaticClass()).Build();
    return Info;
}

void TGraphic::SetTransparent(bool Value)
{
    if (FTransparent == Value) return;
    FTransparent = Value;
    Changed();
}

void TGraphic::LoadFromResourceName(std::string_view Name)
{
    auto Data = FindResource(Name);
    if (!Data) throw EResNotFound("Resource " + std::string(Name) + " not found");
    LoadFromBytes(*Data);
}

void TGraphic::LoadFromFile(const std::string& Path)
{
    std::ifstream In(Path, std::ios::binary);
    if (!In) throw EInvalidGraphic("Cannot open file " + Path);
    std::vector<uint8_t> Data((std::istreambuf_iterator<char>(In)),
                              std::istreambuf_iterator<char>());
    LoadFromBytes(Data);
}

void TGraphic::SaveToFile(const std::string& Path) const
{
    std::vector<uint8_t> Data = SaveToBytes();
    std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Data.data()),
              static_cast<std::streamsize>(Data.size()));
    if (!Out) throw EInvalidGraphic("Cannot write file " + Path);
}
