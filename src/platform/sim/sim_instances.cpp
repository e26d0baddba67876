#include "platform/sim/sim_instances.h"

namespace vantor::sim {

void SimSystem::AddEarlierInstance(bool hangsInItsStart) {
  Started earlier;
  earlier.ticket = started.empty() ? 1 : started.back().ticket + 1;
  earlier.starting = hangsInItsStart;
  earlier.hangs = hangsInItsStart;
  started.push_back(earlier);
}

SimSystem::Started* SimSystem::ByTicket(int ticket) {
  for (Started& s : started)
    if (s.ticket == ticket) return &s;
  return nullptr;
}

StartTurn SimInstances::AwaitStartTurn(int limitMs) {
  step_("turn");
  if (ticket_ == 0) {
    ticket_ = system_.started.empty() ? 1 : system_.started.back().ticket + 1;
    system_.started.push_back({ticket_});
  }
  bool others = false;
  for (const SimSystem::Started& s : system_.started) {
    if (s.ticket >= ticket_ || !s.running || !s.starting) continue;
    if (s.waitingFor != 0) return {StartTurn::Outcome::OtherWaitsForUser, s.waitingFor};
    others = others || !s.hangs;
  }
  for (const SimSystem::Started& s : system_.started) {
    if (s.ticket >= ticket_ || !s.running || !s.starting) continue;
    if (others) throw WaitsForTurn{};
    wait_(limitMs);
    return {StartTurn::Outcome::TimedOut, 0};
  }
  return {};
}

void SimInstances::EndStartTurn() {
  step_("turn over");
  waiting_ = 0;
  if (SimSystem::Started* mine = system_.ByTicket(ticket_)) {
    mine->starting = false;
    mine->waitingFor = 0;
  }
}

bool SimInstances::EarlierInstanceRunning() {
  for (const SimSystem::Started& s : system_.started)
    if (s.running && s.ticket != ticket_ && (ticket_ == 0 || s.ticket < ticket_)) return true;
  return false;
}

void SimInstances::SetWaitingForUser(WindowHandle window) {
  waiting_ = window;
  if (SimSystem::Started* mine = system_.ByTicket(ticket_)) mine->waitingFor = window;
}

bool SimInstances::AwaitClosed(WindowHandle window, int limitMs) {
  auto it = system_.windows.find(window);
  if (it == system_.windows.end() || it->second.closed) return true;
  if (!it->second.closeAsked || it->second.refusesToClose) {
    wait_(limitMs);
    return false;
  }
  it->second.closed = true;
  it->second.visible = false;
  return true;
}

void SimInstances::Ended() {
  if (SimSystem::Started* mine = system_.ByTicket(ticket_)) mine->running = false;
}

}  // namespace vantor::sim
