#include "platform/win32/mci_layer.h"

#include <vector>

#include "platform/win32/win32.h"
// <windows.h> must come first.
#include <mmsystem.h>

namespace vantor::win32 {

namespace {

// MCI's longest error text fits in this, its terminating zero included.
constexpr UINT kErrorTextBuffer = 512;

}  // namespace

MciAnswer MciLayer::SendCommand(const std::string& command, int replyLength) {
  MciAnswer answer;
  if (replyLength <= 0) {
    answer.code = mciSendStringA(command.c_str(), nullptr, 0, nullptr);
    return answer;
  }
  // One character more than the layer is told of, so that a reply that
  // fills the whole given length still ends in a zero.
  std::vector<char> reply(static_cast<std::size_t>(replyLength) + 1, '\0');
  answer.code =
      mciSendStringA(command.c_str(), reply.data(), static_cast<UINT>(replyLength), nullptr);
  answer.reply = reply.data();
  return answer;
}

std::optional<std::string> MciLayer::ErrorText(std::uint32_t code) {
  char text[kErrorTextBuffer] = {};
  if (!mciGetErrorStringA(code, text, kErrorTextBuffer - 1)) return std::nullopt;
  return std::string(text);
}

}  // namespace vantor::win32
