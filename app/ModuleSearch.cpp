#include "app/ModuleSearch.h"

#include "platform/win/Messaging.h"

#include <utility>

TModuleSearch::TModuleSearch(HWND Target, UINT Message) : FTarget(Target), FMessage(Message) {}

TModuleSearch::~TModuleSearch()
{
    Cancel();
    if (FThread.joinable()) FThread.join();
}

bool TModuleSearch::Start(DiscoveryRequest Request, std::string& Error)
{
    if (FThread.joinable()) return true;
    if (const CommError Created = FStop.Create(); !Created.Ok())
    {
        Error = Created.Message;
        return false;
    }
    Request.OnProgress = [this](const DiscoveryProgress& Progress)
    {
        TSearchEvent Event;
        Event.Progress = Progress;
        Post(std::move(Event));
    };
    Request.OnPort = nullptr;
    FThread = std::thread(
        [this, Request = std::move(Request)]
        {
            TSearchEvent Event;
            Event.What = TSearchEvent::Kind::Finished;
            Event.Findings = DiscoverModules(Request, &FStop);
            Event.Cancelled = FStop.IsRaised();
            Post(std::move(Event));
        });
    return true;
}

void TModuleSearch::Cancel()
{
    FStop.Raise();
}

bool TModuleSearch::Take(TSearchEvent& Event)
{
    std::lock_guard Hold(FLock);
    if (FEvents.empty()) return false;
    Event = std::move(FEvents.front());
    FEvents.pop_front();
    return true;
}

void TModuleSearch::Post(TSearchEvent Event)
{
    {
        std::lock_guard Hold(FLock);
        FEvents.push_back(std::move(Event));
    }
    PostMessage(FTarget, FMessage, 0, 0);
}
