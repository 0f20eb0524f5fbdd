#include "framework/comctrls/TrackBar.h"

#include "framework/PropertyRegistry.h"
#include "framework/controls/Frame3D.h"
#include "platform/win/WinApi.h"

#include <algorithm>

namespace
{
// Room between the control's edge and the thumb, and between the thumb and
// its ticks.
constexpr int TrackMargin = 2;
constexpr int TickLength = 3;
} // namespace

const TClassInfo& TTrackBar::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TTrackBar>("TTrackBar", &TCustomControl::StaticClass())
            .Enum("Orientation", &TTrackBar::Orientation, &TTrackBar::SetOrientation,
                  {"trHorizontal", "trVertical"})
            .Default(trHorizontal)
            .Integer("Min", &TTrackBar::Min, &TTrackBar::SetMin)
            .Default(0)
            .Integer("Max", &TTrackBar::Max, &TTrackBar::SetMax)
            .Default(10)
            .Integer("Position", &TTrackBar::Position, &TTrackBar::SetPosition)
            .Default(0)
            .Integer("Frequency", &TTrackBar::Frequency, &TTrackBar::SetFrequency)
            .Default(1)
            .Enum("TickStyle", &TTrackBar::TickStyle, &TTrackBar::SetTickStyle,
                  {"tsNone", "tsAuto", "tsManual"})
            .Default(tsAuto)
            .Enum("TickMarks", &TTrackBar::TickMarks, &TTrackBar::SetTickMarks,
                  {"tmBottomRight", "tmTopLeft", "tmBoth"})
            .Default(tmBottomRight)
            .Integer("PageSize", &TTrackBar::PageSize, &TTrackBar::SetPageSize)
            .Default(2)
            .Integer("LineSize", &TTrackBar::LineSize, &TTrackBar::SetLineSize)
            .Default(1)
            .Boolean("TabStop", &TTrackBar::TabStop, &TTrackBar::SetTabStop)
            .Default(true)
            .Event("OnChange", &TTrackBar::OnChange)
            .Build();
    return Info;
}

const TMessageMap& TTrackBar::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_GETDLGCODE, &TTrackBar::WMGetDlgCode)
                                       .On(WM_KEYDOWN, &TTrackBar::WMKeyDown);
    return Map;
}

TTrackBar::TTrackBar(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csOpaque};
    FColor = clBtnFace;
    FParentColor = true;
    FTabStop = true;
    FWidth = 150;
    FHeight = 45;
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value)
{
    if (FOrientation == Value) return;
    FOrientation = Value;
    if (!ComponentState().Contains(csLoading)) SetBounds(Left(), Top(), FHeight, FWidth);
    Changed();
}

bool TTrackBar::Reading() const
{
    return ComponentState().Contains(csLoading);
}

void TTrackBar::Loaded()
{
    TCustomControl::Loaded();
    FMax = std::max(FMax, FMin);
    FPosition = std::clamp(FPosition, FMin, FMax);
    Changed();
}

void TTrackBar::SetMin(int Value)
{
    FMin = Value;
    if (Reading()) return;
    FMax = std::max(FMax, Value);
    SetPosition(FPosition);
    Changed();
}

void TTrackBar::SetMax(int Value)
{
    FMax = Value;
    if (Reading()) return;
    FMin = std::min(FMin, Value);
    SetPosition(FPosition);
    Changed();
}

void TTrackBar::SetPosition(int Value)
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
    OnChange(this);
}

void TTrackBar::SetFrequency(int Value)
{
    FFrequency = std::max(1, Value);
    Changed();
}

void TTrackBar::SetTickStyle(TTickStyle Value)
{
    FTickStyle = Value;
    Changed();
}

void TTrackBar::SetTickMarks(TTickMark Value)
{
    FTickMarks = Value;
    Changed();
}

int TTrackBar::SpanStart() const
{
    return TrackMargin + ThumbSize().Width / 2;
}

int TTrackBar::SpanEnd() const
{
    return Length() - 1 - TrackMargin - ThumbSize().Width / 2;
}

int TTrackBar::OffsetOf(int Value) const
{
    const long long Range = static_cast<long long>(FMax) - FMin;
    const int Span = std::max(0, SpanEnd() - SpanStart());
    if (Range <= 0) return SpanStart();
    const long long Done = std::clamp<long long>(static_cast<long long>(Value) - FMin, 0, Range);
    return SpanStart() + static_cast<int>((Done * Span + Range / 2) / Range);
}

int TTrackBar::PositionAt(int Offset) const
{
    const long long Range = static_cast<long long>(FMax) - FMin;
    const int Span = SpanEnd() - SpanStart();
    if (Range <= 0 || Span <= 0) return FMin;
    const long long Along = std::clamp(Offset - SpanStart(), 0, Span);
    return FMin + static_cast<int>((Along * Range + Span / 2) / Span);
}

TRect TTrackBar::ThumbRect() const
{
    const TSize S = ThumbSize();
    const int Centre = OffsetOf(FPosition);
    const int Start = Centre - S.Width / 2;
    // Ticks on the top or left side push the thumb away from that edge.
    const int Across =
        TrackMargin + (FTickMarks != tmBottomRight && FTickStyle == tsAuto ? TickLength + 2 : 0);
    if (Horizontal()) return {Start, Across, Start + S.Width, Across + S.Height};
    return {Across, Start, Across + S.Height, Start + S.Width};
}

TRect TTrackBar::ChannelRect() const
{
    const TRect T = ThumbRect();
    if (Horizontal())
    {
        const int Mid = (T.Top + T.Bottom) / 2;
        return {TrackMargin, Mid - 2, FWidth - TrackMargin, Mid + 2};
    }
    const int Mid = (T.Left + T.Right) / 2;
    return {Mid - 2, TrackMargin, Mid + 2, FHeight - TrackMargin};
}

std::vector<int> TTrackBar::TickValues() const
{
    std::vector<int> Values;
    if (FTickStyle != tsAuto) return Values;
    for (long long V = FMin; V < FMax; V += FFrequency)
        Values.push_back(static_cast<int>(V));
    Values.push_back(FMax);
    return Values;
}

void TTrackBar::PaintTicks(TCanvas* C, TColor Color)
{
    const TRect T = ThumbRect();
    C->Pen()->SetColor(Color);
    // A tick at At along the channel, across from From to To.
    auto Tick = [&](int At, int From, int To)
    {
        if (Horizontal())
        {
            C->MoveTo(At, From);
            C->LineTo(At, To);
        }
        else
        {
            C->MoveTo(From, At);
            C->LineTo(To, At);
        }
    };
    const int After = (Horizontal() ? T.Bottom : T.Right) + 2;
    const int Before = (Horizontal() ? T.Top : T.Left) - 3;
    for (int V : TickValues())
    {
        const int At = OffsetOf(V);
        if (FTickMarks != tmTopLeft) Tick(At, After, After + TickLength);
        if (FTickMarks != tmBottomRight) Tick(At, Before, Before - TickLength);
    }
}

void TTrackBar::Paint()
{
    TCanvas* C = Canvas();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(FColor);
    C->FillRect(ClientRect());
    TRect Channel = ChannelRect();
    Frame3D(C, Channel, clBtnShadow, clBtnHighlight, 1);
    Frame3D(C, Channel, cl3DDkShadow, cl3DLight, 1);
    PaintTicks(C, clWindowText);
    TRect Thumb = ThumbRect();
    Frame3D(C, Thumb, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(C, Thumb, cl3DLight, clBtnShadow, 1);
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Thumb);
    if (Focused()) C->DrawFocusRect(ClientRect());
}

void TTrackBar::MoveBy(long long Delta)
{
    SetPosition(static_cast<int>(std::clamp<long long>(FPosition + Delta, FMin, FMax)));
}

void TTrackBar::DoEnter()
{
    Invalidate();
    TCustomControl::DoEnter();
}

void TTrackBar::DoExit()
{
    Invalidate();
    TCustomControl::DoExit();
}

void TTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
    {
        if (CanFocus() && !Focused()) SetFocus();
        const int Along = Horizontal() ? X : Y;
        const int Centre = OffsetOf(FPosition);
        if (ThumbRect().Contains(X, Y))
        {
            FDragging = true;
            FGrip = Along - Centre;
        }
        else
            MoveBy(Along < Centre ? -static_cast<long long>(FPageSize) : FPageSize);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TTrackBar::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FDragging) SetPosition(PositionAt((Horizontal() ? X : Y) - FGrip));
    TCustomControl::MouseMove(Shift, X, Y);
}

void TTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft) FDragging = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TTrackBar::WMGetDlgCode(TMessage& M)
{
    M.Result = DLGC_WANTARROWS;
}

void TTrackBar::WMKeyDown(TMessage& M)
{
    // The target position of each key of the track bar.
    const long long Line = FLineSize, Page = FPageSize;
    long long Target = 0;
    switch (M.WParam)
    {
    case VK_LEFT:
    case VK_UP:
        Target = FPosition - Line;
        break;
    case VK_RIGHT:
    case VK_DOWN:
        Target = FPosition + Line;
        break;
    case VK_PRIOR:
        Target = FPosition - Page;
        break;
    case VK_NEXT:
        Target = FPosition + Page;
        break;
    case VK_HOME:
        Target = FMin;
        break;
    case VK_END:
        Target = FMax;
        break;
    default:
        TCustomControl::WMKeyDown(M);
        return;
    }
    if (DoKeyDown(M)) return;
    SetPosition(static_cast<int>(std::clamp<long long>(Target, FMin, FMax)));
}
