#pragma once

#include "framework/stdctrls/ComboBox.h"

#include <string>
#include <vector>

// A pick-only list of file-type filters. Filter holds pairs of a
// description and a mask, separated by "|" ("Text files (*.txt)|*.txt|All
// files (*)|*"); the list shows the descriptions, and Mask is the mask of
// the selected one (several patterns separated by ";"). Setting Filter
// selects the first filter.
class TFilterComboBox : public TCustomComboBox
{
  public:
    explicit TFilterComboBox(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value);
    bool IsFilterStored() const;
    // The selected filter's mask; "" when nothing is selected.
    std::string Mask() const;

  private:
    std::string FFilter;
    std::vector<std::string> FMasks;
};
