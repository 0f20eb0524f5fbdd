#pragma once

#include <string>

// Whether any process other than the caller's descriptor OwnFd holds the
// device at Path open, found through /proc/<pid>/fd. Processes whose
// descriptors cannot be looked at (another user's, without privilege) are
// passed over; they could not have opened a terminal of this user's either.
bool OthersHoldDevice(const std::string& Path, int OwnFd);
