#pragma once

#include "skin/SUIFileTheme.h"
#include "skinfiles/SUIFileThemeMgr.h"

#include <cstdint>
#include <span>
#include <string>

// The file theme that reads a skin file each time the program runs. Known
// to form definitions as "TsuiFileTheme", publishing ThemeFile, Ready and
// Password.
//
// Setting ThemeFile looks for the file as given, then for its bare name in
// the program's own folder; a name found nowhere changes nothing. A found
// file is loaded (Ready tells whether that worked), and once a skin is
// loaded the skinned components of the owner form that use this theme
// apply their style again. Nothing is ever reported or thrown for a skin
// that cannot be read; LastError says why for tools.
class TsuiSkinFileTheme : public TsuiFileTheme
{
  public:
    explicit TsuiSkinFileTheme(TComponent* AOwner);

    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    bool CanUse() const override { return FReady; }
    TColor GetColor(Tsk2SkinColorElement Element) const override;
    int GetInt(Tsk2IntElement Element) const override;
    bool GetBool(Tsk2BoolElement Element) const override;
    TBitmap* GetBitmap(Tsk2SkinBitmapElement Element) const override;

    // The path of the skin file found and loaded last.
    const std::string& ThemeFile() const { return FThemeFile; }
    virtual void SetThemeFile(const std::string& Value);
    const std::string& Password() const { return FPassword; }
    // A non-empty password loads the skin again with it.
    void SetPassword(const std::string& Value);

    const TSkinFileResult& LastResult() const { return FSkinMgr.LastResult(); }
    std::string LastError() const { return FSkinMgr.LastError(); }

  protected:
    // Loads the skin again with the current password.
    virtual void Reload();
    // Where the file Value is: as given, else its bare name in the program's
    // folder; empty when it is found nowhere.
    static std::string FindThemeFile(const std::string& Value);
    // Loads a found file or a skin file's bytes and lets the owner form's
    // skinned components that use this theme pick the new skin up.
    void LoadFile(const std::string& Path);
    void LoadBytes(std::span<const uint8_t> Bytes, bool Reloading);
    void SkinLoaded(bool Reloading);

    TsuiFileThemeMgr FSkinMgr;
    std::string FThemeFile;
    std::string FPassword;
    bool FReady = false;
};

// A skin file theme owned by Owner with FileName loaded (Password for an
// encrypted one); null, with Error saying why, when the skin cannot be used.
TsuiSkinFileTheme* OpenSkinFileTheme(TComponent* Owner, const std::string& FileName,
                                     const std::string& Password, std::string& Error);

// Makes the file themes and the theme manager known to form definitions by
// their class names.
void RegisterFileThemeClasses();
