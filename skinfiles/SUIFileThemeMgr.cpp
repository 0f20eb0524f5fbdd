#include "skinfiles/SUIFileThemeMgr.h"

#include "skinfiles/SUI2SkinReader.h"

#include <filesystem>
#include <system_error>

TsuiFileThemeMgr::TsuiFileThemeMgr() = default;
TsuiFileThemeMgr::~TsuiFileThemeMgr() = default;

template <class L> bool TsuiFileThemeMgr::Load(L&& Read)
{
    FReader.reset();
    auto Reader = std::make_unique<Tsk2SkinFileReader>();
    FLastResult = Read(*Reader);
    if (!FLastResult.Ok()) return false;
    FReader = std::move(Reader);
    return true;
}

bool TsuiFileThemeMgr::LoadFromFile(const std::string& FileName, const std::string& Password)
{
    std::error_code Error;
    if (!std::filesystem::exists(FileName, Error))
    {
        FLastResult = {TSkinFileStatus::NoSuchFile, FileName};
        return false;
    }
    return Load([&](Tsk2SkinFileReader& R) { return R.Read(FileName, Password); });
}

bool TsuiFileThemeMgr::LoadFromBytes(std::span<const uint8_t> Bytes, const std::string& Password)
{
    return Load([&](Tsk2SkinFileReader& R) { return R.ReadBytes(Bytes, Password); });
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
