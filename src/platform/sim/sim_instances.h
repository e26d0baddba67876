// What the instances of the program on one simulated computer share (its
// settings files and top-level windows), and the turns their starts take.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/instances.h"
#include "platform/types.h"
#include "settings/ini_file.h"

namespace vantor::sim {

// Thrown by AwaitStartTurn while an earlier instance's start runs: on one
// thread a start cannot wait for another, so it unwinds to the test, which
// runs it again once the earlier start is over. Nothing of the start has
// happened by then: its turn is the first thing a start asks for.
struct WaitsForTurn {};

// A top-level window of another program, or of another instance.
struct OtherWindow {
  std::string title;
  Rect rect;
  bool visible = true;
  bool placementFails = false;
  bool toolWindow = false;
  bool refusesToClose = false;  // its program hangs
  // Asked to close, it goes once its program gets to it, which it does
  // while the program waits for it to go.
  bool closeAsked = false;
  bool closed = false;
  // What the program asked of it, in order: "closed", "restored".
  std::vector<std::string> requests;
};

class SimSystem {
 public:
  // Settings files by lower-case path, and the settings the program reads
  // from them, dropped when a file changes.
  std::map<std::string, std::string> files;
  std::map<std::string, ini::Index> indexes;
  std::map<WindowHandle, OtherWindow> windows;
  WindowHandle nextHandle = 0x1000;

  // The instances that have asked for a turn, by ticket, in that order.
  struct Started {
    int ticket = 0;
    bool running = true;
    bool starting = true;  // until its start is over
    bool hangs = false;    // its start never ends
    WindowHandle waitingFor = 0;
  };
  std::vector<Started> started;

  // An instance that began before any other and still runs: its window
  // open, or (`hangsInItsStart`) never done with its start.
  void AddEarlierInstance(bool hangsInItsStart = false);
  Started* ByTicket(int ticket);
};

// One instance's view of the system. `step` tells the test where the
// instance is; `wait` lets time pass on the instance's clock.
class SimInstances : public Instances {
 public:
  SimInstances(SimSystem& system, std::function<void(const std::string&)> step,
               std::function<void(long long)> wait)
      : system_(system), step_(std::move(step)), wait_(std::move(wait)) {}

  StartTurn AwaitStartTurn(int limitMs) override;
  void EndStartTurn() override;
  bool EarlierInstanceRunning() override;
  void SetWaitingForUser(WindowHandle window) override;
  WindowHandle WaitingForUser() override { return waiting_; }
  void BringForward(WindowHandle window) override { broughtForward.push_back(window); }
  bool AwaitClosed(WindowHandle window, int limitMs) override;

  // The instance has ended.
  void Ended();
  int ticket() const { return ticket_; }
  std::vector<WindowHandle> broughtForward;

 private:
  SimSystem& system_;
  std::function<void(const std::string&)> step_;
  std::function<void(long long)> wait_;
  int ticket_ = 0;
  WindowHandle waiting_ = 0;
};

}  // namespace vantor::sim
