#pragma once

#include "framework/controls/WinControl.h"

#include <algorithm>

enum TScrollBarKind
{
    sbHorizontal,
    sbVertical
};

// What moved the position, in the order of the window system's codes.
enum TScrollCode
{
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

// A stand-alone scroll bar over the window system's scroll-bar control:
// arrows move the position by SmallChange, the track by LargeChange, the
// thumb to where it is dropped; when focused the arrow keys of its Kind,
// Page Up / Down, Home and End do the same. Every move runs OnScroll (which
// may change the position it is handed), then OnChange when the position
// changed. Position stays within [Min, Max - PageSize + 1] (Max for a page
// of 0); a Min above Max or a Max below Min moves the other along.
class TScrollBar : public TWinControl
{
  public:
    explicit TScrollBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TScrollBarKind Kind() const { return FKind; }
    // Turns the bar; outside loading the width and height swap too.
    void SetKind(TScrollBarKind Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    int SmallChange() const { return FSmallChange; }
    void SetSmallChange(int Value) { FSmallChange = std::max(Value, 1); }
    int LargeChange() const { return FLargeChange; }
    void SetLargeChange(int Value) { FLargeChange = std::max(Value, 1); }
    // The three at once, held to the rules above; OnChange when the
    // position changed.
    void SetParams(int APosition, int AMin, int AMax);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

  protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DefaultHandler(TMessage& Message) override;
    virtual void Change() { OnChange(this); }
    virtual void Scroll(TScrollCode Code, int& Pos) { OnScroll(this, Code, Pos); }

    void WMToControl(TMessage& M);
    void WMLButtonDown(TMessage& M);
    void WMGetDlgCode(TMessage& M);
    void CNScroll(TMessage& M);

  private:
    int PositionLimit() const;
    void UpdateBar();

    TScrollBarKind FKind = sbHorizontal;
    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FPageSize = 0;
    int FSmallChange = 1;
    int FLargeChange = 1;
};
