// The instances of the program on this computer (this session): a small
// table in named shared memory that every start enters when it asks for its
// turn, guarded by a named mutex. See docs/startup.md.
#pragma once

#include <optional>

#include "platform/instances.h"
#include "platform/win32/scoped.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// The names of the table, its lock, and the event each instance holds for
// as long as it runs ("<prefix><ticket>"): an instance that ends, however
// it ends, leaves no event behind, and its entry counts as free.
inline constexpr char kStartTableName[] = "Vantor.Companion.Starts";
inline constexpr char kStartLockName[] = "Vantor.Companion.Starts.Lock";
inline constexpr char kAlivePrefix[] = "Vantor.Companion.Alive.";

class Win32Instances final : public Instances {
 public:
  Win32Instances();
  ~Win32Instances() override;
  Win32Instances(const Win32Instances&) = delete;
  Win32Instances& operator=(const Win32Instances&) = delete;

  StartTurn AwaitStartTurn(int limitMs) override;
  void EndStartTurn() override;
  bool EarlierInstanceRunning() override;
  void SetWaitingForUser(WindowHandle window) override;
  WindowHandle WaitingForUser() override { return waiting_; }
  void BringForward(WindowHandle window) override;
  bool AwaitClosed(WindowHandle window, int limitMs) override;

  struct Entry;
  struct Table;

 private:
  // Runs `body` on the table while holding its lock; false when neither
  // the table nor its lock can be had.
  template <class Body>
  bool Locked(Body&& body);
  void Enter(Table& table);
  Entry* Mine(Table& table);

  KernelHandle lock_;
  KernelHandle section_;
  Table* table_ = nullptr;
  std::optional<KernelHandle> alive_;  // from the moment it entered the table
  long ticket_ = 0;                    // 0 until this instance entered the table
  WindowHandle waiting_ = 0;
};

}  // namespace vantor::win32
