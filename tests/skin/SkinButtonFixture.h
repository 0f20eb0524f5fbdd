#pragma once

#include "../framework/GuiFixture.h"

#include "framework/controls/Form.h"
#include "framework/graphics/Bitmap.h"
#include "platform/win/WinApi.h"
#include "skin/SUIThemes.h"

#include <vector>

// A shown form at a known place for the skinned buttons, panels and bars,
// with helpers that read what a control shows on the headless screen.
class SkinForm : public GuiTest
{
  protected:
    SkinForm()
    {
        Form = new TForm(&FApp);
        Form->SetBounds(40, 30, 420, 300);
        Form->SetBorderStyle(bsSingle);
        Form->Show();
        FDesktop.Pump();
    }

    template <class T> T* Make(TWinControl* Parent, int X, int Y, int W, int H)
    {
        auto* C = new T(Form);
        C->SetBounds(X, Y, W, H);
        C->SetParent(Parent);
        FDesktop.Pump();
        return C;
    }

    // The colour Control shows at its client point (X, Y).
    TColor PixelOf(const TControl* Control, int X, int Y)
    {
        FDesktop.Pump();
        TPoint P = Control->ClientToScreen({X, Y});
        RECT W{};
        GetWindowRect(Form->Handle(), &W);
        return FDesktop.WindowPixel(Form->Handle(), P.X - W.left, P.Y - W.top);
    }

    // Control's client area as rows of colours.
    std::vector<std::vector<TColor>> Snapshot(const TControl* Control)
    {
        FDesktop.Pump();
        const TSurface Screen = FDesktop.Screen();
        const TPoint Origin = Control->ClientToScreen({0, 0});
        std::vector<std::vector<TColor>> Rows(static_cast<size_t>(Control->ClientHeight()));
        for (int Y = 0; Y < Control->ClientHeight(); ++Y)
            for (int X = 0; X < Control->ClientWidth(); ++X)
                Rows[static_cast<size_t>(Y)].push_back(Screen.Pixel(Origin.X + X, Origin.Y + Y));
        return Rows;
    }

    // The smallest rectangle holding every pixel that differs between two
    // snapshots of one size, and how many differ.
    static TRect Difference(const std::vector<std::vector<TColor>>& A,
                            const std::vector<std::vector<TColor>>& B, int* Count = nullptr)
    {
        TRect Box{1 << 20, 1 << 20, -1, -1};
        int N = 0;
        for (size_t Y = 0; Y < A.size(); ++Y)
            for (size_t X = 0; X < A[Y].size(); ++X)
            {
                if (A[Y][X] == B[Y][X]) continue;
                ++N;
                Box.Left = std::min(Box.Left, static_cast<int>(X));
                Box.Top = std::min(Box.Top, static_cast<int>(Y));
                Box.Right = std::max(Box.Right, static_cast<int>(X) + 1);
                Box.Bottom = std::max(Box.Bottom, static_cast<int>(Y) + 1);
            }
        if (Count) *Count = N;
        return N ? Box : TRect{};
    }

    // Frame Index (1-based) of a Count-frame strip of the style's item.
    static TColor FramePixel(TsuiUIStyle Style, int Item, int Count, int Index, int X, int Y)
    {
        TBitmap Frame;
        GetInsideThemeBitmap(Style, Item, &Frame, Count, Index);
        return Frame.Canvas()->Pixel(X, Y);
    }

    TForm* Form;
};
