#pragma once

#include <memory>
#include <string>

struct SDL_Window;

// The X display connection under SDL's X11 driver, so that the backend can
// wait on it beside its own descriptor and notice when the display goes
// away. Kept apart because the X headers define names that clash with the
// window system's.
class TX11Connection
{
  public:
    // The connection SDL uses for Window; null when SDL does not run on X11.
    // While it exists, losing the display no longer ends the process: Lost()
    // turns true instead.
    static std::unique_ptr<TX11Connection> Of(SDL_Window* Window);
    ~TX11Connection();
    TX11Connection(const TX11Connection&) = delete;
    TX11Connection& operator=(const TX11Connection&) = delete;

    // The descriptor to wait on for X events.
    int Fd() const { return FFd; }
    // Sends what is buffered and reports whether events were read already
    // (waiting on the descriptor would not see them). False once lost.
    bool EventsQueued();
    bool Lost() const { return FLost; }
    // The display's resource database (the root window's resource property
    // as read when the connection opened), empty when it has none.
    std::string Resources() const;

  private:
    explicit TX11Connection(void* Display);
    static void OnLost(void* Display, void* Self);

    void* FDisplay;
    int FFd;
    bool FLost = false;
};
