#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

class TObject;
struct TMethodInfo;

// An identifier as a value: an enumeration member, a colour name, True/False.
struct TIdent
{
    std::string Name;
    bool operator==(const TIdent&) const = default;
};

// The members of a set property, by name.
struct TSetValue
{
    std::vector<std::string> Members;
    bool operator==(const TSetValue&) const = default;
};

// An event handler: a method registered by Target's class, or empty.
struct TMethodRef
{
    TObject* Target = nullptr;
    const TMethodInfo* Method = nullptr;
    std::string Name;
    bool operator==(const TMethodRef&) const = default;
};

using TBytes = std::vector<uint8_t>;
using TStringVector = std::vector<std::string>;

// The value of a published property as passed by name. Which alternative a
// property kind reads and writes is listed at TPropKind.
class TValue
{
  public:
    TValue() = default;
    TValue(int Value) : FData(int64_t{Value}) {}
    TValue(int64_t Value) : FData(Value) {}
    TValue(double Value) : FData(Value) {}
    TValue(bool Value) : FData(Value) {}
    TValue(const char* Value) : FData(std::string(Value)) {}
    TValue(std::string Value) : FData(std::move(Value)) {}
    TValue(TIdent Value) : FData(std::move(Value)) {}
    TValue(TSetValue Value) : FData(std::move(Value)) {}
    TValue(TStringVector Value) : FData(std::move(Value)) {}
    TValue(TBytes Value) : FData(std::move(Value)) {}
    TValue(TObject* Value) : FData(Value) {}
    TValue(TMethodRef Value) : FData(std::move(Value)) {}

    bool IsEmpty() const { return std::holds_alternative<std::monostate>(FData); }

    // The held alternative, or null when the value holds another one.
    template <class T> const T* TryGet() const { return std::get_if<T>(&FData); }

    bool operator==(const TValue&) const = default;

  private:
    std::variant<std::monostate, int64_t, double, bool, std::string, TIdent, TSetValue,
                 TStringVector, TBytes, TObject*, TMethodRef>
        FData;
};
