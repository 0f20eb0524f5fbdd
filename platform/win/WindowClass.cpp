#include "platform/win/WindowClass.h"

#include "detail/WindowClass.h"
#include "platform/win/AtomTable.h"
#include "platform/win/LastError.h"

TClassRegistry& TClassRegistry::Instance()
{
    static TClassRegistry Registry;
    return Registry;
}

ATOM TClassRegistry::Register(const WNDCLASSEX& Class)
{
    if (!Class.lpszClassName || IS_INTRESOURCE(Class.lpszClassName) || !*Class.lpszClassName ||
        !Class.lpfnWndProc || Class.cbClsExtra < 0 || Class.cbWndExtra < 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ATOM Atom = TAtomTable::Instance().Add(Class.lpszClassName);
    if (!Atom)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return 0;
    }
    auto Entry = std::make_shared<TWindowClass>();
    Entry->Atom = Atom;
    Entry->Name = Class.lpszClassName;
    Entry->Info = Class;
    Entry->Info.lpszClassName = nullptr; // the caller's string need not outlive the call
    Entry->Info.lpszMenuName = nullptr;
    std::lock_guard Guard(FLock);
    if (!FClasses.emplace(Atom, std::move(Entry)).second)
    {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return Atom;
}

BOOL TClassRegistry::Unregister(LPCSTR Name)
{
    ATOM Atom = TAtomTable::Instance().Find(Name);
    std::lock_guard Guard(FLock);
    auto It = FClasses.find(Atom);
    if (It == FClasses.end())
    {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (It->second->WindowCount > 0)
    {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    FClasses.erase(It);
    return TRUE;
}

std::shared_ptr<TWindowClass> TClassRegistry::Find(LPCSTR Name)
{
    ATOM Atom = TAtomTable::Instance().Find(Name);
    std::lock_guard Guard(FLock);
    auto It = FClasses.find(Atom);
    return It == FClasses.end() ? nullptr : It->second;
}

void TClassRegistry::AddWindow(TWindowClass& Class)
{
    std::lock_guard Guard(FLock);
    ++Class.WindowCount;
}

void TClassRegistry::RemoveWindow(TWindowClass& Class)
{
    std::lock_guard Guard(FLock);
    --Class.WindowCount;
}

ATOM RegisterClassEx(const WNDCLASSEX* Class)
{
    if (!Class)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    return TClassRegistry::Instance().Register(*Class);
}

ATOM RegisterClass(const WNDCLASS* Class)
{
    if (!Class)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    WNDCLASSEX Ex{sizeof(WNDCLASSEX),  Class->style,         Class->lpfnWndProc,
                  Class->cbClsExtra,   Class->cbWndExtra,    Class->hInstance,
                  Class->hIcon,        Class->hCursor,       Class->hbrBackground,
                  Class->lpszMenuName, Class->lpszClassName, nullptr};
    return RegisterClassEx(&Ex);
}

BOOL UnregisterClass(LPCSTR ClassName, HINSTANCE)
{
    return TClassRegistry::Instance().Unregister(ClassName);
}

BOOL GetClassInfoEx(HINSTANCE, LPCSTR ClassName, WNDCLASSEX* Out)
{
    auto Class = TClassRegistry::Instance().Find(ClassName);
    if (!Class || !Out)
    {
        SetLastError(Class ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    UINT Size = Out->cbSize;
    *Out = Class->Info;
    Out->cbSize = Size;
    return TRUE;
}
