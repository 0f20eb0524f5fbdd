#include "detail/WindowTable.h"

#include "platform/win/LastError.h"
#include "platform/win/ThreadQueue.h"

TWindowTable& TWindowTable::Instance()
{
    static TWindowTable Table;
    return Table;
}

// A handle is (generation << 16) | (slot index + 2): never 0, 1, 0xFFFF or
// negative, and it fits 32 bits for code that stores handles in a DWORD.
HWND TWindowTable::Add(std::unique_ptr<TWindow> Window)
{
    std::lock_guard Guard(FLock);
    size_t Index;
    if (!FFree.empty())
    {
        Index = FFree.back();
        FFree.pop_back();
    }
    else
    {
        if (FSlots.size() >= 0xFFFF - FirstIndexValue) return nullptr;
        Index = FSlots.size();
        FSlots.emplace_back();
    }
    TSlot& Slot = FSlots[Index];
    HWND Handle = reinterpret_cast<HWND>(
        static_cast<ULONG_PTR>((Slot.Generation << 16) | (Index + FirstIndexValue)));
    Window->Handle = Handle;
    Slot.Window = std::move(Window);
    return Handle;
}

TWindowTable::TSlot* TWindowTable::SlotLocked(HWND Handle)
{
    auto Value = reinterpret_cast<ULONG_PTR>(Handle);
    if (Value > 0x7FFFFFFF) return nullptr;
    size_t Index = (Value & 0xFFFF);
    uint32_t Generation = static_cast<uint32_t>(Value >> 16);
    if (Index < FirstIndexValue) return nullptr;
    Index -= FirstIndexValue;
    if (Index >= FSlots.size()) return nullptr;
    TSlot& Slot = FSlots[Index];
    if (!Slot.Window || Slot.Generation != Generation) return nullptr;
    return &Slot;
}

TWindow* TWindowTable::Find(HWND Handle)
{
    std::lock_guard Guard(FLock);
    TSlot* Slot = SlotLocked(Handle);
    return Slot ? Slot->Window.get() : nullptr;
}

TWindow* TWindowTable::FindOwn(HWND Handle)
{
    TWindow* Window = Find(Handle);
    return Window && Window->ThreadId == GetCurrentThreadId() ? Window : nullptr;
}

std::shared_ptr<TMessageQueue> TWindowTable::QueueOf(HWND Handle, DWORD* ThreadId)
{
    std::lock_guard Guard(FLock);
    TSlot* Slot = SlotLocked(Handle);
    if (!Slot) return nullptr;
    if (ThreadId) *ThreadId = Slot->Window->ThreadId;
    return Slot->Window->Queue;
}

std::unique_ptr<TWindow> TWindowTable::Remove(HWND Handle)
{
    std::lock_guard Guard(FLock);
    TSlot* Slot = SlotLocked(Handle);
    if (!Slot) return nullptr;
    auto Window = std::move(Slot->Window);
    Slot->Generation = Slot->Generation >= MaxGeneration ? 1 : Slot->Generation + 1;
    FFree.push_back(static_cast<size_t>(Slot - FSlots.data()));
    return Window;
}

std::vector<HWND> TWindowTable::WindowsOfThread(DWORD ThreadId)
{
    std::lock_guard Guard(FLock);
    std::vector<HWND> Result;
    for (auto& Slot : FSlots)
        if (Slot.Window && Slot.Window->ThreadId == ThreadId) Result.push_back(Slot.Window->Handle);
    return Result;
}

std::vector<HWND> TWindowTable::TopLevelWindows()
{
    std::lock_guard Guard(FLock);
    std::vector<HWND> Result;
    for (auto& Slot : FSlots)
        if (Slot.Window && Slot.Window->TopLevel) Result.push_back(Slot.Window->Handle);
    return Result;
}

TWindow* OwnWindow(HWND Handle)
{
    auto& Table = TWindowTable::Instance();
    TWindow* Window = Table.FindOwn(Handle);
    if (!Window)
        SetLastError(Table.Find(Handle) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
    return Window;
}
