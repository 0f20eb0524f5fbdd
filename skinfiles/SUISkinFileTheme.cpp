#include "skinfiles/SUISkinFileTheme.h"

#include "framework/ClassRegistry.h"
#include "framework/ProgramPath.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"
#include "framework/controls/CustomForm.h"
#include "platform/win/WindowPos.h"
#include "skin/SUIForm.h"
#include "skin/SUISkinned.h"
#include "skin/SUIThemeManager.h"
#include "skinfiles/SUIBuiltInFileTheme.h"

#include <filesystem>
#include <system_error>

namespace
{
bool IsFile(const std::string& Path)
{
    std::error_code Error;
    return !Path.empty() && std::filesystem::is_regular_file(Path, Error);
}
} // namespace

TsuiSkinFileTheme::TsuiSkinFileTheme(TComponent* AOwner) : TsuiFileTheme(AOwner) {}

const TClassInfo& TsuiSkinFileTheme::StaticClass()
{
    static const TClassInfo Info =
        TClassBuilder<TsuiSkinFileTheme>("TsuiFileTheme", &TsuiFileTheme::StaticClass())
            .String("ThemeFile", &TsuiSkinFileTheme::ThemeFile, &TsuiSkinFileTheme::SetThemeFile)
            .String("Password", &TsuiSkinFileTheme::Password, &TsuiSkinFileTheme::SetPassword)
            .Build();
    return Info;
}

TColor TsuiSkinFileTheme::GetColor(Tsk2SkinColorElement Element) const
{
    return FSkinMgr.GetColor(Element);
}

int TsuiSkinFileTheme::GetInt(Tsk2IntElement Element) const
{
    return FSkinMgr.GetInt(Element);
}

bool TsuiSkinFileTheme::GetBool(Tsk2BoolElement Element) const
{
    return FSkinMgr.GetBool(Element);
}

TBitmap* TsuiSkinFileTheme::GetBitmap(Tsk2SkinBitmapElement Element) const
{
    return FSkinMgr.GetBitmap(Element);
}

std::string TsuiSkinFileTheme::FindThemeFile(const std::string& Value)
{
    if (IsFile(Value)) return Value;
    // Stored paths may come from a system that separates with '\'.
    const size_t Sep = Value.find_last_of("/\\");
    const std::string Bare = Sep == std::string::npos ? Value : Value.substr(Sep + 1);
    const std::string Folder = ProgramFolder();
    if (!Bare.empty() && !Folder.empty() && IsFile(Folder + Bare)) return Folder + Bare;
    return {};
}

void TsuiSkinFileTheme::SetThemeFile(const std::string& Value)
{
    const std::string Found = FindThemeFile(Value);
    if (!Found.empty()) LoadFile(Found);
}

void TsuiSkinFileTheme::LoadFile(const std::string& Path)
{
    const bool Reloading = !FThemeFile.empty();
    FThemeFile = Path;
    FReady = FSkinMgr.LoadFromFile(Path, FPassword);
    if (FReady) SkinLoaded(Reloading);
}

void TsuiSkinFileTheme::LoadBytes(std::span<const uint8_t> Bytes, bool Reloading)
{
    FReady = FSkinMgr.LoadFromBytes(Bytes, FPassword);
    if (FReady) SkinLoaded(Reloading);
}

void TsuiSkinFileTheme::SkinLoaded(bool Reloading)
{
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (!Form) return;
    bool FormUsesTheme = false;
    // A setter may add or remove components; the index is checked each turn.
    for (int I = 0; I < Form->ComponentCount(); ++I)
    {
        TComponent* C = Form->Components(I);
        TsuiSkinned* Skinned = SkinnedOf(C);
        if (!Skinned || Skinned->FileTheme() != this) continue;
        Skinned->SetFileTheme(nullptr);
        Skinned->SetFileTheme(this);
        if (dynamic_cast<TsuiForm*>(C)) FormUsesTheme = true;
    }
    // A new skin may bring other borders: the window recomputes its frame.
    if (FormUsesTheme && Reloading && Form->HandleAllocated())
        SetWindowPos(Form->Handle(), nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TsuiSkinFileTheme::SetPassword(const std::string& Value)
{
    FPassword = Value;
    if (!FPassword.empty()) Reload();
}

void TsuiSkinFileTheme::Reload()
{
    SetThemeFile(FThemeFile);
}

void RegisterFileThemeClasses()
{
    RegisterClasses({&TsuiSkinFileTheme::StaticClass(), &TsuiBuiltInFileTheme::StaticClass(),
                     &TsuiThemeManager::StaticClass()});
}

TsuiSkinFileTheme* OpenSkinFileTheme(TComponent* Owner, const std::string& FileName,
                                     const std::string& Password, std::string& Error)
{
    auto* Theme = new TsuiSkinFileTheme(Owner);
    Theme->SetPassword(Password);
    Theme->SetThemeFile(FileName);
    if (Theme->Ready()) return Theme;
    Error = "cannot use the skin " + FileName + ": " +
            (Theme->ThemeFile().empty() ? std::string("no such file") : Theme->LastError());
    Theme->Free();
    return nullptr;
}
