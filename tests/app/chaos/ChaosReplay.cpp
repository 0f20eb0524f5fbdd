#include "tests/app/chaos/ChaosReplay.h"

std::optional<TChaosFailure> ReplayChaos(const std::vector<TChaosEvent>& Events,
                                         TChaosHangGuard& Guard)
{
    TChaosRun Run;
    if (Run.SetupFailure()) return Run.SetupFailure();
    for (size_t I = 0; I < Events.size(); ++I)
    {
        Guard.Beat(I);
        if (auto Failure = Run.Step(Events[I], I)) return Failure;
    }
    return Run.Finish(Events.size());
}

std::vector<TChaosEvent> ShrinkChaos(std::vector<TChaosEvent> Events, const std::string& Kind,
                                     std::chrono::seconds Budget, TChaosHangGuard& Guard)
{
    const auto Deadline = std::chrono::steady_clock::now() + Budget;
    auto TimeLeft = [&] { return std::chrono::steady_clock::now() < Deadline; };
    // True when Candidate still fails with Kind; Candidate is then cut
    // after the event the failure followed.
    auto StillFails = [&](std::vector<TChaosEvent>& Candidate)
    {
        const std::optional<TChaosFailure> Failure = ReplayChaos(Candidate, Guard);
        if (!Failure || Failure->Kind != Kind) return false;
        if (Failure->Event + 1 < Candidate.size()) Candidate.resize(Failure->Event + 1);
        return true;
    };

    for (size_t Tail = 1; Tail < Events.size() && TimeLeft(); Tail *= 2)
    {
        std::vector<TChaosEvent> Candidate(Events.end() - static_cast<ptrdiff_t>(Tail),
                                           Events.end());
        if (StillFails(Candidate))
        {
            Events = std::move(Candidate);
            break;
        }
    }
    for (size_t Chunk = Events.size() / 2; Chunk >= 1 && TimeLeft(); Chunk /= 2)
        for (size_t At = 0; At < Events.size() && Events.size() > 1 && TimeLeft();)
        {
            std::vector<TChaosEvent> Candidate = Events;
            const size_t End = std::min(At + Chunk, Candidate.size());
            Candidate.erase(Candidate.begin() + static_cast<ptrdiff_t>(At),
                            Candidate.begin() + static_cast<ptrdiff_t>(End));
            if (!Candidate.empty() && StillFails(Candidate))
                Events = std::move(Candidate);
            else
                At += Chunk;
        }
    return Events;
}
