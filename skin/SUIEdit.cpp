#include "skin/SUIEdit.h"

#include "skin/SUIFileTheme.h"

const TClassInfo& TsuiEdit::StaticClass()
{
    static const TClassInfo Info = []
    {
        using T = TsuiEdit;
        TClassBuilder<T> B("TsuiEdit", &TCustomEdit::StaticClass());
        EditSkinProperties(B)
            .Enum("Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames())
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &T::AutoSelect, &T::SetAutoSelect)
            .Default(true)
            .Integer("MaxLength", &T::MaxLength, &T::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &T::TabStop, &T::SetTabStop)
            .Default(true)
            .String("Text", &T::Text, &T::SetText)
            .Event("OnChange", &T::OnChange)
            .Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, ControlBorderStyleNames())
            .Default(bsSingle);
        return B.Build();
    }();
    return Info;
}

const TMessageMap& TsuiEdit::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TCustomEdit::StaticMessages());
    return Map;
}
