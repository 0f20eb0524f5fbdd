#pragma once

// The exclusive flag of a terminal lives on the terminal, not on the
// descriptor that set it: on a pseudo-terminal whose other end stays open it
// outlasts the process that set it. These functions keep the descriptors
// this process holds with the flag set, so that a terminating signal can
// clear the flags before the process dies. This is the process's one
// registry of such descriptors; SerialDevice adds and removes its own.

// Remembers Fd (at most a fixed number at once; beyond that, Fd is only
// released by its owner's Close). Any thread.
void RememberExclusive(int Fd);
// Forgets Fd, before it is closed. Any thread.
void ForgetExclusive(int Fd);
// Clears the exclusive flag of every remembered descriptor. Safe in a
// signal handler.
void ReleaseAllExclusive();
// Installs handlers for SIGINT, SIGTERM, SIGHUP and SIGQUIT that clear the
// flags and then let the signal end the process as it would have.
void ReleaseExclusiveOnSignals();
