#pragma once

#include "framework/controls/CustomControl.h"

enum TProgressBarOrientation
{
    pbHorizontal,
    pbVertical
};

// A bar that fills in proportion to Position within Min..Max: from the
// left, or from the bottom when vertical; in blocks, or one smooth band
// when Smooth. Position always lies in the range (a form definition's
// values are fitted once all are read); StepIt adds Step and
// starts over from Min once it passes Max, StepBy adds any amount and
// stops at the ends.
class TProgressBar : public TCustomControl
{
  public:
    explicit TProgressBar(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    int Min() const { return FMin; }
    // Raises Max to Value when it lies below.
    void SetMin(int Value);
    int Max() const { return FMax; }
    // Lowers Min to Value when it lies above.
    void SetMax(int Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Step() const { return FStep; }
    void SetStep(int Value) { FStep = Value; }
    bool Smooth() const { return FSmooth; }
    void SetSmooth(bool Value);
    TProgressBarOrientation Orientation() const { return FOrientation; }
    // Swaps width and height when the orientation changes.
    void SetOrientation(TProgressBarOrientation Value);

    void StepIt();
    void StepBy(int Delta);

    // The filled part of Inside, the area within the frame.
    TRect FilledRect(const TRect& Inside) const;

  protected:
    void Loaded() override;
    void Paint() override;
    // Repaints after a change of the range, the position or the look.
    virtual void Changed() { Invalidate(); }

  private:
    bool Reading() const;
    void Clamp();

    int FMin = 0;
    int FMax = 100;
    int FPosition = 0;
    int FStep = 10;
    bool FSmooth = false;
    TProgressBarOrientation FOrientation = pbHorizontal;
};
