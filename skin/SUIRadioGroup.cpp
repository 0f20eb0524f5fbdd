#include "skin/SUIRadioGroup.h"

#include "framework/PropertyRegistry.h"
#include "skin/SUIRadioButton.h"

const TClassInfo& TsuiRadioGroup::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiRadioGroup>("TsuiRadioGroup", &TsuiGroupBox::StaticClass())
            .Integer("Columns", &TsuiRadioGroup::Columns, &TsuiRadioGroup::SetColumns)
            .Default(1)
            .Strings("Items", &TsuiRadioGroup::Items, &TsuiRadioGroup::SetItems)
            .Integer("ItemIndex", &TsuiRadioGroup::ItemIndex, &TsuiRadioGroup::SetItemIndex)
            .Default(-1)
            .Build();
    return Info;
}

TsuiRadioGroup::TsuiRadioGroup(TComponent* AOwner)
    : TsuiGroupBox(AOwner), FButtons(*this,
                                     [this](TWinControl* Group)
                                     {
                                         auto* B = new TsuiRadioButton(Group);
                                         B->SetFileTheme(FileTheme());
                                         B->SetUIStyle(UIStyle());
                                         B->SetParent(Group);
                                         return B;
                                     })
{
    FButtons.OnClick = [this](TObject*) { Click(); };
}

void TsuiRadioGroup::Loaded()
{
    TsuiGroupBox::Loaded();
    FButtons.Loaded();
}

void TsuiRadioGroup::AlignControls(TRect& Rect)
{
    TsuiGroupBox::AlignControls(Rect);
    FButtons.Arrange(Rect);
}
