#include "platform/win/DcOrigin.h"

namespace
{
BOOL Report(TPoint Value, POINT* Out)
{
    if (Out) *Out = {Value.X, Value.Y};
    return TRUE;
}
} // namespace

BOOL GetViewportOrgEx(HDC Dc, POINT* Origin)
{
    return Dc ? Report(Dc->GetViewportOrg(), Origin) : FALSE;
}

BOOL SetViewportOrgEx(HDC Dc, int X, int Y, POINT* Old)
{
    return Dc ? Report(Dc->SetViewportOrg(X, Y), Old) : FALSE;
}

BOOL OffsetViewportOrgEx(HDC Dc, int Dx, int Dy, POINT* Old)
{
    return Dc ? Report(Dc->OffsetViewportOrg(Dx, Dy), Old) : FALSE;
}

BOOL GetWindowOrgEx(HDC Dc, POINT* Origin)
{
    return Dc ? Report(Dc->GetWindowOrg(), Origin) : FALSE;
}

BOOL SetWindowOrgEx(HDC Dc, int X, int Y, POINT* Old)
{
    return Dc ? Report(Dc->SetWindowOrg(X, Y), Old) : FALSE;
}

BOOL OffsetWindowOrgEx(HDC Dc, int Dx, int Dy, POINT* Old)
{
    return Dc ? Report(Dc->OffsetWindowOrg(Dx, Dy), Old) : FALSE;
}
