// Draws every picture of the style catalogue into FOLDER as files, and the
// program's icon as the desktop's icon theme wants it
// (FOLDER/hicolor/<N>x<N>/apps/novla-tool.png, installed as it stands), then
// writes FOLDER/manifest.txt naming the catalogue's files for embedding.
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/CodecStatus.h"
#include "platform/gfx/IcoCodec.h"
#include "platform/gfx/JpegCodec.h"
#include "platform/gfx/PngCodec.h"
#include "resources/StyleArt.h"
#include "resources/stylegen/ArtBook.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
// The sizes inside the program's icon file.
constexpr int IconSizes[] = {16, 32, 48};
// The sizes of the desktop's icon theme.
constexpr int ThemeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    std::ofstream Out(Path, std::ios::binary);
    Out.write(reinterpret_cast<const char*>(Bytes.data()),
              static_cast<std::streamsize>(Bytes.size()));
    if (!Out) throw std::runtime_error("cannot write " + Path);
}

void CheckSize(const TStyleArtEntry& Entry, const TSurface& Picture)
{
    if (Picture.Width() != Entry.Width || Picture.Height() != Entry.Height)
        throw std::logic_error(std::string(Entry.Name) + " is drawn " +
                               std::to_string(Picture.Width()) + "x" +
                               std::to_string(Picture.Height()));
}

std::vector<uint8_t> Encode(const TStyleArtEntry& Entry, const TArtBook& Book)
{
    std::vector<uint8_t> Bytes;
    TCodecStatus Status = TCodecStatus::Unsupported;
    if (Entry.Format == TArtFormat::Bmp || Entry.Format == TArtFormat::Jpeg)
    {
        const TArtBook::TPainter* Painter = Book.Find(Entry.Name);
        if (!Painter) throw std::logic_error(std::string("nothing draws ") + Entry.Name);
        const TArt Art = (*Painter)();
        CheckSize(Entry, Art.Surface());
        Status = Entry.Format == TArtFormat::Bmp ? WriteBmp(Art.Surface(), Entry.Depth, Bytes)
                                                 : WriteJpeg(Art.Surface(), 92, Bytes);
    }
    else
    {
        const TArtBook::TSizedPainter* Painter = Book.FindSized(Entry.Name);
        if (!Painter) throw std::logic_error(std::string("nothing draws ") + Entry.Name);
        if (Entry.Format == TArtFormat::Png)
        {
            const TSurface Picture = (*Painter)(Entry.Width);
            CheckSize(Entry, Picture);
            Status = WritePng(Picture, Bytes, true);
        }
        else
        {
            std::vector<TSurface> Pictures;
            std::vector<const TSurface*> Order;
            for (int Size : IconSizes)
                Pictures.push_back((*Painter)(Size));
            for (const TSurface& P : Pictures)
                Order.push_back(&P);
            CheckSize(Entry, Pictures.back());
            Status = WriteIco(Order, Bytes);
        }
    }
    if (Status != TCodecStatus::Ok)
        throw std::runtime_error(std::string(Entry.Name) + ": " + CodecStatusText(Status));
    return Bytes;
}

void WriteThemeIcons(const std::string& Folder, const TArtBook& Book)
{
    const TArtBook::TSizedPainter* Painter = Book.FindSized("MAINICON");
    if (!Painter) throw std::logic_error("nothing draws MAINICON");
    for (int Size : ThemeIconSizes)
    {
        const std::string Dir =
            Folder + "/hicolor/" + std::to_string(Size) + "x" + std::to_string(Size) + "/apps";
        std::filesystem::create_directories(Dir);
        std::vector<uint8_t> Bytes;
        const TSurface Picture = (*Painter)(Size);
        const TCodecStatus Status = WritePng(Picture, Bytes, true);
        if (Status != TCodecStatus::Ok)
            throw std::runtime_error("icon " + std::to_string(Size) + ": " +
                                     CodecStatusText(Status));
        WriteFile(Dir + "/novla-tool.png", Bytes);
    }
}

const char* Extension(TArtFormat Format)
{
    switch (Format)
    {
    case TArtFormat::Bmp:
        return ".bmp";
    case TArtFormat::Jpeg:
        return ".jpg";
    case TArtFormat::Ico:
        return ".ico";
    case TArtFormat::Png:
        return ".png";
    }
    return "";
}
} // namespace

int main(int Argc, char** Argv)
{
    if (Argc != 2)
    {
        std::fprintf(stderr, "usage: stylegen FOLDER\n");
        return 2;
    }
    try
    {
        const std::string Folder = Argv[1];
        TArtBook Book;
        AddButtonArt(Book);
        AddToggleArt(Book);
        AddTitleArt(Book);
        AddTitleButtonArt(Book);
        AddScrollArt(Book);
        AddGaugeArt(Book);
        AddPanelArt(Book);
        AddSharedArt(Book);
        AddProgramArt(Book);

        std::string Manifest;
        std::set<std::string> Drawn;
        for (const TStyleArtEntry& Entry : StyleArtCatalog())
        {
            const std::string File = std::string(Entry.Name) + Extension(Entry.Format);
            WriteFile(Folder + "/" + File, Encode(Entry, Book));
            Manifest += std::string(Entry.Name) + " " + File + "\n";
            Drawn.insert(Entry.Name);
        }
        for (const std::string& Name : Book.Names())
            if (!Drawn.count(Name)) throw std::logic_error(Name + " is drawn but not catalogued");
        WriteThemeIcons(Folder, Book);
        WriteFile(Folder + "/manifest.txt", std::vector<uint8_t>(Manifest.begin(), Manifest.end()));
        return 0;
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "stylegen: %s\n", E.what());
        return 1;
    }
}
