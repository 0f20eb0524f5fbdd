#include "skin/SUI2Define.h"

#include <cstddef>

#define SKIN2_KEY(Name) "SKIN2_" #Name,

const std::array<const char*, SKIN2_KEY_COUNT> SKIN2_SKINFILE_KEYNAME = {
    SKIN2_COLOR_ELEMENTS(SKIN2_KEY) SKIN2_BITMAP_ELEMENTS(SKIN2_KEY) SKIN2_INT_ELEMENTS(SKIN2_KEY)
        SKIN2_BOOL_ELEMENTS(SKIN2_KEY)};

#undef SKIN2_KEY

const char* SkinFileKeyName(Tsk2SkinColorElement Element)
{
    if (Element >= SKIN2_COLOR_COUNT) return "";
    return SKIN2_SKINFILE_KEYNAME[static_cast<std::size_t>(SKIN2_COLOR_KEY_OFFSET + Element)];
}

const char* SkinFileKeyName(Tsk2SkinBitmapElement Element)
{
    if (Element >= SKIN2_BITMAP_COUNT) return "";
    return SKIN2_SKINFILE_KEYNAME[static_cast<std::size_t>(SKIN2_BITMAP_KEY_OFFSET + Element)];
}

const char* SkinFileKeyName(Tsk2IntElement Element)
{
    if (Element >= SKIN2_INT_COUNT) return "";
    return SKIN2_SKINFILE_KEYNAME[static_cast<std::size_t>(SKIN2_INT_KEY_OFFSET + Element)];
}

const char* SkinFileKeyName(Tsk2BoolElement Element)
{
    if (Element >= SKIN2_BOOL_COUNT) return "";
    return SKIN2_SKINFILE_KEYNAME[static_cast<std::size_t>(SKIN2_BOOL_KEY_OFFSET + Element)];
}
