#include "skin/SUIMaskEdit.h"

#include "skin/SUIFileTheme.h"

const TClassInfo& TsuiMaskEdit::StaticClass()
{
    static const TClassInfo Info = []
    {
        using T = TsuiMaskEdit;
        TClassBuilder<T> B("TsuiMaskEdit", &TCustomMaskEdit::StaticClass());
        EditSkinProperties(B)
            .Enum("Alignment", &T::Alignment, &T::SetAlignment, AlignmentNames())
            .Default(taLeftJustify)
            .Boolean("AutoSelect", &T::AutoSelect, &T::SetAutoSelect)
            .Default(true)
            .Enum("BorderStyle", &T::BorderStyle, &T::SetBorderStyle, ControlBorderStyleNames())
            .Default(bsSingle)
            .String("EditMask", &T::EditMask, &T::SetEditMask)
            .Integer("MaxLength", &T::MaxLength, &T::SetMaxLength)
            .Default(0)
            .Boolean("ReadOnly", &T::ReadOnly, &T::SetReadOnly)
            .Default(false)
            .Boolean("TabStop", &T::TabStop, &T::SetTabStop)
            .Default(true)
            .String("Text", &T::Text, &T::SetText)
            .Event("OnChange", &T::OnChange);
        return B.Build();
    }();
    return Info;
}

const TMessageMap& TsuiMaskEdit::StaticMessages()
{
    static const TMessageMap Map = SkinMessages(&TCustomMaskEdit::StaticMessages());
    return Map;
}
