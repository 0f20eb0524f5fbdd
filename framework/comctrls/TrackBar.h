#pragma once

#include "framework/controls/CustomControl.h"

#include <vector>

enum TTrackBarOrientation
{
    trHorizontal,
    trVertical
};

enum TTickStyle
{
    tsNone,
    tsAuto,
    tsManual
};

enum TTickMark
{
    tmBottomRight,
    tmTopLeft,
    tmBoth
};

// A thumb that slides along a channel to pick Position within Min..Max.
// Keys: Left/Up take LineSize off, Right/Down add it, Page Up and Page Down
// move by PageSize, Home and End go to the ends. A press on the channel
// beside the thumb moves a page towards the press; dragging the thumb
// follows the pointer. OnChange runs after every change of Position. Ticks
// (tsAuto) stand at Min, Max and every Frequency between, on the side(s)
// TickMarks names.
class TTrackBar : public TCustomControl
{
  public:
    explicit TTrackBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }
    static const TMessageMap& StaticMessages();
    const TMessageMap& Messages() const override { return StaticMessages(); }

    TTrackBarOrientation Orientation() const { return FOrientation; }
    // Swaps width and height when the orientation changes.
    void SetOrientation(TTrackBarOrientation Value);
    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    TTickStyle TickStyle() const { return FTickStyle; }
    void SetTickStyle(TTickStyle Value);
    TTickMark TickMarks() const { return FTickMarks; }
    void SetTickMarks(TTickMark Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value) { FPageSize = Value; }
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value) { FLineSize = Value; }

    // The geometry a paint and the mouse share, in client coordinates.
    TRect ThumbRect() const;
    TRect ChannelRect() const;
    // The client coordinate along the channel of the thumb's centre at
    // Value.
    int OffsetOf(int Value) const;
    // The position nearest to a client coordinate along the channel.
    int PositionAt(int Offset) const;
    // The values ticks stand at (none for tsNone and tsManual).
    std::vector<int> TickValues() const;

    TNotifyEvent OnChange;

  protected:
    // The thumb's length along the channel and breadth across it.
    virtual TSize ThumbSize() const { return {11, 21}; }
    void Paint() override;
    // Draws the ticks of TickValues in Color beside the thumb's breadth.
    void PaintTicks(TCanvas* C, TColor Color);
    virtual void Changed() { Invalidate(); }
    void Loaded() override;

    void DoEnter() override;
    void DoExit() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    void WMGetDlgCode(TMessage& M);
    void WMKeyDown(TMessage& M);

  private:
    bool Reading() const;
    bool Horizontal() const { return FOrientation == trHorizontal; }
    int Length() const { return Horizontal() ? FWidth : FHeight; }
    // The first and last coordinate the thumb's centre reaches.
    int SpanStart() const;
    int SpanEnd() const;
    void MoveBy(long long Delta);

    TTrackBarOrientation FOrientation = trHorizontal;
    int FMin = 0;
    int FMax = 10;
    int FPosition = 0;
    int FFrequency = 1;
    TTickStyle FTickStyle = tsAuto;
    TTickMark FTickMarks = tmBottomRight;
    int FPageSize = 2;
    int FLineSize = 1;
    // Dragging: the pointer's distance from the thumb's centre at the press.
    bool FDragging = false;
    int FGrip = 0;
};
