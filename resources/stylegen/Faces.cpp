#include "resources/stylegen/Faces.h"

void SmallFace(TArt& A, TStyle Style, const TRect& R, TFaceState State)
{
    const TRect In{R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1};
    switch (Style)
    {
    case TStyle::Protein:
        if (State == fsPressed)
            A.GradientV(In, RGB(0xD8, 0xD8, 0xD8), RGB(0xEE, 0xEE, 0xEE));
        else
            A.GradientV(In, {0xFFFFFF, RGB(0xF2, 0xF2, 0xF2), RGB(0xE2, 0xE2, 0xE2)});
        if (State == fsHot) A.Frame(In, RGB(0x8E, 0x90, 0xE0));
        A.Frame(R, 0x000000);
        break;
    case TStyle::DeepBlue:
        if (State == fsPressed)
            A.GradientV(In, RGB(0xC4, 0xC6, 0xD4), RGB(0xE0, 0xE2, 0xEA));
        else if (State == fsHot)
            A.GradientV(In, 0xFFFFFF, RGB(0xD6, 0xDA, 0xF0));
        else
            A.GradientV(In, {0xFFFFFF, RGB(0xEC, 0xEC, 0xEC), RGB(0xD2, 0xD2, 0xD2)});
        A.RoundFrame(R, 1, State == fsNormal ? RGB(0x3C, 0x3C, 0x44) : RGB(0x44, 0x4A, 0xA0));
        break;
    case TStyle::WinXP:
    {
        TColor Top = RGB(0xDC, 0xE8, 0xFE), Bottom = RGB(0xB4, 0xCA, 0xF6);
        if (State == fsHot) Top = RGB(0xEE, 0xF4, 0xFF), Bottom = RGB(0xC6, 0xDA, 0xFF);
        if (State == fsPressed) Top = RGB(0x9A, 0xB4, 0xEE), Bottom = RGB(0xB8, 0xCE, 0xF8);
        A.RoundGradientV(R, 2, {Top, Bottom});
        A.RoundFrame(R, 2, RGB(0xA8, 0xBE, 0xEC));
        break;
    }
    case TStyle::MacOS:
    {
        const TColor Aqua = RGB(0x39, 0x73, 0xC4);
        if (State == fsNormal)
            A.GradientV(In, {0xFFFFFF, RGB(0xEA, 0xEA, 0xEA), RGB(0xD2, 0xD2, 0xD2)});
        else if (State == fsHot)
            A.GradientV(In, {Lighter(Aqua, 0.6), Lighter(Aqua, 0.25), Aqua});
        else
            A.GradientV(In, {Lighter(Aqua, 0.1), Darker(Aqua, 0.2), Darker(Aqua, 0.35)});
        A.RoundFrame(R, 2, State == fsNormal ? RGB(0x8A, 0x8A, 0x8A) : Darker(Aqua, 0.45));
        break;
    }
    case TStyle::BlueGlass:
    {
        TColor Hi = RGB(0xEA, 0xF2, 0xFF), Mid = RGB(0xB0, 0xCC, 0xF4), Low = RGB(0xC4, 0xDA, 0xFA);
        if (State == fsHot) Hi = 0xFFFFFF, Mid = RGB(0x9C, 0xCC, 0xFF), Low = RGB(0xBE, 0xE2, 0xFF);
        if (State == fsPressed)
            Hi = RGB(0x90, 0xB0, 0xE6), Mid = RGB(0x6E, 0x96, 0xDC), Low = RGB(0x86, 0xAA, 0xE8);
        A.RoundGradientV(R, 2, {Hi, Mid, Low});
        A.RoundFrame(R, 2, RGB(0x1E, 0x3C, 0x78));
        break;
    }
    }
}

TColor FaceInk(TStyle Style, TFaceState State)
{
    switch (Style)
    {
    case TStyle::Protein:
        return 0x000000;
    case TStyle::DeepBlue:
        return RGB(0x22, 0x2A, 0x7C);
    case TStyle::WinXP:
        return RGB(0x4D, 0x61, 0x85);
    case TStyle::MacOS:
        return State == fsNormal ? RGB(0x40, 0x40, 0x40) : 0xFFFFFF;
    case TStyle::BlueGlass:
        return RGB(0x14, 0x30, 0x80);
    }
    return 0;
}
