#include "skin/SUICheckGroup.h"

#include "framework/PropertyRegistry.h"
#include "skin/SUICheckBox.h"

const TClassInfo& TsuiCheckGroup::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiCheckGroup>("TsuiCheckGroup", &TsuiGroupBox::StaticClass())
            .Integer("Columns", &TsuiCheckGroup::Columns, &TsuiCheckGroup::SetColumns)
            .Default(1)
            .Strings("Items", &TsuiCheckGroup::Items, &TsuiCheckGroup::SetItems)
            .Build();
    return Info;
}

TsuiCheckGroup::TsuiCheckGroup(TComponent* AOwner)
    : TsuiGroupBox(AOwner), FButtons(*this,
                                     [this](TWinControl* Group)
                                     {
                                         auto* B = new TsuiCheckBox(Group);
                                         B->SetFileTheme(FileTheme());
                                         B->SetUIStyle(UIStyle());
                                         B->SetParent(Group);
                                         return B;
                                     })
{
    FButtons.OnClick = [this](TObject*) { Click(); };
}

void TsuiCheckGroup::AlignControls(TRect& Rect)
{
    TsuiGroupBox::AlignControls(Rect);
    FButtons.Arrange(Rect);
}
