#pragma once

#include "framework/Object.h"
#include "platform/gfx/Color.h"
#include "skin/SUI2Define.h"

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

    // Why the last load failed ("" after a successful one).
    const std::string& LastError() const { return FLastError; }
    const Tsk2SkinFileReader* Reader() const { return FReader.get(); }

    TColor GetColor(Tsk2SkinColorElement Element) const;
    int GetInt(Tsk2IntElement Element) const;
    bool GetBool(Tsk2BoolElement Element) const;
    // Owned by the skin; valid until the next load or the manager's end.
    TBitmap* GetBitmap(Tsk2SkinBitmapElement Element) const;

  private:
    template <class L> bool Load(L&& Action);

    std::unique_ptr<Tsk2SkinFileReader> FReader;
    std::string FLastError;
};
