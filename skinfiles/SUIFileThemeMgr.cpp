#include "skinfiles/SUIFileThemeMgr.h"

#include "skinfiles/SUI2SkinReader.h"
#include "skinfiles/SkinFileError.h"

#include <filesystem>
#include <system_error>

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

template <class L> bool TsuiFileThemeMgr::Load(L&& Action)
{
    FReader.reset();
    auto Reader = std::make_unique<Tsk2SkinFileReader>();
    try
    {
        Action(*Reader);
    }
    catch (const ESkinFileError& E)
    {
        FLastError = E.Reason();
        return false;
    }
    catch (const std::exception& E)
    {
        FLastError = E.what();
        return false;
    }
    if (!Reader->Loaded())
    {
        FLastError = Reader->StatusText();
        return false;
    }
    FLastError.clear();
    FReader = std::move(Reader);
    return true;
}

bool TsuiFileThemeMgr::LoadFromFile(const std::string& FileName, const std::string& Password)
{
    std::error_code Error;
    if (!std::filesystem::exists(FileName, Error))
    {
        FLastError = "no such file: " + FileName;
        return false;
    }
    return Load([&](Tsk2SkinFileReader& R) { R.Load(FileName, Password); });
}

bool TsuiFileThemeMgr::LoadFromBytes(std::span<const uint8_t> Bytes, const std::string& Password)
{
    return Load([&](Tsk2SkinFileReader& R) { R.LoadFromBytes(Bytes, Password); });
}

TColor TsuiFileThemeMgr::GetColor(Tsk2SkinColorElement Element) const
{
    return FReader ? TColor(FReader->GetInteger(SkinFileKeyName(Element))) : TColor(0);
}

int TsuiFileThemeMgr::GetInt(Tsk2IntElement Element) const
{
    return FReader ? FReader->GetInteger(SkinFileKeyName(Element)) : 0;
}

bool TsuiFileThemeMgr::GetBool(Tsk2BoolElement Element) const
{
    return FReader && FReader->GetBool(SkinFileKeyName(Element));
}

TBitmap* TsuiFileThemeMgr::GetBitmap(Tsk2SkinBitmapElement Element) const
{
    return FReader ? FReader->GetBitmap(SkinFileKeyName(Element)) : nullptr;
}
