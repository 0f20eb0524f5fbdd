// Scroll-bar arrow buttons (six frames: up or left in three states, then
// down or right), the slider (leading cap, body, trailing cap) and the
// stand-alone scroll buttons (left, right, up, down).
#include "resources/stylegen/ArtBook.h"
#include "resources/stylegen/Faces.h"

namespace
{
// Arrow button K of the strip, drawn for a vertical bar.
TArt ArrowButton(TStyle Style, int K, int W, int H)
{
    const TFaceState State = static_cast<TFaceState>(K % 3);
    const bool Down = K >= 3;
    TArt A(W, H, PaletteOf(Style).ScrollBack);
    SmallFace(A, Style, A.Bounds(), State);
    const int Shift = State == fsPressed ? 1 : 0;
    const int Cx = (W - 1) / 2 + Shift;
    const int Cy = H / 2 + Shift;
    // Four rows: the widest row sits just below the middle for an up arrow.
    if (Down)
        A.Arrow(Cx, Cy - 2, TArt::Down, 4, FaceInk(Style, State));
    else
        A.Arrow(Cx, Cy + 1, TArt::Up, 4, FaceInk(Style, State));
    return A;
}

TArt Slider(TStyle Style, int W, int H)
{
    TArt A(W, H, PaletteOf(Style).ScrollBack);
    SmallFace(A, Style, A.Bounds(), fsNormal);
    return A;
}

TArt ScrollButtons(TStyle Style, int H)
{
    return Strip(
        4, 18, H,
        [&](int K)
        {
            TArt A(18, H, PaletteOf(Style).Face);
            SmallFace(A, Style, A.Bounds(), fsNormal);
            const TColor Ink = FaceInk(Style, fsNormal);
            const int Cx = 8, Cy = H / 2;
            const TArt::TDirection Order[] = {TArt::Left, TArt::Right, TArt::Up, TArt::Down};
            const TArt::TDirection D = Order[K];
            const int Back = D == TArt::Left || D == TArt::Up ? 2 : -2;
            if (D == TArt::Left || D == TArt::Right)
                A.Arrow(Cx + Back, Cy, D, 4, Ink);
            else
                A.Arrow(Cx, Cy + Back, D, 4, Ink);
            return A;
        });
}
} // namespace

void AddScrollArt(TArtBook& Book)
{
    struct TSizes
    {
        TStyle Style;
        int ButtonW, ButtonH, CapW;
    };
    const TSizes All[] = {{TStyle::MacOS, 16, 22, 11},
                          {TStyle::WinXP, 16, 17, 7},
                          {TStyle::DeepBlue, 16, 16, 7},
                          {TStyle::Protein, 16, 16, 7},
                          {TStyle::BlueGlass, 17, 16, 7}};
    for (const TSizes& S : All)
    {
        Book.Add(ArtName(S.Style, "SCROLLBAR_BUTTON"),
                 [S]
                 {
                     return Strip(6, S.ButtonW, S.ButtonH,
                                  [S](int K)
                                  { return ArrowButton(S.Style, K, S.ButtonW, S.ButtonH); });
                 });
        Book.Add(ArtName(S.Style, "SCROLLBAR_TRACK"),
                 [S] { return Slider(S.Style, 3 * S.CapW, 16); });
    }
    Book.Add("MACOS_SCROLLBUTTON", [] { return ScrollButtons(TStyle::MacOS, 18); });
    Book.Add("WINXP_SCROLLBUTTON", [] { return ScrollButtons(TStyle::WinXP, 18); });
    Book.Add("MORE_SCROLLBUTTON", [] { return ScrollButtons(TStyle::Protein, 17); });
}
