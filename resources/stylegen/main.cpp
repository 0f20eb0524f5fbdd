// Draws every picture of the style catalogue into FOLDER as files, then
// writes FOLDER/manifest.txt naming them for embedding.
#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/CodecStatus.h"
#include "resources/StyleArt.h"
#include "resources/stylegen/ArtBook.h"

#include <cstdio>
#include <exception>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
void WriteFile(const std::string& Path, const std::vector<uint8_t>& Bytes)
{
    std::ofstream Out(Path, std::ios::binary);
    Out.write(reinterpret_cast<const char*>(Bytes.data()),
              static_cast<std::streamsize>(Bytes.size()));
    if (!Out) throw std::runtime_error("cannot write " + Path);
}

std::vector<uint8_t> Encode(const TStyleArtEntry& Entry, const TArt& Art)
{
    if (Art.Width() != Entry.Width || Art.Height() != Entry.Height)
        throw std::logic_error(std::string(Entry.Name) + " is drawn " +
                               std::to_string(Art.Width()) + "x" + std::to_string(Art.Height()));
    std::vector<uint8_t> Bytes;
    TCodecStatus Status = TCodecStatus::Unsupported;
    if (Entry.Format == TArtFormat::Bmp) Status = WriteBmp(Art.Surface(), Entry.Depth, Bytes);
    if (Status != TCodecStatus::Ok)
        throw std::runtime_error(std::string(Entry.Name) + ": " + CodecStatusText(Status));
    return Bytes;
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

        std::string Manifest;
        std::set<std::string> Drawn;
        for (const TStyleArtEntry& Entry : StyleArtCatalog())
        {
            const TArtBook::TPainter* Painter = Book.Find(Entry.Name);
            if (!Painter) throw std::logic_error(std::string("nothing draws ") + Entry.Name);
            const std::string File = std::string(Entry.Name) + ".bin";
            WriteFile(Folder + "/" + File, Encode(Entry, (*Painter)()));
            Manifest += std::string(Entry.Name) + " " + File + "\n";
            Drawn.insert(Entry.Name);
        }
        for (const auto& [Name, Painter] : Book.All())
            if (!Drawn.count(Name)) throw std::logic_error(Name + " is drawn but not catalogued");
        WriteFile(Folder + "/manifest.txt", std::vector<uint8_t>(Manifest.begin(), Manifest.end()));
        return 0;
    }
    catch (const std::exception& E)
    {
        std::fprintf(stderr, "stylegen: %s\n", E.what());
        return 1;
    }
}
