#include "framework/graphics/Picture.h"

#include "framework/PropertyRegistry.h"
#include "framework/ResourceTable.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/GraphicErrors.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/JPEGImage.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace
{
std::unique_ptr<TGraphic> NewGraphic(std::string_view ClassName)
{
    if (ClassName == "TBitmap") return std::make_unique<TBitmap>();
    if (ClassName == "TJPEGImage") return std::make_unique<TJPEGImage>();
    if (ClassName == "TIcon") return std::make_unique<TIcon>();
    return nullptr;
}

// The class for file bytes, by their signature.
std::unique_ptr<TGraphic> GraphicFor(std::span<const uint8_t> Data)
{
    auto Starts = [&](std::initializer_list<uint8_t> Sig)
    { return Data.size() >= Sig.size() && std::memcmp(Data.data(), Sig.begin(), Sig.size()) == 0; };
    if (Starts({'B', 'M'}) || Starts({0x89, 'P', 'N', 'G'})) return std::make_unique<TBitmap>();
    if (Starts({0xFF, 0xD8})) return std::make_unique<TJPEGImage>();
    if (Starts({0, 0, 1, 0})) return std::make_unique<TIcon>();
    throw EInvalidGraphic("Unknown picture format");
}
} // namespace

const TClassInfo& TPicture::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TPicture>("TPicture", &TPersistent::StaticClass()).Build();
    return Info;
}

TPicture::TPicture() = default;
TPicture::~TPicture() = default;

void TPicture::Take(std::unique_ptr<TGraphic> Value)
{
    FGraphic = std::move(Value);
    if (FGraphic) FGraphic->OnChange.Bind(this, &TPicture::GraphicChanged);
    OnChange(this);
}

void TPicture::SetGraphic(const TGraphic* Value)
{
    if (!Value)
    {
        if (FGraphic) Take(nullptr);
        return;
    }
    if (Value == FGraphic.get()) return;
    std::unique_ptr<TGraphic> Copy = NewGraphic(Value->ClassName());
    if (!Copy) throw EInvalidGraphic("Unknown picture class " + Value->ClassName());
    Copy->Assign(Value);
    Copy->SetTransparent(Value->Transparent());
    Take(std::move(Copy));
}

TBitmap* TPicture::Bitmap()
{
    if (!dynamic_cast<TBitmap*>(FGraphic.get())) Take(std::make_unique<TBitmap>());
    return static_cast<TBitmap*>(FGraphic.get());
}

TIcon* TPicture::Icon()
{
    if (!dynamic_cast<TIcon*>(FGraphic.get())) Take(std::make_unique<TIcon>());
    return static_cast<TIcon*>(FGraphic.get());
}

int TPicture::Width() const
{
    return FGraphic ? FGraphic->Width() : 0;
}

int TPicture::Height() const
{
    return FGraphic ? FGraphic->Height() : 0;
}

void TPicture::LoadFromBytes(std::span<const uint8_t> Data)
{
    std::unique_ptr<TGraphic> G = GraphicFor(Data);
    G->LoadFromBytes(Data);
    Take(std::move(G));
}

void TPicture::LoadFromResourceName(std::string_view Name)
{
    auto Data = FindResource(Name);
    if (!Data) throw EResNotFound("Resource " + std::string(Name) + " not found");
    LoadFromBytes(*Data);
}

void TPicture::LoadFromFile(const std::string& Path)
{
    std::ifstream In(Path, std::ios::binary);
    if (!In) throw EInvalidGraphic("Cannot open file " + Path);
    std::vector<uint8_t> Data((std::istreambuf_iterator<char>(In)),
                              std::istreambuf_iterator<char>());
    LoadFromBytes(Data);
}

void TPicture::Assign(const TPersistent* Source)
{
    if (!Source)
    {
        SetGraphic(nullptr);
        return;
    }
    if (auto* P = dynamic_cast<const TPicture*>(Source))
    {
        SetGraphic(P->FGraphic.get());
        return;
    }
    if (auto* G = dynamic_cast<const TGraphic*>(Source))
    {
        SetGraphic(G);
        return;
    }
    TPersistent::Assign(Source);
}

void TPicture::ReadBinary(std::span<const uint8_t> Data)
{
    if (Data.empty())
    {
        SetGraphic(nullptr);
        return;
    }
    size_t NameLength = Data[0];
    if (NameLength == 0 || 1 + NameLength > Data.size())
        throw EInvalidGraphic("Picture data does not name a picture class");
    std::string_view Name(reinterpret_cast<const char*>(Data.data() + 1), NameLength);
    std::unique_ptr<TGraphic> G = NewGraphic(Name);
    if (!G) throw EInvalidGraphic("Unknown picture class " + std::string(Name));
    G->LoadFromBytes(Data.subspan(1 + NameLength));
    Take(std::move(G));
}

TBytes TPicture::WriteBinary() const
{
    if (!FGraphic || FGraphic->Empty()) return {};
    const std::string& Name = FGraphic->ClassName();
    TBytes Out;
    Out.push_back(static_cast<uint8_t>(Name.size()));
    Out.insert(Out.end(), Name.begin(), Name.end());
    std::vector<uint8_t> Bytes = FGraphic->SaveToBytes();
    Out.insert(Out.end(), Bytes.begin(), Bytes.end());
    return Out;
}
