#include "framework/stdctrls/CheckGroup.h"

#include "framework/PropertyRegistry.h"
#include "framework/stdctrls/CheckBox.h"

const TClassInfo& TCheckGroup::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TCheckGroup>("TCheckGroup", &TGroupBox::StaticClass())
            .Integer("Columns", &TCheckGroup::Columns, &TCheckGroup::SetColumns)
            .Default(1)
            .Strings("Items", &TCheckGroup::Items, &TCheckGroup::SetItems)
            .Build();
    return Info;
}

TCheckGroup::TCheckGroup(TComponent* AOwner)
    : TGroupBox(AOwner), FButtons(*this,
                                  [](TWinControl* Group)
                                  {
                                      auto* B = new TCheckBox(Group);
                                      B->SetParent(Group);
                                      return B;
                                  })
{
    FButtons.OnClick = [this](TObject*) { Click(); };
}

void TCheckGroup::AlignControls(TRect& Rect)
{
    TGroupBox::AlignControls(Rect);
    FButtons.Arrange(Rect);
}
