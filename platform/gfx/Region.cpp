#include "platform/gfx/Region.h"

#include "platform/gfx/ShapeSpans.h"

#include <utility>

TRegion::TRegion()
{
    pixman_region32_init(&FRegion);
}

TRegion::TRegion(const TRect& Rect)
{
    if (Rect.IsEmpty())
        pixman_region32_init(&FRegion);
    else
        pixman_region32_init_rect(&FRegion, Rect.Left, Rect.Top,
                                  static_cast<unsigned>(Rect.Width()),
                                  static_cast<unsigned>(Rect.Height()));
}

TRegion::~TRegion()
{
    pixman_region32_fini(&FRegion);
}

TRegion::TRegion(const TRegion& Other)
{
    pixman_region32_init(&FRegion);
    pixman_region32_copy(&FRegion, &Other.FRegion);
}

TRegion& TRegion::operator=(const TRegion& Other)
{
    if (this != &Other) pixman_region32_copy(&FRegion, &Other.FRegion);
    return *this;
}

TRegion::TRegion(TRegion&& Other) noexcept
{
    pixman_region32_init(&FRegion);
    std::swap(FRegion, Other.FRegion);
}

TRegion& TRegion::operator=(TRegion&& Other) noexcept
{
    if (this != &Other) std::swap(FRegion, Other.FRegion);
    return *this;
}

TRegion TRegion::RoundRect(int L, int T, int R, int B, int CornerWidth, int CornerHeight)
{
    const TRect Box = TRect{L, T, R, B}.Normalized();
    const TSpanShape Shape = RoundRectShape({Box.Left, Box.Top, Box.Right - 1, Box.Bottom - 1},
                                            CornerWidth, CornerHeight);
    std::vector<TRect> Rects;
    Rects.reserve(Shape.Rows.size());
    for (size_t I = 0; I < Shape.Rows.size(); ++I)
    {
        const TSpanRow& Row = Shape.Rows[I];
        const int Y = Shape.Top + static_cast<int>(I);
        // Merge rows with equal spans into one rectangle.
        if (!Rects.empty() && Rects.back().Bottom == Y && Rects.back().Left == Row.X0 &&
            Rects.back().Right == Row.X1 + 1)
            Rects.back().Bottom = Y + 1;
        else if (!Row.Empty())
            Rects.push_back({Row.X0, Y, Row.X1 + 1, Y + 1});
    }
    return FromRects(Rects);
}

TRegion TRegion::Ellipse(int L, int T, int R, int B)
{
    const TRect Box = TRect{L, T, R, B}.Normalized();
    return RoundRect(Box.Left, Box.Top, Box.Right, Box.Bottom, Box.Width() - 1, Box.Height() - 1);
}

TRegion TRegion::FromRects(const std::vector<TRect>& Rects)
{
    std::vector<pixman_box32_t> Boxes;
    Boxes.reserve(Rects.size());
    for (const TRect& R : Rects)
        if (!R.IsEmpty()) Boxes.push_back({R.Left, R.Top, R.Right, R.Bottom});
    TRegion Result;
    // init_rects needs non-overlapping bands; a union of single rectangles
    // accepts anything.
    for (const pixman_box32_t& Box : Boxes)
        pixman_region32_union_rect(&Result.FRegion, &Result.FRegion, Box.x1, Box.y1,
                                   static_cast<unsigned>(Box.x2 - Box.x1),
                                   static_cast<unsigned>(Box.y2 - Box.y1));
    return Result;
}

int TRegion::Kind() const
{
    const int Count = pixman_region32_n_rects(&FRegion);
    return Count == 0 ? NULLREGION : Count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool TRegion::IsEmpty() const
{
    return !pixman_region32_not_empty(&FRegion);
}

TRect TRegion::Box() const
{
    if (IsEmpty()) return {};
    const pixman_box32_t* E = pixman_region32_extents(&FRegion);
    return {E->x1, E->y1, E->x2, E->y2};
}

bool TRegion::Contains(int X, int Y) const
{
    return pixman_region32_contains_point(&FRegion, X, Y, nullptr);
}

bool TRegion::Overlaps(const TRect& Rect) const
{
    if (Rect.IsEmpty()) return false;
    pixman_box32_t Box{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    return pixman_region32_contains_rectangle(&FRegion, &Box) != PIXMAN_REGION_OUT;
}

std::vector<TRect> TRegion::Rects() const
{
    int Count = 0;
    const pixman_box32_t* Boxes = pixman_region32_rectangles(&FRegion, &Count);
    std::vector<TRect> Result;
    Result.reserve(static_cast<size_t>(Count));
    for (int I = 0; I < Count; ++I)
        Result.push_back({Boxes[I].x1, Boxes[I].y1, Boxes[I].x2, Boxes[I].y2});
    return Result;
}

void TRegion::Offset(int Dx, int Dy)
{
    pixman_region32_translate(&FRegion, Dx, Dy);
}

int TRegion::Union(const TRegion& Other)
{
    pixman_region32_union(&FRegion, &FRegion, &Other.FRegion);
    return Kind();
}

int TRegion::Intersect(const TRegion& Other)
{
    pixman_region32_intersect(&FRegion, &FRegion, &Other.FRegion);
    return Kind();
}

int TRegion::Subtract(const TRegion& Other)
{
    pixman_region32_subtract(&FRegion, &FRegion, &Other.FRegion);
    return Kind();
}

int TRegion::Xor(const TRegion& Other)
{
    TRegion Both = *this;
    Both.Intersect(Other);
    Union(Other);
    return Subtract(Both);
}

int TRegion::IntersectRect(const TRect& Rect)
{
    return Intersect(TRegion(Rect));
}

bool operator==(const TRegion& A, const TRegion& B)
{
    return pixman_region32_equal(&A.FRegion, &B.FRegion);
}

int CombineRgn(TRegion& Dest, const TRegion& A, const TRegion& B, int Mode)
{
    TRegion Result = A;
    switch (Mode)
    {
    case RGN_AND:
        Result.Intersect(B);
        break;
    case RGN_OR:
        Result.Union(B);
        break;
    case RGN_XOR:
        Result.Xor(B);
        break;
    case RGN_DIFF:
        Result.Subtract(B);
        break;
    case RGN_COPY:
        break;
    default:
        return RGN_ERROR;
    }
    Dest = std::move(Result);
    return Dest.Kind();
}
