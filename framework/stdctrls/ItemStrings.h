#pragma once

#include "framework/Strings.h"

#include <functional>
#include <vector>

// The items of a list box or combo box: lines with an object pointer (not
// owned) and a small state word each (a check list box keeps its check
// marks there), optionally kept sorted. OnChanged runs after every change
// (once per BeginUpdate / EndUpdate batch) so the control can repaint and
// keep its selection inside the list.
class TItemStrings : public TStrings
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int Count() const override { return static_cast<int>(FItems.size()); }
    std::string Strings(int Index) const override;
    void SetStrings(int Index, const std::string& S) override;
    TObject* Objects(int Index) const override;
    void SetObjects(int Index, TObject* Object) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    int Add(const std::string& S) override;

    int State(int Index) const;
    void SetState(int Index, int Value);

    // Sorting orders the lines without regard to case; Add then inserts in
    // order.
    bool Sorted() const { return FSorted; }
    void SetSorted(bool Value);

    std::function<void()> OnChanged;

  protected:
    void SetUpdateState(bool Updating) override;

  private:
    struct TItem
    {
        std::string S;
        TObject* Object = nullptr;
        int State = 0;
    };
    void CheckIndex(int Index) const;
    void Changed();

    std::vector<TItem> FItems;
    bool FSorted = false;
    bool FPending = false;
};
