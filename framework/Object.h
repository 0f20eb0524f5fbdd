#pragma once

#include <string>

class TClassInfo;

// Root of the framework's classes. Every class that publishes properties
// overrides ClassInfo() to return its own StaticClass(), so code can ask an
// object for its class name and published properties at run time.
class TObject
{
  public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    static const TClassInfo& StaticClass();
    virtual const TClassInfo& ClassInfo() const { return StaticClass(); }

    const std::string& ClassName() const;
    bool InheritsFrom(const TClassInfo& Class) const;
};
