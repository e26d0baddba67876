// The driver's verbs: each takes its positional arguments and options and
// returns the process exit code.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "platform/win32/scoped.h"

namespace vdriver {

using vantor::win32::GdiObject;
using vantor::win32::KernelHandle;
using vantor::win32::MemoryDC;
using vantor::win32::PaintDC;
using vantor::win32::SelectedObject;
using vantor::win32::StartedProcess;
using vantor::win32::WindowDC;

enum ExitCode { kOk = 0, kFailed = 1, kTimedOut = 2 };

// A verb's arguments: positional ones in order, and "--name value" or
// "--flag" options (a flag has an empty value).
struct Args {
  std::vector<std::string> positional;
  std::map<std::string, std::string> options;

  bool Has(const std::string& name) const { return options.count(name) != 0; }
  // The positional argument at `index` as an integer, or `fallback` when absent.
  long IntAt(std::size_t index, long fallback) const;
  long IntOption(const std::string& name, long fallback) const;
};

struct Verb {
  const char* name;
  const char* usage;
  std::size_t minArgs;
  int (*run)(const Args& args);
};

// The verbs grouped by what they do; each group lives in a file of its own.
int WaitWindow(const Args& args);
int WaitGone(const Args& args);
int Absent(const Args& args);
int WindowRect(const Args& args);
int ClientRect(const Args& args);
int Screen(const Args& args);
int List(const Args& args);
int Foreground(const Args& args);

int ControlText(const Args& args);
int Checked(const Args& args);
int Enabled(const Args& args);
int Visible(const Args& args);
int WaitEnabled(const Args& args);
int WaitDisabled(const Args& args);
int ControlRect(const Args& args);
int Controls(const Args& args);

int Click(const Args& args);
int Key(const Args& args);
int DoubleClick(const Args& args);
int Hover(const Args& args);
int Close(const Args& args);
int Move(const Args& args);
int Minimize(const Args& args);
int Activate(const Args& args);

int Accessible(const Args& args);
int AccessibleValue(const Args& args);
int Focus(const Args& args);
int WaitFocus(const Args& args);
int WaitValue(const Args& args);

int Items(const Args& args);
int SetText(const Args& args);
int SelectItem(const Args& args);
int DoubleClickItem(const Args& args);

int StandInWindow(const Args& args);
int IniGet(const Args& args);
int HoldFile(const Args& args);
int Run(const Args& args);
int Processes(const Args& args);
int Burst(const Args& args);

int Pixel(const Args& args);
int PictureVerb(const Args& args);
int ColorCount(const Args& args);
int WaitFrame(const Args& args);
int ClickFrame(const Args& args);
int LaunchFrame(const Args& args);
int LaunchIdle(const Args& args);

// Starting and ending the programs that the launch verbs time: the program
// and its arguments are the verb's positional arguments; it starts in its
// own folder.
bool StartProcess(const Args& args, StartedProcess& process);
long WorkingSetKb(HANDLE process);
void EndProcess(HANDLE process);

}  // namespace vdriver
