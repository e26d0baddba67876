// The backend tests' entry point. With "--throw" or "--end-now" the program
// instead plays one way of ending, for a test that started it to watch; with
// "--open-topic" it asks the topic opener beside it for topic 82 of a window
// of its own.
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "check.h"
#include "fixtures.h"
#include "platform/win32/com_apartment.h"

namespace {

class ThrowingEvents : public vantor::FormEvents {
 public:
  void OnEvent(const vantor::Event&) override { throw std::runtime_error("thrown by a handler"); }
  void OnCloseRequest() override {}
};

}  // namespace

int main(int argc, char** argv) {
  vantor::win32::ComApartment com;
  vantor::win32::App app(GetModuleHandleA(nullptr));
  vantor::win32::Win32Platform platform(app);
  vantor::win32::test::SetUp(app, platform);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "--throw") {
    ThrowingEvents events;
    auto form = platform.CreateForm(
        vantor::win32::test::MakeForm(
            "Throwing",
            {vantor::win32::test::Make("b", vantor::ControlKind::Button, {0, 0, 50, 20})}),
        events);
    SendMessageA(reinterpret_cast<HWND>(form->ControlHandle(0)), BM_CLICK, 0, 0);
    return 1;
  }
  if (mode == "--open-topic") {
    vantor::win32::test::Recorder events;
    auto form = platform.CreateForm(vantor::win32::test::MakeForm("Topic Opener", {}), events);
    const auto answer = platform.OpenTopic(form->Handle(), 82);
    return answer ? *answer : vantor::win32::test::kNoTopicOpener;
  }
  if (mode == "--end-now") {
    std::puts("ending");
    std::fflush(stdout);
    platform.EndNow();
  }
  return vantor::win32::test::RunAll(mode) == 0 ? 0 : 1;
}
