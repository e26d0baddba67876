// The help host object and the topic opener of the scanning application's
// help system, reached through the real COM runtime and LoadLibrary. The
// test doubles of tools/standins stand for the help system: the suite's
// prefix has helpobject.dll registered, and zthelp.dll is built into
// bin/standins, where the tests take it from.
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "check.h"
#include "fixtures.h"
#include "host_folder.h"

namespace vantor::win32::test {

namespace {

constexpr char kProgId[] = "Kestrin.KestrinHelpObject";

using Type = AutomationValue::Type;

std::string SelfPath() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, n);
}

// A read as text, so that a failed check shows type and value: "BOOL -1",
// "I2 2", "I4 15", or "none" when the read failed.
std::string Read(AutomationObject& object, const std::string& member, Type as) {
  const std::optional<AutomationValue> read = object.Get(member, as);
  if (!read) return "none";
  if (read->type != as) return "wrong type";
  static const std::string names[] = {"EMPTY", "BOOL", "I2", "I4"};
  std::ostringstream text;
  text << names[static_cast<int>(as)] << ' ' << read->value;
  return text.str();
}

std::unique_ptr<AutomationObject> NewHelpObject() {
  auto object = ThePlatform().CreateObject(kProgId);
  if (!object) {
    Fail("no help object: is tools/standins/helpobject.dll registered?", __FILE__, __LINE__);
  }
  return object;
}

// Runs a program to its end; its exit code, or -1 when it did not start or
// end within 10 s.
int RunToEnd(const std::string& commandLine, const std::string& currentFolder = "") {
  std::string command = commandLine;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  StartedProcess process;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup,
                      process.Out())) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.Process(), 10000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.Process(), &code);
  }
  return static_cast<int>(code);
}

}  // namespace

TEST_CASE(HelpObjectByProgIdAnswersFromTheHostsState) {
  HostFolder host;
  host.SetState("SelectionValid=1\r\nOutputType=3\r\nPaletteType=2\r\n");
  auto object = NewHelpObject();
  if (!object) return;
  CHECK_EQ(Read(*object, "SelectionValid", Type::Boolean), "BOOL -1");
  CHECK_EQ(Read(*object, "OutputType", Type::Int32), "I4 3");
  CHECK_EQ(Read(*object, "PaletteType", Type::Int16), "I2 2");
  // The state is read on every access: the host changes it under us.
  host.SetState("SelectionValid=0\r\n");
  CHECK_EQ(Read(*object, "selectionVALID", Type::Boolean), "BOOL 0");
  CHECK_EQ(Read(*object, "OutputType", Type::Int32), "I4 0");
  CHECK_EQ(Read(*object, "OutputType", Type::Int16), "I2 0");
  CHECK_EQ(host.Log(),
           "get SelectionValid -> -1\n"
           "get OutputType -> 3\n"
           "get PaletteType -> 2\n"
           "get SelectionValid -> 0\n"
           "get OutputType -> 0\n"
           "get OutputType -> 0\n");
}

TEST_CASE(HelpObjectWritesArriveWithTheirWidthsAndCallsInOrder) {
  HostFolder host;
  auto object = NewHelpObject();
  if (!object) return;
  CHECK(object->Call("PreviewScan"));
  CHECK(object->Put("PaletteType", AutomationValue::I2(2)));
  CHECK(object->Put("OutputType", AutomationValue::I4(15)));
  CHECK(object->Put("PaletteType", AutomationValue::I4(0)));
  CHECK(object->Call("ZoomScan"));
  CHECK_EQ(Read(*object, "OutputType", Type::Int32), "I4 15");
  CHECK_EQ(Read(*object, "PaletteType", Type::Int16), "I2 0");
  CHECK(object->Put("PaletteType", AutomationValue::Bool(true)));
  CHECK_EQ(Read(*object, "PaletteType", Type::Int16), "I2 -1");
  // The host stores what it was given, for later runs to read.
  CHECK_EQ(
      GetPrivateProfileIntA("HelpObject", "OutputType", -9, host.File("host-state.ini").c_str()),
      15u);
  CHECK_EQ(host.Log(),
           "call PreviewScan\n"
           "put PaletteType I2 2\n"
           "put OutputType I4 15\n"
           "put PaletteType I4 0\n"
           "call ZoomScan\n"
           "get OutputType -> 15\n"
           "get PaletteType -> 0\n"
           "put PaletteType BOOL -1\n"
           "get PaletteType -> -1\n");
}

TEST_CASE(PreviewIsDoneOnceItsTimeHasPassed) {
  HostFolder host;
  host.SetState("PreviewDelayMs=300\r\n");
  auto object = NewHelpObject();
  if (!object) return;
  CHECK_EQ(Read(*object, "PreviewDone", Type::Boolean), "BOOL 0");  // no scan yet
  Sleep(350);
  CHECK_EQ(Read(*object, "PreviewDone", Type::Boolean), "BOOL 0");
  CHECK(object->Call("PreviewScan"));
  CHECK_EQ(Read(*object, "PreviewDone", Type::Boolean), "BOOL 0");
  Sleep(350);
  CHECK_EQ(Read(*object, "PreviewDone", Type::Boolean), "BOOL -1");
  // A new scan starts the wait again.
  CHECK(object->Call("PreviewScan"));
  CHECK_EQ(Read(*object, "PreviewDone", Type::Boolean), "BOOL 0");
  // Another object has scanned nothing, unless the host says it is done.
  auto other = NewHelpObject();
  if (!other) return;
  CHECK_EQ(Read(*other, "PreviewDone", Type::Boolean), "BOOL 0");
  host.SetState("PreviewDone=1\r\n");
  CHECK_EQ(Read(*other, "PreviewDone", Type::Boolean), "BOOL -1");
  CHECK_EQ(host.Log(),
           "get PreviewDone -> 0\n"
           "get PreviewDone -> 0\n"
           "call PreviewScan\n"
           "get PreviewDone -> 0\n"
           "get PreviewDone -> -1\n"
           "call PreviewScan\n"
           "get PreviewDone -> 0\n"
           "get PreviewDone -> 0\n"
           "get PreviewDone -> -1\n");
}

TEST_CASE(WhatTheHelpObjectCannotDoFailsQuietly) {
  HostFolder host;
  host.SetState("OutputType=70000\r\n");
  const DWORD start = GetTickCount();
  CHECK(ThePlatform().CreateObject("Kestrin.NoSuchObject") == nullptr);
  CHECK(ThePlatform().CreateObject("") == nullptr);
  CHECK(GetTickCount() - start < 5000);  // no dialog waited for anyone
  auto object = NewHelpObject();
  if (!object) return;
  CHECK_EQ(Read(*object, "NoSuchMember", Type::Int32), "none");
  CHECK(!object->Put("NoSuchMember", AutomationValue::I4(1)));
  CHECK(!object->Call("NoSuchMember"));
  CHECK(!object->Call("SelectionValid"));  // a property, not a method
  CHECK(!object->Put("SelectionValid", AutomationValue::Bool(true)));
  CHECK_EQ(Read(*object, "OutputType", Type::Int16), "none");  // does not fit 16 bits
  CHECK(!object->Put("PaletteType", AutomationValue::I4(70000)));
  CHECK_EQ(Read(*object, "PaletteType", Type::Int16), "I2 0");  // unchanged
  CHECK_EQ(host.Log(),
           "get OutputType -> 70000\n"
           "put PaletteType I4 70000\n"
           "get PaletteType -> 0\n");
}

// A class registered with a server that is not there: created nothing.
TEST_CASE(AHelpObjectWhoseServerIsGoneIsNotCreated) {
  HostFolder host;
  const std::string clsid = "{5B1C6D0A-3E57-4C61-9A0B-6F7D2E9C4B11}";
  const std::string progId = "Vantor.BackendTest.MissingServer";
  const std::string server = host.File("missing-server.dll");
  RegSetValueA(HKEY_CLASSES_ROOT, (progId + "\\CLSID").c_str(), REG_SZ, clsid.c_str(), 0);
  RegSetValueA(HKEY_CLASSES_ROOT, ("CLSID\\" + clsid + "\\InprocServer32").c_str(), REG_SZ,
               server.c_str(), 0);
  CHECK(ThePlatform().CreateObject(progId) == nullptr);
  RegDeleteKeyA(HKEY_CLASSES_ROOT, ("CLSID\\" + clsid + "\\InprocServer32").c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, ("CLSID\\" + clsid).c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, (progId + "\\CLSID").c_str());
  RegDeleteKeyA(HKEY_CLASSES_ROOT, progId.c_str());
}

// Neither bin/ nor the system's search path holds a zthelp.dll.
TEST_CASE(NoTopicOpenerWithoutZthelpBesideTheProgram) {
  HostFolder host;
  Recorder events;
  auto form = ThePlatform().CreateForm(MakeForm("Topic Opener", {}), events);
  CHECK(!ThePlatform().OpenTopic(form->Handle(), 82).has_value());
  CHECK_EQ(host.Log(), "");
}

// A copy of this program in a folder with zthelp.dll opens topic 82 for its
// window (main.cpp, --open-topic); one with a zthelp.dll that lacks the
// function gets nothing.
TEST_CASE(TopicOpenerBesideTheProgramGetsTheWindowAndTopic) {
  HostFolder host;
  const std::string standins = ThePlatform().ProgramFolder() + "\\standins\\";
  const std::string self = SelfPath();
  const std::string program = self.substr(self.rfind('\\') + 1);

  const std::string installed = host.NewFolder("installed");
  host.Copy(self, installed + "\\" + program);
  host.Copy(standins + "zthelp.dll", installed + "\\zthelp.dll");
  CHECK_EQ(RunToEnd("\"" + installed + "\\" + program + "\" --open-topic"), 0);
  const std::string log = host.Log();
  CHECK_EQ(log.size(), std::string("OpenTopic hwnd=0x12345678 window=yes topic=82\n").size());
  CHECK_EQ(log.substr(0, 15), "OpenTopic hwnd=");
  CHECK_EQ(log.substr(25), " window=yes topic=82\n");

  const std::string wrongLibrary = host.NewFolder("wrong");
  host.Copy(self, wrongLibrary + "\\" + program);
  host.Copy(standins + "helpobject.dll", wrongLibrary + "\\zthelp.dll");
  CHECK_EQ(RunToEnd("\"" + wrongLibrary + "\\" + program + "\" --open-topic"), kNoTopicOpener);
  CHECK_EQ(host.Log(), log);
}

// Without one beside it, the program takes the zthelp.dll that the system's
// search finds (here on PATH), but never one in the current folder.
TEST_CASE(TopicOpenerOnTheSearchPathButNeverFromTheCurrentFolder) {
  HostFolder host;
  const std::string standins = ThePlatform().ProgramFolder() + "\\standins\\";
  const std::string self = SelfPath();
  const std::string program = self.substr(self.rfind('\\') + 1);
  const std::string bare = host.NewFolder("bare");
  host.Copy(self, bare + "\\" + program);
  const std::string run = "\"" + bare + "\\" + program + "\" --open-topic";

  const std::string planted = host.NewFolder("planted");
  host.Copy(standins + "zthelp.dll", planted + "\\zthelp.dll");
  CHECK_EQ(RunToEnd(run, planted), kNoTopicOpener);
  CHECK_EQ(host.Log(), "");

  const std::string onPath = host.NewFolder("onpath");
  host.Copy(standins + "zthelp.dll", onPath + "\\zthelp.dll");
  char oldPath[32768];
  const DWORD length = GetEnvironmentVariableA("PATH", oldPath, sizeof oldPath);
  SetEnvironmentVariableA("PATH", (onPath + ";" + std::string(oldPath, length)).c_str());
  CHECK_EQ(RunToEnd(run), 0);
  SetEnvironmentVariableA("PATH", oldPath);
  CHECK_EQ(host.Log().substr(0, 15), "OpenTopic hwnd=");
}

}  // namespace vantor::win32::test
