// The multimedia layer of the real program: MCI in its command-string form.
#pragma once

#include "platform/multimedia.h"
#include "platform/win32/win32.h"

namespace vantor::win32 {

// The multimedia library is loaded when the first command is sent, not with
// the program: the coach never plays a clip, and loading it (with the sound
// libraries it brings) is part of every start that imports it.
class MciLayer final : public Multimedia {
 public:
  // Commands are synchronous: no window is told when one completes.
  MciAnswer SendCommand(const std::string& command, int replyLength) override;
  std::optional<std::string> ErrorText(std::uint32_t code) override;

 private:
  using SendStringFn = DWORD(WINAPI*)(LPCSTR, LPSTR, UINT, HWND);
  using ErrorStringFn = BOOL(WINAPI*)(DWORD, LPSTR, UINT);
  // False when the library or one of its functions cannot be had.
  bool Loaded();
  DWORD Send(const std::string& command, char* reply, UINT replyLength);
  DWORD JudgeStop(const std::string& command, DWORD code);

  bool tried_ = false;
  SendStringFn sendString_ = nullptr;
  ErrorStringFn errorString_ = nullptr;
};

}  // namespace vantor::win32
