// The instances of this program on one computer, and the turns their
// starts take: starts that come together (a double click on the host's
// help button) are decided one after another, in the order they began.
#pragma once

#include "platform/types.h"

namespace vantor {

// What a start learns when it asks for its turn.
struct StartTurn {
  enum class Outcome {
    Ours,               // every earlier start has opened its window or ended
    OtherWaitsForUser,  // an earlier start waits for the user in `waitingWindow`
    TimedOut,           // an earlier start made no progress within the limit
  };
  Outcome outcome = Outcome::Ours;
  WindowHandle waitingWindow = 0;
};

class Instances {
 public:
  virtual ~Instances() = default;

  // Waits until this start may decide: every start that began before it has
  // opened its window or ended. An earlier start that waits for the user
  // ends the wait at once (OtherWaitsForUser); one that makes no progress
  // for `limitMs` (it hangs, or is very slow) is waited for no longer
  // (TimedOut). The first call also counts this instance as started.
  virtual StartTurn AwaitStartTurn(int limitMs) = 0;
  // This start is over, its window open: the next start's turn. An
  // instance that ends gives up its turn by ending.
  virtual void EndStartTurn() = 0;
  // An instance that began before this one is still running.
  virtual bool EarlierInstanceRunning() = 0;

  // While this start waits for the user in `window` (0: no longer), a later
  // start brings that window forward instead of opening one of its own.
  virtual void SetWaitingForUser(WindowHandle window) = 0;
  virtual WindowHandle WaitingForUser() = 0;
  // Brings another instance's window to the front, with whatever window
  // of that instance is open over it.
  virtual void BringForward(WindowHandle window) = 0;
  // Waits until a window that was asked to close has gone; false when it
  // is still there after `limitMs`.
  virtual bool AwaitClosed(WindowHandle window, int limitMs) = 0;
};

}  // namespace vantor
