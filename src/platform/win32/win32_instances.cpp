#include "platform/win32/win32_instances.h"

#include <string>

namespace vantor::win32 {
namespace {

constexpr int kMaxInstances = 64;
// Nobody holds the table's lock for more than a few reads and writes.
constexpr DWORD kLockWaitMs = 2000;
constexpr DWORD kPollMs = 10;

std::string AliveName(long ticket) { return kAlivePrefix + std::to_string(ticket); }

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

}  // namespace

// One running instance. Window handles are 32 bits wide between processes.
struct Win32Instances::Entry {
  LONG ticket;          // 0: a free entry
  LONG starting;        // 1 until its start is over
  DWORD waitingWindow;  // the dialog it waits for the user in, or 0
};

// Zero-filled when the first instance creates it.
struct Win32Instances::Table {
  LONG lastTicket;
  Entry entries[kMaxInstances];
};

Win32Instances::Win32Instances()
    : lock_(CreateMutexA(nullptr, FALSE, kStartLockName)),
      section_(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(Table),
                                  kStartTableName)) {
  if (section_.Valid())
    table_ = static_cast<Table*>(MapViewOfFile(section_, FILE_MAP_WRITE, 0, 0, sizeof(Table)));
}

// The entry goes with the event that says this instance runs, as it would
// if the process ended here.
Win32Instances::~Win32Instances() {
  if (table_) UnmapViewOfFile(table_);
}

template <class Body>
bool Win32Instances::Locked(Body&& body) {
  if (!table_ || !lock_.Valid()) return false;
  // An instance that ended while it held the lock leaves it abandoned: the
  // table is still whole, as every change to it is a few plain writes.
  const DWORD got = WaitForSingleObject(lock_, kLockWaitMs);
  if (got != WAIT_OBJECT_0 && got != WAIT_ABANDONED) return false;
  // Entries of instances that have ended are free again.
  for (Entry& entry : table_->entries) {
    if (entry.ticket == 0 || entry.ticket == ticket_) continue;
    KernelHandle alive(OpenEventA(SYNCHRONIZE, FALSE, AliveName(entry.ticket).c_str()));
    if (!alive.Valid()) entry = Entry{};
  }
  body(*table_);
  ReleaseMutex(lock_);
  return true;
}

Win32Instances::Entry* Win32Instances::Mine(Table& table) {
  if (ticket_ == 0) return nullptr;
  for (Entry& entry : table.entries)
    if (entry.ticket == ticket_) return &entry;
  return nullptr;
}

void Win32Instances::Enter(Table& table) {
  for (Entry& entry : table.entries) {
    if (entry.ticket != 0) continue;
    const long ticket = ++table.lastTicket;
    HANDLE alive = CreateEventA(nullptr, TRUE, FALSE, AliveName(ticket).c_str());
    if (!alive) return;
    alive_.emplace(alive);
    ticket_ = ticket;
    entry = Entry{ticket, 1, 0};
    return;
  }
}

StartTurn Win32Instances::AwaitStartTurn(int limitMs) {
  int earlierBefore = -1;
  DWORD progressAt = GetTickCount();
  for (;;) {
    int earlier = 0;
    DWORD waitingWindow = 0;
    const bool looked = Locked([&](Table& table) {
      if (ticket_ == 0) Enter(table);
      if (ticket_ == 0) return;  // no room in the table: no turns to keep
      LONG waitingTicket = 0;
      for (const Entry& entry : table.entries) {
        if (entry.ticket == 0 || entry.ticket >= ticket_ || !entry.starting) continue;
        ++earlier;
        if (entry.waitingWindow && (waitingTicket == 0 || entry.ticket < waitingTicket)) {
          waitingTicket = entry.ticket;
          waitingWindow = entry.waitingWindow;
        }
      }
    });
    if (!looked) return {StartTurn::Outcome::TimedOut, 0};
    if (earlier == 0) return {};
    const HWND waiting = reinterpret_cast<HWND>(static_cast<UINT_PTR>(waitingWindow));
    if (waiting && IsWindow(waiting))
      return {StartTurn::Outcome::OtherWaitsForUser, reinterpret_cast<WindowHandle>(waiting)};
    // Each earlier start that is over is progress; only a wait without any
    // runs out.
    if (earlier != earlierBefore) {
      earlierBefore = earlier;
      progressAt = GetTickCount();
    } else if (GetTickCount() - progressAt >= static_cast<DWORD>(limitMs)) {
      return {StartTurn::Outcome::TimedOut, 0};
    }
    Sleep(kPollMs);
  }
}

void Win32Instances::EndStartTurn() {
  waiting_ = 0;
  Locked([&](Table& table) {
    if (Entry* mine = Mine(table)) *mine = Entry{mine->ticket, 0, 0};
  });
}

bool Win32Instances::EarlierInstanceRunning() {
  bool running = false;
  Locked([&](Table& table) {
    for (const Entry& entry : table.entries)
      running = running || (entry.ticket != 0 && (ticket_ == 0 || entry.ticket < ticket_));
  });
  return running;
}

void Win32Instances::SetWaitingForUser(WindowHandle window) {
  waiting_ = window;
  Locked([&](Table& table) {
    if (Entry* mine = Mine(table))
      mine->waitingWindow = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(ToHwnd(window)));
  });
}

// A dialog with a message open over it is brought forward with the message.
void Win32Instances::BringForward(WindowHandle window) {
  HWND target = ToHwnd(window);
  if (IsIconic(target)) ShowWindow(target, SW_RESTORE);
  HWND popup = GetLastActivePopup(target);
  SetForegroundWindow(popup ? popup : target);
}

bool Win32Instances::AwaitClosed(WindowHandle window, int limitMs) {
  const DWORD start = GetTickCount();
  while (IsWindow(ToHwnd(window))) {
    if (GetTickCount() - start >= static_cast<DWORD>(limitMs)) return false;
    Sleep(kPollMs);
  }
  return true;
}

}  // namespace vantor::win32
