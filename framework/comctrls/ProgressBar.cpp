#include "framework/comctrls/ProgressBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"

#include <algorithm>

const TClassInfo& TProgressBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TProgressBar>("TProgressBar", &TCustomControl::StaticClass())
            .Integer("Min", &TProgressBar::Min, &TProgressBar::SetMin)
            .Default(0)
            .Integer("Max", &TProgressBar::Max, &TProgressBar::SetMax)
            .Default(100)
            .Integer("Position", &TProgressBar::Position, &TProgressBar::SetPosition)
            .Default(0)
            .Integer("Step", &TProgressBar::Step, &TProgressBar::SetStep)
            .Default(10)
            .Boolean("Smooth", &TProgressBar::Smooth, &TProgressBar::SetSmooth)
            .Default(false)
            .Enum("Orientation", &TProgressBar::Orientation, &TProgressBar::SetOrientation,
                  {"pbHorizontal", "pbVertical"})
            .Default(pbHorizontal)
            .Build();
    return Info;
}

TProgressBar::TProgressBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csOpaque};
    FWidth = 150;
    FHeight = 16;
}

bool TProgressBar::Reading() const
{
    return ComponentState().Contains(csLoading);
}

void TProgressBar::Clamp()
{
    FPosition = std::clamp(FPosition, FMin, FMax);
}

void TProgressBar::Loaded()
{
    TCustomControl::Loaded();
    FMax = std::max(FMax, FMin);
    Clamp();
    Changed();
}

void TProgressBar::SetMin(int Value)
{
    FMin = Value;
    if (Reading()) return;
    FMax = std::max(FMax, Value);
    Clamp();
    Changed();
}

void TProgressBar::SetMax(int Value)
{
    FMax = Value;
    if (Reading()) return;
    FMin = std::min(FMin, Value);
    Clamp();
    Changed();
}

void TProgressBar::SetPosition(int Value)
{
    // A definition may give the position before the range: it is kept as
    // read and fitted to the range once the definition is read.
    if (Reading())
    {
        FPosition = Value;
        return;
    }
    Value = std::clamp(Value, FMin, FMax);
    if (Value == FPosition) return;
    FPosition = Value;
    Changed();
}

void TProgressBar::SetSmooth(bool Value)
{
    FSmooth = Value;
    Changed();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value)
{
    if (FOrientation == Value) return;
    FOrientation = Value;
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), FHeight, FWidth);
    Changed();
}

void TProgressBar::StepIt()
{
    // Past the end it starts over, so a bar stepped in a loop keeps moving.
    const long long Next = static_cast<long long>(FPosition) + FStep;
    SetPosition(Next > FMax ? FMin : static_cast<int>(std::max<long long>(Next, FMin)));
}

void TProgressBar::StepBy(int Delta)
{
    const long long Next = static_cast<long long>(FPosition) + Delta;
    SetPosition(static_cast<int>(std::clamp<long long>(Next, FMin, FMax)));
}

TRect TProgressBar::FilledRect(const TRect& Inside) const
{
    const long long Range = static_cast<long long>(FMax) - FMin;
    const long long Done = static_cast<long long>(FPosition) - FMin;
    if (FOrientation == pbHorizontal)
    {
        const int W = Range > 0 ? static_cast<int>(Done * Inside.Width() / Range) : 0;
        return {Inside.Left, Inside.Top, Inside.Left + W, Inside.Bottom};
    }
    const int H = Range > 0 ? static_cast<int>(Done * Inside.Height() / Range) : 0;
    return {Inside.Left, Inside.Bottom - H, Inside.Right, Inside.Bottom};
}

void TProgressBar::Paint()
{
    TCanvas* C = Canvas();
    TRect R = ClientRect();
    Frame3D(C, R, clBtnShadow, clBtnHighlight, 1);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(R);
    TRect Inside = R.Inflate(-1, -1);
    const TRect Fill = FilledRect(Inside);
    C->Brush()->SetColor(clHighlight);
    if (FSmooth)
    {
        C->FillRect(Fill);
        return;
    }
    // Blocks two thirds as long as the bar is thick, two pixels apart; the
    // last one is cut at the filled length.
    const bool Across = FOrientation == pbHorizontal;
    const int Thick = Across ? Inside.Height() : Inside.Width();
    const int Block = std::max(2, Thick * 2 / 3);
    if (Across)
        for (int X = Fill.Left; X < Fill.Right; X += Block + 2)
            C->FillRect({X, Fill.Top, std::min(X + Block, Fill.Right), Fill.Bottom});
    else
        for (int Y = Fill.Bottom; Y > Fill.Top; Y -= Block + 2)
            C->FillRect({Fill.Left, std::max(Y - Block, Fill.Top), Fill.Right, Y});
}
