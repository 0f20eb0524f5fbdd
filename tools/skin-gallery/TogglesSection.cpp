// The "toggles" page: skinned check boxes, radio buttons and their groups
// in every state, and both toggles over a picture (transparent).

#include "GallerySection.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/Picture.h"
#include "skin/SUICheckBox.h"
#include "skin/SUICheckGroup.h"
#include "skin/SUIImagePanel.h"
#include "skin/SUIRadioButton.h"
#include "skin/SUIRadioGroup.h"

#include <string>

namespace
{
template <class T> T* ToggleAt(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void ToggleHeading(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    ToggleAt<TLabel>(Form, Parent, X, Y, 200, 13)->SetCaption(Text);
}

template <class T>
T* Toggle(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text,
          TsuiUIStyle Style)
{
    auto* C = ToggleAt<T>(Form, Parent, X, Y, 120, 17);
    C->SetUIStyle(Style);
    C->SetCaption(Text);
    return C;
}

int BuildCheckBoxes(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    ToggleHeading(Form, Parent, 8, 4, "Check boxes");
    Toggle<TsuiCheckBox>(Form, Parent, 8, 22, "Unchecked", Style)->SetName("UncheckedBox");
    auto* Checked = Toggle<TsuiCheckBox>(Form, Parent, 136, 22, "Checked", Style);
    Checked->SetName("CheckedBox");
    Checked->SetChecked(true);
    auto* Grayed = Toggle<TsuiCheckBox>(Form, Parent, 264, 22, "Grayed", Style);
    Grayed->SetAllowGrayed(true);
    Grayed->SetState(cbGrayed);
    auto* Focused = Toggle<TsuiCheckBox>(Form, Parent, 392, 22, "&Focused", Style);
    Focused->SetChecked(true);
    Form->SetActiveControl(Focused);
    Toggle<TsuiCheckBox>(Form, Parent, 8, 44, "Disabled", Style)->SetEnabled(false);
    auto* Off = Toggle<TsuiCheckBox>(Form, Parent, 136, 44, "Disabled, checked", Style);
    Off->SetChecked(true);
    Off->SetEnabled(false);
    auto* Long = ToggleAt<TsuiCheckBox>(Form, Parent, 264, 44, 250, 30);
    Long->SetUIStyle(Style);
    Long->SetCaption("A longer caption wraps onto a second line beside the box");
    return 80;
}

int BuildRadioButtons(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    ToggleHeading(Form, Parent, 8, 4, "Radio buttons");
    // Each pair in a panel of its own, so each keeps its own checked one.
    const struct
    {
        const char* First;
        const char* Second;
        bool Enabled;
    } Pairs[] = {{"Unchecked", "Checked", true}, {"Disabled", "Disabled, checked", false}};
    int X = 8;
    for (const auto& P : Pairs)
    {
        auto* Host = ToggleAt<TsuiImagePanel>(Form, Parent, X, 22, 250, 20);
        Host->SetParentColor(true);
        Toggle<TsuiRadioButton>(Form, Host, 0, 0, P.First, Style)->SetEnabled(P.Enabled);
        auto* Second = Toggle<TsuiRadioButton>(Form, Host, 124, 0, P.Second, Style);
        Second->SetChecked(true);
        Second->SetEnabled(P.Enabled);
        X += 256;
    }
    return 48;
}

int BuildGroups(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    ToggleHeading(Form, Parent, 8, 4, "Radio group and check group");
    auto* Radio = ToggleAt<TsuiRadioGroup>(Form, Parent, 8, 22, 256, 84);
    Radio->SetUIStyle(Style);
    Radio->SetName("ParityGroup");
    Radio->SetCaption("Parity");
    Radio->SetColumns(2);
    for (const char* S : {"None", "Odd", "Even", "Mark", "Space"})
        Radio->Items()->Add(S);
    Radio->SetItemIndex(2);
    auto* Check = ToggleAt<TsuiCheckGroup>(Form, Parent, 272, 22, 256, 84);
    Check->SetUIStyle(Style);
    Check->SetCaption("Steps");
    for (const char* S : {"Read", "Write", "Verify"})
        Check->Items()->Add(S);
    Check->SetChecked(0, true);
    Check->SetChecked(2, true);
    return 114;
}

int BuildOverPicture(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    ToggleHeading(Form, Parent, 8, 4, "Transparent, over a picture");
    TBitmap Stripes;
    Stripes.SetSize(256, 40);
    for (int X = 0; X < 256; X += 16)
    {
        Stripes.Canvas()->Brush()->SetColor(X % 32 ? RGB(0xC8, 0xDC, 0xF0) : RGB(0xF0, 0xE6, 0xC8));
        Stripes.Canvas()->FillRect({X, 0, X + 16, 40});
    }
    TPicture Picture;
    Picture.SetGraphic(&Stripes);
    auto* Backdrop = ToggleAt<TsuiImagePanel>(Form, Parent, 8, 22, 520, 40);
    Backdrop->SetPicture(&Picture);
    Backdrop->SetDrawStyle(suiTile);
    auto* Box = Toggle<TsuiCheckBox>(Form, Backdrop, 10, 11, "Transparent check box", Style);
    Box->SetWidth(170);
    Box->SetTransparent(true);
    Box->SetChecked(true);
    auto* Radio = Toggle<TsuiRadioButton>(Form, Backdrop, 200, 11, "Transparent radio", Style);
    Radio->SetWidth(170);
    Radio->SetTransparent(true);
    Radio->SetChecked(true);
    return 70;
}

const bool TogglesRegistered =
    RegisterGallerySection({"Check boxes", 10, BuildCheckBoxes, "toggles"}) &&
    RegisterGallerySection({"Radio buttons", 20, BuildRadioButtons, "toggles"}) &&
    RegisterGallerySection({"Groups", 30, BuildGroups, "toggles"}) &&
    RegisterGallerySection({"Over a picture", 40, BuildOverPicture, "toggles"});
} // namespace
