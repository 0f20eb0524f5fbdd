#pragma once

#include "platform/comm/CommError.h"

// A flag another thread can raise to end a wait at once. It is a file
// descriptor (an eventfd), so a thread can wait for it and for a device in
// one poll. Raising it from any thread is safe; Reset is for the owner when
// no thread waits.
class StopSignal
{
  public:
    StopSignal() = default;
    ~StopSignal();
    StopSignal(const StopSignal&) = delete;
    StopSignal& operator=(const StopSignal&) = delete;

    // Creates the descriptor; an error when the process is out of them.
    CommError Create();
    bool IsCreated() const { return FFd >= 0; }
    void Destroy();

    // Raises the signal; it stays raised until Reset. No-op when not created.
    void Raise() const;
    void Reset() const;
    // True while raised; never waits.
    bool IsRaised() const;

    // The descriptor to poll for POLLIN; -1 when not created.
    int Fd() const { return FFd; }

  private:
    int FFd = -1;
};
