#include "platform/win32/mci_layer.h"

#include <cctype>
#include <vector>

#include "platform/win32/win32.h"
// <windows.h> must come first.
#include <mmsystem.h>

namespace vantor::win32 {

namespace {

// MCI's longest error text fits in this, its terminating zero included.
constexpr UINT kErrorTextBuffer = 512;
// Every error of the multimedia layer's own numbers lies above this.
constexpr MCIERROR kMciErrorBase = 256;

// The device alias a "stop <alias>" command names, or "" for any other
// command.
std::string StoppedAlias(const std::string& command) {
  std::string verb = command.substr(0, 5);
  for (char& c : verb) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (verb != "stop ") return {};
  const std::string rest = command.substr(5);
  return rest.substr(0, rest.find(' '));
}

// Whether a command plays a clip: "play <alias> ...".
bool IsPlay(const std::string& command) {
  if (command.size() < 5) return false;
  for (std::size_t i = 0; i < 4; ++i)
    if (std::tolower(static_cast<unsigned char>(command[i])) != "play"[i]) return false;
  return command[4] == ' ';
}

// Wine puts what is drawn into the program's windows on the screen when one
// of its threads next waits for messages. The device draws a clip's first
// frame from its own thread a few milliseconds after "play", when the
// window's thread has often gone idle already; nothing then shows that
// frame until the device draws the next one, 100 ms later. One wake of the
// window's thread shortly after "play" lets its next wait show the first
// frame. Elsewhere the wake does nothing.
constexpr UINT kFirstFrameWakeMs = 30;

void CALLBACK EndWake(HWND, UINT, UINT_PTR timer, DWORD) { KillTimer(nullptr, timer); }

}  // namespace

bool MciLayer::Loaded() {
  if (!tried_) {
    tried_ = true;
    if (HMODULE library = LoadLibraryA("winmm.dll")) {
      sendString_ = reinterpret_cast<SendStringFn>(
          reinterpret_cast<void (*)()>(GetProcAddress(library, "mciSendStringA")));
      errorString_ = reinterpret_cast<ErrorStringFn>(
          reinterpret_cast<void (*)()>(GetProcAddress(library, "mciGetErrorStringA")));
    }
  }
  return sendString_ && errorString_;
}

// Without the library every command fails as MCI fails for a device it
// cannot load.
DWORD MciLayer::Send(const std::string& command, char* reply, UINT replyLength) {
  if (!Loaded()) return MCIERR_CANNOT_LOAD_DRIVER;
  return sendString_(command.c_str(), reply, replyLength, nullptr);
}

// Some AVI devices (Wine's) answer the stop of a clip that has no sound
// with the sound layer's "invalid handle", a number of no meaning to the
// multimedia layer, although the clip has stopped. A stop is judged by what
// it did: when the device then reads "stopped", it succeeded.
DWORD MciLayer::JudgeStop(const std::string& command, DWORD code) {
  if (code == 0 || code >= kMciErrorBase) return code;
  const std::string alias = StoppedAlias(command);
  if (alias.empty()) return code;
  char mode[32] = {};
  if (Send("status " + alias + " mode", mode, sizeof mode - 1) != 0) return code;
  return std::string(mode).rfind("stopped", 0) == 0 ? 0 : code;
}

MciAnswer MciLayer::SendCommand(const std::string& command, int replyLength) {
  MciAnswer answer;
  if (replyLength <= 0) {
    answer.code = JudgeStop(command, Send(command, nullptr, 0));
    if (answer.code == 0 && IsPlay(command)) SetTimer(nullptr, 0, kFirstFrameWakeMs, &EndWake);
    return answer;
  }
  // One character more than the layer is told of, so that a reply that
  // fills the whole given length still ends in a zero.
  std::vector<char> reply(static_cast<std::size_t>(replyLength) + 1, '\0');
  answer.code = Send(command, reply.data(), static_cast<UINT>(replyLength));
  answer.reply = reply.data();
  return answer;
}

std::optional<std::string> MciLayer::ErrorText(std::uint32_t code) {
  char text[kErrorTextBuffer] = {};
  if (!Loaded() || !errorString_(code, text, kErrorTextBuffer - 1)) return std::nullopt;
  return std::string(text);
}

}  // namespace vantor::win32
