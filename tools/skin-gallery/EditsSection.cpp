// The edits, the number edit, the spin edit and the combo boxes in their
// states.

#include "GallerySection.h"

#include "framework/controls/Form.h"
#include "framework/controls/Label.h"
#include "skin/SUIComboBox.h"
#include "skin/SUIMaskEdit.h"
#include "skin/SUINumberEdit.h"
#include "skin/SUISpinEdit.h"

#include <string>

namespace
{
template <class T> T* Place(TForm* Form, TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* C = new T(Form);
    C->SetBounds(X, Y, W, H);
    C->SetParent(Parent);
    return C;
}

void Caption(TForm* Form, TWinControl* Parent, int X, int Y, const std::string& Text)
{
    auto* L = Place<TLabel>(Form, Parent, X, Y, 100, 13);
    L->SetCaption(Text);
}

int BuildEdits(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    int Y = 8;
    Caption(Form, Parent, 8, Y, "Edit");
    Caption(Form, Parent, 140, Y, "Number (0.00)");
    Caption(Form, Parent, 272, Y, "Masked");
    Caption(Form, Parent, 404, Y, "Spin");
    Y += 16;
    auto* Edit = Place<TsuiEdit>(Form, Parent, 8, Y, 120, 21);
    Edit->SetUIStyle(Style);
    Edit->SetName("PlainEdit");
    Edit->SetText("COM7");
    auto* Number = Place<TsuiNumberEdit>(Form, Parent, 140, Y, 120, 21);
    Number->SetUIStyle(Style);
    Number->SetName("NumberEdit");
    Number->SetValue(433);
    auto* Masked = Place<TsuiMaskEdit>(Form, Parent, 272, Y, 120, 21);
    Masked->SetUIStyle(Style);
    Masked->SetName("MaskEdit");
    Masked->SetEditMask("000-000;1;_");
    Masked->SetText("12345");
    auto* Spin = Place<TsuiSpinEdit>(Form, Parent, 404, Y, 120, 21);
    Spin->SetUIStyle(Style);
    Spin->SetMaxValue(7);
    Spin->SetMinValue(1);
    Spin->SetValue(5);
    Y += 28;
    auto* Disabled = Place<TsuiEdit>(Form, Parent, 8, Y, 120, 21);
    Disabled->SetUIStyle(Style);
    Disabled->SetText("Disabled");
    Disabled->SetEnabled(false);
    auto* Node = Place<TsuiNumberEdit>(Form, Parent, 140, Y, 120, 21);
    Node->SetUIStyle(Style);
    Node->SetMask("0");
    Node->SetValue(65535);
    Node->SetColor(clLime);
    return Y + 21 + 8;
}

int BuildComboBoxes(TForm* Form, TWinControl* Parent, TsuiUIStyle Style)
{
    int Y = 8;
    Caption(Form, Parent, 8, Y, "Pick only");
    Caption(Form, Parent, 140, Y, "Editable");
    Caption(Form, Parent, 272, Y, "Disabled");
    Caption(Form, Parent, 404, Y, "Filter");
    Y += 16;
    auto Combo = [&](int X, TComboBoxStyle Kind)
    {
        auto* C = Place<TsuiComboBox>(Form, Parent, X, Y, 120, 21);
        C->SetUIStyle(Style);
        C->SetStyle(Kind);
        for (const char* S : {"Standard", "Central", "Node"})
            C->Items()->Add(S);
        C->SetItemIndex(0);
        return C;
    };
    auto* Pick = Combo(8, csDropDownList);
    Pick->SetName("PickCombo");
    Pick->SetColor(clLime);
    Combo(140, csDropDown)->SetName("EditableCombo");
    Combo(272, csDropDownList)->SetEnabled(false);
    auto* Filter = Place<TsuiFilterComboBox>(Form, Parent, 404, Y, 120, 21);
    Filter->SetUIStyle(Style);
    Filter->SetFilter("Skins (*.skn)|*.skn|All files (*)|*");
    Y += 28;
    Caption(Form, Parent, 8, Y + 4, "Places");
    auto* Drives = Place<TsuiDriveComboBox>(Form, Parent, 140, Y, 252, 21);
    Drives->SetUIStyle(Style);
    return Y + 21 + 8;
}

const bool Registered = RegisterGallerySection({"Edits", 40, BuildEdits}) &&
                        RegisterGallerySection({"Combo boxes", 50, BuildComboBoxes});
} // namespace
