#pragma once

#include "tests/app/chaos/ChaosEvents.h"
#include "tests/app/chaos/ChaosHangGuard.h"
#include "tests/app/chaos/ChaosRun.h"

#include <chrono>
#include <optional>
#include <string>
#include <vector>

// Runs Events in a fresh window, checking after each, and destroys it; the
// first failure, if any.
std::optional<TChaosFailure> ReplayChaos(const std::vector<TChaosEvent>& Events,
                                         TChaosHangGuard& Guard);

// The shortest list found within Budget that still fails with Kind when
// replayed: first the shortest tail of Events, then chunks taken out while
// the rest still fails, halving the chunks down to single events.
std::vector<TChaosEvent> ShrinkChaos(std::vector<TChaosEvent> Events, const std::string& Kind,
                                     std::chrono::seconds Budget, TChaosHangGuard& Guard);
