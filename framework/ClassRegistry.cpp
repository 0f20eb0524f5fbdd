#include "framework/ClassRegistry.h"

#include "framework/Exception.h"
#include "framework/PropertyRegistry.h"
#include "framework/Text.h"

#include <map>
#include <mutex>
#include <string>

namespace
{
struct TNoCase
{
    using is_transparent = void;
    bool operator()(std::string_view A, std::string_view B) const { return CompareText(A, B) < 0; }
};

struct TRegistry
{
    std::mutex Lock;
    std::map<std::string, const TClassInfo*, TNoCase> Classes;
};

TRegistry& Registry()
{
    static TRegistry R;
    return R;
}
} // namespace

void RegisterClass(const TClassInfo& Class)
{
    auto& R = Registry();
    std::lock_guard Guard(R.Lock);
    auto [It, Inserted] = R.Classes.emplace(Class.ClassName(), &Class);
    if (!Inserted && It->second != &Class)
        throw EComponentError("A class named " + Class.ClassName() + " is already registered");
}

void RegisterClasses(std::initializer_list<const TClassInfo*> Classes)
{
    for (const TClassInfo* C : Classes)
        RegisterClass(*C);
}

void UnregisterClass(const TClassInfo& Class)
{
    auto& R = Registry();
    std::lock_guard Guard(R.Lock);
    auto It = R.Classes.find(Class.ClassName());
    if (It != R.Classes.end() && It->second == &Class) R.Classes.erase(It);
}

const TClassInfo* FindClass(std::string_view Name)
{
    auto& R = Registry();
    std::lock_guard Guard(R.Lock);
    auto It = R.Classes.find(Name);
    return It == R.Classes.end() ? nullptr : It->second;
}
