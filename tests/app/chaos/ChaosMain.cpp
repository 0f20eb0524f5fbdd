// novla-chaos: feeds the configuration window random input on the headless
// desktop against a virtual module whose faults come and go, and checks the
// window after every event. A failure prints its seed and the shortest
// event list found that still fails.
//
//   novla-chaos [--seed N] [--events N] [--seconds S] [--shrink-seconds S]
//               [--rss-margin-kb K]

#include "tests/app/chaos/ChaosReplay.h"
#include "tools/common/OptionParser.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <unistd.h>

namespace
{
using namespace std::chrono_literals;

// Resident memory of this process in kB.
long ResidentKb()
{
    long Size = 0, Resident = 0;
    if (FILE* Statm = std::fopen("/proc/self/statm", "r"))
    {
        if (std::fscanf(Statm, "%ld %ld", &Size, &Resident) != 2) Resident = 0;
        std::fclose(Statm);
    }
    return Resident * (sysconf(_SC_PAGESIZE) / 1024);
}

int Usage(const std::string& Problem)
{
    std::fprintf(stderr,
                 "novla-chaos: %s\n"
                 "usage: novla-chaos [--seed N] [--events N] [--seconds S] [--shrink-seconds S] "
                 "[--rss-margin-kb K]\n",
                 Problem.c_str());
    return 2;
}

void PrintEvents(const std::vector<TChaosEvent>& Events)
{
    for (size_t I = 0; I < Events.size(); ++I)
        std::fprintf(stderr, "  %4zu  %s\n", I, DescribeChaosEvent(Events[I]).c_str());
}

template <class Map> std::string Counts(const Map& Values)
{
    std::string Text;
    for (const auto& [Name, Count] : Values)
        Text += (Text.empty() ? "" : ", ") + ("\"" + Name + "\" " + std::to_string(Count));
    return Text.empty() ? "none" : Text;
}
} // namespace

int main(int argc, char** argv)
{
    OptionParser Parser({{"--seed", true},
                         {"--events", true},
                         {"--seconds", true},
                         {"--shrink-seconds", true},
                         {"--rss-margin-kb", true}});
    std::string Error;
    if (!Parser.Parse(std::span(argv + 1, static_cast<size_t>(argc - 1)), Error))
        return Usage(Error);
    auto Number = [&](std::string_view Name, long High, long Default, long& Value)
    {
        Value = Default;
        const auto Text = Parser.Value(Name);
        return !Text || ParseIntegerOption(*Text, 0, High, Value);
    };
    long Seed = 0, Events = 0, Seconds = 0, ShrinkSeconds = 0, MarginKb = 0;
    if (!Number("--seed", 0x7FFFFFFFFFFFFFFF, static_cast<long>(std::random_device()() >> 1), Seed))
        return Usage("--seed takes a number");
    if (!Number("--events", 1000000000, 0, Events)) return Usage("--events takes a number");
    if (!Number("--seconds", 86400, 0, Seconds)) return Usage("--seconds takes a number");
    if (!Number("--shrink-seconds", 86400, 120, ShrinkSeconds))
        return Usage("--shrink-seconds takes a number");
    if (!Number("--rss-margin-kb", 100000000, 16384, MarginKb))
        return Usage("--rss-margin-kb takes a number");
    if (Events == 0 && Seconds == 0) Events = 1000;

    std::printf("chaos: seed %ld\n", Seed);
    std::fflush(stdout);
    // Stuck inside the window: nothing can be checked or replayed any more.
    TChaosHangGuard Guard(10s,
                          [Seed](size_t Event)
                          {
                              std::fprintf(stderr,
                                           "chaos: FAILED (seed %ld): stuck for 10 s in event %zu; "
                                           "its last events:\n",
                                           Seed, Event);
                              const std::vector<TChaosEvent> Run =
                                  ChaosEvents(static_cast<uint64_t>(Seed), Event + 1);
                              const size_t From = Run.size() > 20 ? Run.size() - 20 : 0;
                              for (size_t I = From; I < Run.size(); ++I)
                                  std::fprintf(stderr, "  %4zu  %s\n", I,
                                               DescribeChaosEvent(Run[I]).c_str());
                              std::fflush(stderr);
                              std::_Exit(1);
                          });

    const auto Start = std::chrono::steady_clock::now();
    auto Elapsed = [&] { return std::chrono::steady_clock::now() - Start; };
    auto Over = [&](size_t Done)
    {
        return (Events > 0 && Done >= static_cast<size_t>(Events)) ||
               (Seconds > 0 && Elapsed() >= std::chrono::seconds(Seconds));
    };
    // Memory is compared from the end of the warm-up (a fifth of the run,
    // and no fewer than WarmUpEvents) to the end; a shorter run has caches
    // still filling (and the sanitizers' quarantine), and is not measured.
    constexpr size_t WarmUpEvents = 2000;
    auto WarmedUp = [&](size_t Done)
    {
        return Done >= WarmUpEvents &&
               ((Events > 0 && Done >= static_cast<size_t>(Events) / 5) ||
                (Seconds > 0 && Elapsed() >= std::chrono::seconds(Seconds) / 5));
    };

    const long RssAtStart = ResidentKb();
    long RssWarm = 0, RssEnd = 0;
    std::optional<TChaosFailure> Failure;
    size_t Done = 0;
    TChaosStats Stats;
    {
        TChaosRun Run;
        Failure = Run.SetupFailure();
        TChaosGenerator Generator(static_cast<uint64_t>(Seed));
        while (!Failure && !Over(Done))
        {
            Guard.Beat(Done);
            Failure = Run.Step(Generator.Next(), Done);
            ++Done;
            if (RssWarm == 0 && WarmedUp(Done)) RssWarm = ResidentKb();
            if (Done % 100000 == 0)
            {
                std::printf("chaos: %zu events, %.0f s, %ld kB resident\n", Done,
                            std::chrono::duration<double>(Elapsed()).count(), ResidentKb());
                std::fflush(stdout);
            }
        }
        RssEnd = ResidentKb();
        Stats = Run.Stats();
        if (!Failure) Failure = Run.Finish(Done);
    }
    const double Took = std::chrono::duration<double>(Elapsed()).count();
    if (!Failure && RssWarm > 0 && RssEnd - RssWarm > MarginKb)
        Failure = TChaosFailure{Done, "memory",
                                "resident memory grew from " + std::to_string(RssWarm) + " kB to " +
                                    std::to_string(RssEnd) + " kB after the warm-up"};

    std::printf("chaos: %zu events in %.1f s (seed %ld)\n", Done, Took, Seed);
    std::printf("chaos: faults switched on: %s\n", Counts(Stats.Faults).c_str());
    std::printf("chaos: result texts seen: %s\n", Counts(Stats.Statuses).c_str());
    std::printf("chaos: refused input: %s; %d beeps\n", Counts(Stats.Refusals).c_str(),
                Stats.Beeps);
    std::printf("chaos: %llu Write All presses, %llu module requests, %llu port changes, %llu "
                "close attempts refused, %llu user guide openings kept off the desktop, %llu "
                "menu keys; slowest answer %lld ms\n",
                static_cast<unsigned long long>(Stats.WritePresses),
                static_cast<unsigned long long>(Stats.ModuleRequests),
                static_cast<unsigned long long>(Stats.PortChanges),
                static_cast<unsigned long long>(Stats.CloseVetoes),
                static_cast<unsigned long long>(Stats.DocumentsOpened),
                static_cast<unsigned long long>(Stats.MenuKeys),
                static_cast<long long>(Stats.SlowestAnswer.count()));
    if (RssWarm > 0)
        std::printf("chaos: resident memory %ld kB at start, %ld kB after the warm-up, %ld kB at "
                    "the end\n",
                    RssAtStart, RssWarm, RssEnd);
    else
        std::printf("chaos: resident memory %ld kB at start, %ld kB at the end (too short a run "
                    "to compare)\n",
                    RssAtStart, RssEnd);
    std::fflush(stdout);
    if (!Failure)
    {
        std::printf("chaos: no failure\n");
        return 0;
    }

    std::fprintf(stderr, "chaos: FAILED (seed %ld) after event %zu: %s [%s]\n", Seed,
                 Failure->Event, Failure->Message.c_str(), Failure->Kind.c_str());
    if (Failure->Kind == "memory" || Failure->Kind == "setup") return 1;
    std::vector<TChaosEvent> List =
        ChaosEvents(static_cast<uint64_t>(Seed), std::min(Failure->Event + 1, Done));
    std::fprintf(stderr, "chaos: shrinking %zu events (at most %ld s)...\n", List.size(),
                 ShrinkSeconds);
    List = ShrinkChaos(std::move(List), Failure->Kind, std::chrono::seconds(ShrinkSeconds), Guard);
    const std::optional<TChaosFailure> Again = ReplayChaos(List, Guard);
    std::fprintf(stderr, "chaos: %zu events that %s:\n", List.size(),
                 Again && Again->Kind == Failure->Kind ? "still fail"
                                                       : "failed once (it did not repeat now)");
    PrintEvents(List);
    if (Again) std::fprintf(stderr, "chaos: %s\n", Again->Message.c_str());
    return 1;
}
