#include "framework/stdctrls/FilterComboBox.h"

#include "framework/PropertyRegistry.h"
#include "framework/UpdateScope.h"

namespace
{
constexpr const char* DefaultFilter = "All files (*)|*";
} // namespace

const TClassInfo& TFilterComboBox::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TFilterComboBox>("TFilterComboBox", &TCustomComboBox::StaticClass())
            .Integer("DropDownCount", &TFilterComboBox::DropDownCount,
                     &TFilterComboBox::SetDropDownCount)
            .Default(8)
            .String("Filter", &TFilterComboBox::Filter, &TFilterComboBox::SetFilter)
            .Stored(&TFilterComboBox::IsFilterStored)
            .Boolean("TabStop", &TFilterComboBox::TabStop, &TFilterComboBox::SetTabStop)
            .Default(true)
            .Event("OnChange", &TFilterComboBox::OnChange)
            .Event("OnCloseUp", &TFilterComboBox::OnCloseUp)
            .Event("OnDropDown", &TFilterComboBox::OnDropDown)
            .Event("OnSelect", &TFilterComboBox::OnSelect)
            .Build();
    return Info;
}

TFilterComboBox::TFilterComboBox(TComponent* AOwner) : TCustomComboBox(AOwner)
{
    SetStyle(csDropDownList);
    SetFilter(DefaultFilter);
}

bool TFilterComboBox::IsFilterStored() const
{
    return FFilter != DefaultFilter;
}

void TFilterComboBox::SetFilter(const std::string& Value)
{
    FFilter = Value;
    FMasks.clear();
    {
        TUpdateScope Batch(*Items());
        Items()->Clear();
        // Description|mask pairs; a description without its mask gets "".
        std::vector<std::string> Parts;
        size_t From = 0;
        while (From <= Value.size() && !Value.empty())
        {
            size_t Bar = Value.find('|', From);
            if (Bar == std::string::npos) Bar = Value.size();
            Parts.push_back(Value.substr(From, Bar - From));
            From = Bar + 1;
        }
        for (size_t I = 0; I < Parts.size(); I += 2)
        {
            Items()->Add(Parts[I]);
            FMasks.push_back(I + 1 < Parts.size() ? Parts[I + 1] : "");
        }
    }
    SetItemIndex(Items()->Count() > 0 ? 0 : -1);
}

std::string TFilterComboBox::Mask() const
{
    int I = ItemIndex();
    return I >= 0 && I < static_cast<int>(FMasks.size()) ? FMasks[static_cast<size_t>(I)] : "";
}
