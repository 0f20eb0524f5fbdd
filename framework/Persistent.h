#pragma once

#include "framework/Object.h"
#include "framework/Value.h"

#include <span>

// An object whose state can be copied from another (Assign) and stored in a
// form definition through its published properties.
class TPersistent : public TObject
{
  public:
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassInfo() const override { return StaticClass(); }

    // Copies Source into this object. The default asks Source to do it
    // (AssignTo); when neither side knows the other's class, throws
    // EConvertError "Cannot assign a TX to a TY". Source may be null only
    // for classes that accept it.
    virtual void Assign(const TPersistent* Source);

    // The object that owns this one, for names in messages and for change
    // notification (a collection's owner); null when there is none.
    virtual TPersistent* GetOwner() const { return nullptr; }

    // Objects stored as a block of bytes (pictures, bitmaps) override these.
    // ReadBinary replaces the content from Data and throws Exception when
    // the data is not valid for the class; WriteBinary returns the content,
    // empty when there is nothing to store.
    virtual void ReadBinary(std::span<const uint8_t> Data);
    virtual TBytes WriteBinary() const { return {}; }

  protected:
    virtual void AssignTo(TPersistent* Dest) const;
};
