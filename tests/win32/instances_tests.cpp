// The turns of starts that come together, over the shared table: two
// Win32Instances in one process stand for two instances of the program.
#include <memory>

#include "check.h"
#include "platform/win32/win32_instances.h"

namespace vantor::win32::test {
namespace {

using Outcome = StartTurn::Outcome;

// How long a wait for the turn took, and what it gave.
struct Waited {
  Outcome outcome;
  WindowHandle window;
  DWORD ms;
};

Waited Await(Win32Instances& instances, int limitMs) {
  const DWORD start = GetTickCount();
  const StartTurn turn = instances.AwaitStartTurn(limitMs);
  return {turn.outcome, turn.waitingWindow, GetTickCount() - start};
}

TEST_CASE(StartsTakeTurnsInTheOrderTheyBegan) {
  Win32Instances first;
  Win32Instances second;
  CHECK(Await(first, 300).outcome == Outcome::Ours);
  CHECK(!first.EarlierInstanceRunning());

  // No progress of the first start: the second waits the limit, no less.
  const Waited timedOut = Await(second, 300);
  CHECK(timedOut.outcome == Outcome::TimedOut);
  CHECK(timedOut.ms >= 300 && timedOut.ms < 1000);
  CHECK(second.EarlierInstanceRunning());

  // The first waits for the user: the second learns of that dialog at once.
  HWND dialog = CreateWindowExA(0, "STATIC", "choice", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                nullptr, nullptr);
  first.SetWaitingForUser(reinterpret_cast<WindowHandle>(dialog));
  const Waited asks = Await(second, 300);
  CHECK(asks.outcome == Outcome::OtherWaitsForUser);
  CHECK(asks.window == reinterpret_cast<WindowHandle>(dialog));
  CHECK(asks.ms < 300);
  // A dialog that is gone no longer counts.
  DestroyWindow(dialog);
  CHECK(Await(second, 100).outcome == Outcome::TimedOut);

  first.EndStartTurn();
  const Waited ours = Await(second, 300);
  CHECK(ours.outcome == Outcome::Ours);
  CHECK(ours.ms < 300);
  // Over, the first still runs: later starts meet it.
  CHECK(second.EarlierInstanceRunning());
}

TEST_CASE(AnInstanceThatEndsInItsStartGivesUpItsTurn) {
  auto first = std::make_unique<Win32Instances>();
  Win32Instances second;
  CHECK(Await(*first, 300).outcome == Outcome::Ours);
  first.reset();
  const Waited ours = Await(second, 300);
  CHECK(ours.outcome == Outcome::Ours);
  CHECK(ours.ms < 300);
  CHECK(!second.EarlierInstanceRunning());
}

}  // namespace
}  // namespace vantor::win32::test
