#pragma once

#include "platform/win/WindowClass.h"

#include <map>
#include <memory>
#include <mutex>
#include <string>

// A registered class as windows see it.
struct TWindowClass
{
    ATOM Atom = 0;
    std::string Name;
    WNDCLASSEX Info{};
    int WindowCount = 0; // owner: the class registry lock
};

class TClassRegistry
{
  public:
    static TClassRegistry& Instance();

    ATOM Register(const WNDCLASSEX& Class);
    BOOL Unregister(LPCSTR Name);
    // The class, or null. Name may be an atom (MAKEINTATOM).
    std::shared_ptr<TWindowClass> Find(LPCSTR Name);
    void AddWindow(TWindowClass& Class);
    void RemoveWindow(TWindowClass& Class);

  private:
    std::mutex FLock;
    std::map<ATOM, std::shared_ptr<TWindowClass>> FClasses;
};
