#pragma once

#include "platform/comm/StopSignal.h"
#include "platform/win/WinTypes.h"
#include "serial/ModuleDiscovery.h"

#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// What the search tells the window: the attempt it starts, or its end.
struct TSearchEvent
{
    enum class Kind
    {
        Progress,
        Finished,
    };
    Kind What = Kind::Progress;
    DiscoveryProgress Progress;        // Progress
    std::vector<PortFinding> Findings; // Finished: one per port searched
    bool Cancelled = false;            // Finished: ended by Cancel
};

// The module search for a window: DiscoverModules on a thread of its own,
// so the window's thread never waits. Each event is queued and announced
// with a message posted to the window (never waiting for it), which takes
// the queue on its own thread. Destroying it cancels a search still
// running and joins its thread; the thread is never killed.
class TModuleSearch
{
  public:
    TModuleSearch(HWND Target, UINT Message);
    ~TModuleSearch();
    TModuleSearch(const TModuleSearch&) = delete;
    TModuleSearch& operator=(const TModuleSearch&) = delete;

    // Starts the search; false with Error when it cannot (no descriptor
    // for the cancel signal). Its OnProgress and OnPort are replaced.
    bool Start(DiscoveryRequest Request, std::string& Error);
    // Ends the search within one attempt's wait; its Finished event says
    // so. Safe to call at any time.
    void Cancel();
    // The next queued event; false when none waits.
    bool Take(TSearchEvent& Event);

  private:
    void Post(TSearchEvent Event);

    HWND FTarget;
    UINT FMessage;
    StopSignal FStop;
    std::mutex FLock;
    std::deque<TSearchEvent> FEvents;
    std::thread FThread;
};
