#include "framework/controls/HintWindow.h"

#include "framework/PropertyRegistry.h"
#include "platform/gfx/DrawText.h"
#include "platform/win/WinApi.h"

namespace
{
constexpr unsigned HintTextFormat = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
} // namespace

const TClassInfo& THintWindow::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<THintWindow>("THintWindow", &TCustomControl::StaticClass()).Build();
    return Info;
}

const TMessageMap& THintWindow::StaticMessages()
{
    static const TMessageMap Map = TMessageMap(&TCustomControl::StaticMessages())
                                       .On(WM_MOUSEACTIVATE, &THintWindow::WMMouseActivate)
                                       .On(WM_NCHITTEST, &THintWindow::WMNCHitTest);
    return Map;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    FVisible = false;
    SetColor(clInfoBk);
    SetParentFont(false);
    NONCLIENTMETRICS Metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(Metrics), &Metrics, 0))
        Font()->SetDesc(Metrics.lfStatusFont);
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
    Params.WindowClass.style |= CS_SAVEBITS;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const std::string& Hint)
{
    TCanvas Measure;
    Measure.Font()->Assign(Font());
    TRect Text{0, 0, MaxWidth, 0};
    Measure.DrawText(Hint, Text, HintTextFormat | DT_CALCRECT);
    // The frame is one pixel each side (WS_BORDER).
    return {0, 0, Text.Width() + 2 * TextMargin + 2, Text.Height() + 2 * TextMargin + 2};
}

void THintWindow::ActivateHint(const TRect& Rect, const std::string& Hint)
{
    FActive = true;
    SetCaption(Hint);
    HandleNeeded();
    SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
    SetWindowPos(Handle(), HWND_TOPMOST, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(),
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    FVisible = true;
    Invalidate();
    UpdateWindow(Handle());
}

void THintWindow::ReleaseHint()
{
    FActive = false;
    if (HandleAllocated()) ShowWindow(Handle(), SW_HIDE);
    FVisible = false;
}

void THintWindow::Paint()
{
    TCanvas* C = Canvas();
    C->Brush()->SetColor(Color());
    C->FillRect(ClientRect());
    C->Brush()->SetStyle(bsClear);
    TRect Text = ClientRect();
    Text.Left += TextMargin;
    Text.Top += TextMargin;
    Text.Right -= TextMargin;
    Text.Bottom -= TextMargin;
    C->DrawText(Caption(), Text, HintTextFormat);
}

void THintWindow::WMMouseActivate(TMessage& M)
{
    M.Result = MA_NOACTIVATE;
}

void THintWindow::WMNCHitTest(TMessage& M)
{
    // The pointer belongs to what lies below.
    M.Result = HTTRANSPARENT;
}
