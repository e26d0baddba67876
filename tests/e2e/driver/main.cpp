// vdriver: a small Win32 console program that the end-to-end tests use to
// find windows of vantor.exe by title and controls by ID, read their texts,
// state and geometry, press buttons and keys, stand in for other programs'
// windows, read INI values through the profile functions and launch
// programs while watching which windows they show.
//
// Output goes to stdout as "key=value" words on one line (texts on a line of
// their own); exit code 0 = ok, 1 = failed, 2 = timed out.

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "verbs.h"

namespace vdriver {
namespace {

constexpr Verb kVerbs[] = {
    {"wait-window", "wait-window <title> [ms] [--hidden-ok]: wait for a visible top-level window",
     1, WaitWindow},
    {"wait-gone", "wait-gone <title> [ms]: wait until no window has that title", 1, WaitGone},
    {"absent", "absent <title> [ms]: fail if a visible window with that title shows within ms", 1,
     Absent},
    {"rect", "rect <title>: outer rectangle of a top-level window", 1, WindowRect},
    {"client", "client <title>: client rectangle in screen coordinates", 1, ClientRect},
    {"screen", "screen: screen size and work area", 0, Screen},
    {"list", "list: visible top-level windows", 0, List},
    {"foreground", "foreground: title of the foreground window", 0, Foreground},
    {"text", "text <title> <id>: text of a control (id 0: the window caption)", 2, ControlText},
    {"checked", "checked <title> <id>: BM_GETCHECK of a button", 2, Checked},
    {"enabled", "enabled <title> <id>: 1 when the control (id 0: the window) takes input", 2,
     Enabled},
    {"visible", "visible <title> <id>: 1 when the control (id 0: the window) is on screen", 2,
     Visible},
    {"wait-enabled", "wait-enabled <title> <id> [ms]: wait until the control is enabled", 2,
     WaitEnabled},
    {"wait-disabled", "wait-disabled <title> <id> [ms]: wait until the control is greyed", 2,
     WaitDisabled},
    {"control-rect",
     "control-rect <title> <id>: outer rectangle of a control on the screen and its place in the "
     "window's client area",
     2, ControlRect},
    {"controls", "controls <title>: every control of the window with its state and text", 1,
     Controls},
    {"click",
     "click <title> <id> [--mouse|--post]: press a button (BM_CLICK; posted with --post), or "
     "post a mouse click to the middle of another control (of any control with --mouse)",
     2, Click},
    {"key",
     "key <title> <key>... [--post]: key presses into that window, one after another; keys are "
     "enter|escape|tab|shift-tab|space|up|down|left|right|pgup|pgdn|home|end",
     2, Key},
    {"focus", "focus <title>: the ID of the control that has the keyboard focus (0: the window)", 1,
     Focus},
    {"wait-focus", "wait-focus <title> <id> [ms]: wait until that control has the keyboard focus",
     2, WaitFocus},
    {"wait-value",
     "wait-value <title> <id> <text> [ms]: wait until the value a screen reader reads of the "
     "control starts with the text",
     3, WaitValue},
    {"accessible",
     "accessible <title>: every control as a screen reader reads it: role, state, default action "
     "and name",
     1, Accessible},
    {"acc-value", "acc-value <title> <id>: the value a screen reader reads of the control (UTF-8)",
     2, AccessibleValue},
    {"dblclick", "dblclick <title> <id>: a posted double click in the middle of a control", 2,
     DoubleClick},
    {"hover", "hover <title> <id>: the mouse moved over the middle of a control", 2, Hover},
    {"items", "items <title> <id>: the items of a list or combo box and which one is selected", 2,
     Items},
    {"settext", "settext <title> <id> <text>: type the text over an edit's or combo box's text", 3,
     SetText},
    {"select",
     "select <title> <id> <text>: click the list box item with that text (blanks around it aside)",
     3, SelectItem},
    {"dblclick-item", "dblclick-item <title> <id> <text>: double-click that list box item", 3,
     DoubleClickItem},
    {"close", "close <title>: the window's close box", 1, Close},
    {"minimize", "minimize <title>: the window's minimise box", 1, Minimize},
    {"move", "move <title> <x> <y>: move the window's outer top-left corner there", 3, Move},
    {"activate", "activate <title>: bring the window to the foreground", 1, Activate},
    {"window",
     "window <title> <x> <y> <w> <h> [hidden] [--timeout ms]: a stand-in window that lives until "
     "it gets WM_CLOSE",
     5, StandInWindow},
    {"ini-get", "ini-get <file> <section> <key>: a value as GetPrivateProfileStringA reads it", 3,
     IniGet},
    {"hold", "hold <file> <ms>: keep the file open for that long, sharing it with no one", 2,
     HoldFile},
    {"run",
     "run [--timeout ms] <exe> [args...]: start a program, wait for it, report its exit code, "
     "time and the windows it showed",
     1, Run},
    {"ps", "ps: the processes of the Wine session", 0, Processes},
    {"burst",
     "burst [--timeout ms] [--end id] <count> <exe> [args...]: start a program that many times "
     "at once and report, once they have settled, which copies are left, their exit codes and "
     "windows, and the most windows they showed at once; --end: then end the copy left through "
     "its window (0: the close box, else that button)",
     2, Burst},
    {"pixel", "pixel <title> <id> <x> <y>: colour of a pixel of a control, as on the screen", 4,
     Pixel},
    {"picture",
     "picture <title> <id> [--class c] [--region x,y,w,h]: what the control shows: colours, the "
     "most common one, a "
     "hash of its pixels, and whether it counts as a video frame",
     2, PictureVerb},
    {"color-count",
     "color-count <title> <id> <0xBBGGRR>...: how many of the control's pixels have each colour", 3,
     ColorCount},
    {"wait-frame",
     "wait-frame <title> <id> [ms] [--class c] [--region x,y,w,h]: wait until the control shows a "
     "frame (shown, not "
     "one flat colour)",
     2, WaitFrame},
    {"click-frame",
     "click-frame <title> <click id> <surface id> [ms] [--region x,y,w,h] [--expect hash]: a "
     "posted click timed to the next new frame on the surface (with --expect: to the first "
     "frame of that fingerprint)",
     3, ClickFrame},
    {"launch-frame",
     "launch-frame --title t --class c|--id n [--timeout ms] [--end] <exe> [args...]: start a "
     "program and time its first frame in the surface of class c (or ID n) of its window t "
     "(--end: then end it)",
     1, LaunchFrame},
    {"launch-idle",
     "launch-idle --title t [--timeout ms] [--settle ms] <exe> [args...]: start a program, time "
     "it until its window t is shown and it waits for input, report its working set and its "
     "child windows (all, visible) --settle ms (300) later, and end it",
     1, LaunchIdle},
};

void PrintUsage() {
  std::fprintf(stderr, "usage: vdriver <verb> [arguments]\n");
  for (const Verb& verb : kVerbs) std::fprintf(stderr, "  %s\n", verb.usage);
}

// Splits the command line into positional arguments and options. Options
// that take a value are listed here; every other "--x" is a flag. After the
// first positional argument of "run" and the launch verbs everything belongs
// to the program. "--end" takes the ID of a button for "burst" and is a
// flag of "launch-frame", whose program would otherwise be taken for it.
Args ParseArgs(int argc, char** argv, bool stopAtFirstPositional) {
  static const char* const kValued[] = {"--timeout", "--with", "--class",  "--title",
                                        "--region",  "--id",   "--expect", "--settle"};
  const bool endTakesId = std::strcmp(argv[1], "burst") == 0;
  Args args;
  for (int i = 2; i < argc; ++i) {
    const char* word = argv[i];
    bool takeRest = stopAtFirstPositional && !args.positional.empty();
    if (!takeRest && std::strncmp(word, "--", 2) == 0 && word[2] != '\0') {
      bool valued = false;
      for (const char* name : kValued) valued = valued || std::strcmp(name, word) == 0;
      valued = valued || (endTakesId && std::strcmp(word, "--end") == 0);
      if (valued && i + 1 < argc) {
        args.options[word + 2] = argv[++i];
      } else {
        args.options[word + 2] = "";
      }
    } else {
      args.positional.emplace_back(word);
    }
  }
  return args;
}

}  // namespace

long Args::IntAt(std::size_t index, long fallback) const {
  return index < positional.size() ? std::strtol(positional[index].c_str(), nullptr, 0) : fallback;
}

long Args::IntOption(const std::string& name, long fallback) const {
  auto found = options.find(name);
  return found == options.end() ? fallback : std::strtol(found->second.c_str(), nullptr, 0);
}

}  // namespace vdriver

int main(int argc, char** argv) {
  using namespace vdriver;
  if (argc < 2) {
    PrintUsage();
    return kFailed;
  }
  for (const Verb& verb : kVerbs) {
    if (std::strcmp(verb.name, argv[1]) != 0) continue;
    const bool takesCommandLine =
        std::strcmp(verb.name, "run") == 0 || std::strcmp(verb.name, "burst") == 0 ||
        std::strcmp(verb.name, "launch-frame") == 0 || std::strcmp(verb.name, "launch-idle") == 0;
    Args args = ParseArgs(argc, argv, takesCommandLine);
    if (args.positional.size() < verb.minArgs) {
      std::fprintf(stderr, "usage: vdriver %s\n", verb.usage);
      return kFailed;
    }
    int code = verb.run(args);
    std::fflush(stdout);
    return code;
  }
  std::fprintf(stderr, "vdriver: unknown verb '%s'\n", argv[1]);
  PrintUsage();
  return kFailed;
}
