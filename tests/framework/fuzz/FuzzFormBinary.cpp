// libFuzzer entry for the binary data stored in form definitions: a
// picture (class name, then the graphic's file bytes) and a form's icon,
// read through the form reader. Each must be read or refused with an
// exception of the framework; what was read must be stored and read back
// with the same size.

#include "framework/ClassRegistry.h"
#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/FormReader.h"
#include "framework/PropertyRegistry.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/Picture.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace
{
// A component with both kinds of stored pictures.
class TPictureHolder : public TComponent
{
  public:
    explicit TPictureHolder(TComponent* AOwner)
        : TComponent(AOwner), FPicture(std::make_unique<TPicture>()),
          FIcon(std::make_unique<TIcon>())
    {
    }
    static const TClassInfo& StaticClass()
    {
        static const TClassInfo Info =
            TClassBuilder<TPictureHolder>("TPictureHolder", &TComponent::StaticClass())
                .Binary("Picture", &TPictureHolder::Picture)
                .Binary("Icon", &TPictureHolder::Icon)
                .Build();
        return Info;
    }
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    TPicture* Picture() const { return FPicture.get(); }
    TIcon* Icon() const { return FIcon.get(); }

  private:
    std::unique_ptr<TPicture> FPicture;
    std::unique_ptr<TIcon> FIcon;
};

std::string Hex(const uint8_t* Data, size_t Size)
{
    std::string Out;
    Out.reserve(Size * 2);
    char Pair[3];
    for (size_t I = 0; I < Size; ++I)
    {
        std::snprintf(Pair, sizeof Pair, "%02X", Data[I]);
        Out += Pair;
    }
    return Out;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static const bool Registered = (RegisterClasses({&TPictureHolder::StaticClass()}), true);
    (void)Registered;
    // The first byte chooses the property, the rest is its stored data.
    if (Size == 0) return 0;
    const bool IsIcon = Data[0] & 1;
    const std::string Text = std::string("object Holder: TPictureHolder\n  ") +
                             (IsIcon ? "Icon" : "Picture") + " = {" + Hex(Data + 1, Size - 1) +
                             "}\nend\n";
    std::unique_ptr<TPictureHolder> Holder(new TPictureHolder(nullptr));
    try
    {
        TFormReader::Read(*Holder, Text);
    }
    catch (const Exception&)
    {
        return 0;
    }
    // What was read is stored as bytes that read back to the same picture.
    const TPersistent& Read = IsIcon ? static_cast<const TPersistent&>(*Holder->Icon())
                                     : static_cast<const TPersistent&>(*Holder->Picture());
    const TBytes Stored = Read.WriteBinary();
    if (IsIcon)
    {
        TIcon Again;
        if (!Stored.empty()) Again.ReadBinary(Stored);
        if (Again.Width() != Holder->Icon()->Width() || Again.Height() != Holder->Icon()->Height())
            std::abort();
    }
    else
    {
        TPicture Again;
        Again.ReadBinary(Stored);
        if (Again.Width() != Holder->Picture()->Width() ||
            Again.Height() != Holder->Picture()->Height())
            std::abort();
    }
    return 0;
}
