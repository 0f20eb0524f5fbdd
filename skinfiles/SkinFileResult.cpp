#include "skinfiles/SkinFileResult.h"

std::string TSkinFileResult::Text() const
{
    std::string Text = SkinFileStatusText(FStatus);
    if (!FDetail.empty()) Text += ": " + FDetail;
    return Text;
}
