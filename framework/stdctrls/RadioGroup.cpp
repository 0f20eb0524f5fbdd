#include "framework/stdctrls/RadioGroup.h"

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/RadioButton.h"

const TClassInfo& TRadioGroup::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TRadioGroup>("TRadioGroup", &TGroupBox::StaticClass())
            .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
            .Default(1)
            .Strings("Items", &TRadioGroup::Items, &TRadioGroup::SetItems)
            .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
            .Default(-1)
            .Build();
    return Info;
}

TRadioGroup::TRadioGroup(TComponent* AOwner)
    : TGroupBox(AOwner), FButtons(*this,
                                  [](TWinControl* Group)
                                  {
                                      auto* B = new TRadioButton(Group);
                                      B->SetParent(Group);
                                      return B;
                                  })
{
    FButtons.OnClick = [this](TObject*) { Click(); };
}

void TRadioGroup::Loaded()
{
    TGroupBox::Loaded();
    FButtons.Loaded();
}

void TRadioGroup::AlignControls(TRect& Rect)
{
    TGroupBox::AlignControls(Rect);
    FButtons.Arrange(Rect);
}
