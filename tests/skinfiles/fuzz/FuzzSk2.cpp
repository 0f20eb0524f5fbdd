// libFuzzer entry for the skin database: the record chain must be walked or
// refused without leaving the input, every item must lie inside it with the
// sizes its kind demands, and bitmap items go through the picture readers the
// bitmap loader uses.

#include "platform/gfx/BmpCodec.h"
#include "platform/gfx/PngCodec.h"
#include "skinfiles/PictureSize.h"
#include "skinfiles/Sk2Database.h"

#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    std::vector<TSk2Item> Items;
    if (ParseSk2({Data, Size}, Items) != TSk2Status::Ok) return 0;
    if (Items.size() > Size / 77) std::abort();
    for (const TSk2Item& Item : Items)
    {
        if (Item.Data.data() < Data || Item.Data.data() + Item.Data.size() > Data + Size ||
            Item.Name.size() > 64)
            std::abort();
        if ((Item.Kind == TSk2Kind::Integer && Item.Data.size() != 4) ||
            (Item.Kind == TSk2Kind::Boolean && Item.Data.size() != 1))
            std::abort();
        // The picture readers have fuzz targets of their own; here they only
        // see pictures small enough to keep the run fast.
        if (Item.Kind == TSk2Kind::Bitmap && DeclaredPixels(Item.Data) <= (1 << 16))
        {
            TSurface Picture;
            if (Item.Data.size() >= 4 && Item.Data[0] == 0x89)
                ReadPng(Item.Data, Picture);
            else
                ReadBmp(Item.Data, Picture);
        }
    }
    return 0;
}
