#pragma once

#include "framework/Object.h"
#include "platform/gfx/Color.h"
#include "skin/SUI2Define.h"
#include "skinfiles/SkinFileResult.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class TBitmap;
class Tsk2SkinFileReader;

// Holds the skin a file theme draws from, and answers its elements by their
// keys in the skin. Without a skin it answers 0, 0, false and no bitmap; with
// one, an element the skin lacks answers -1 (colours, integers), false and no
// bitmap.
class TsuiFileThemeMgr : public TObject
{
  public:
    TsuiFileThemeMgr();
    ~TsuiFileThemeMgr() override;

    // Loads the skin file FileName. A file that does not exist answers false
    // and keeps the current skin; any other failure drops the current skin
    // and answers false. Never throws.
    bool LoadFromFile(const std::string& FileName, const std::string& Password);
    // The same for a skin file's bytes already in memory (always replaces
    // the current skin).
    bool LoadFromBytes(std::span<const uint8_t> Bytes, const std::string& Password);

    // How the last load ended, and why it failed in words ("" after a
    // successful one).
    const TSkinFileResult& LastResult() const { return FLastResult; }
    std::string LastError() const { return FLastResult.Ok() ? std::string() : FLastResult.Text(); }
    const Tsk2SkinFileReader* Reader() const { return FReader.get(); }

    TColor GetColor(Tsk2SkinColorElement Element) const;
    int GetInt(Tsk2IntElement Element) const;
    bool GetBool(Tsk2BoolElement Element) const;
    // Owned by the skin; valid until the next load or the manager's end.
    TBitmap* GetBitmap(Tsk2SkinBitmapElement Element) const;

  private:
    template <class L> bool Load(L&& Read);

    std::unique_ptr<Tsk2SkinFileReader> FReader;
    TSkinFileResult FLastResult;
};
