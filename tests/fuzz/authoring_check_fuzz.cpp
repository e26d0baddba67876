// libFuzzer target for vantor-check: any settings file, help title and clip
// checked on the simulated desktop, fit checks included.
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   build/fuzz/authoring_check_fuzz -max_total_time=60
//
// Beyond "no crash, no undefined behaviour": the check ends with status 0
// or 1 (the files are there), and every finding about a line of the
// settings file or the help title points at a line the file has.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "check/checker.h"
#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_drives.h"
#include "platform/sim/sim_form_host.h"
#include "platform/sim/sim_multimedia.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Lines as the settings reader counts them (CR LF, LF or a lone CR end one).
int LineCount(const std::string& text) {
  int lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      ++lines;
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace vantor;
  FuzzedDataProvider data(bytes, size);
  const std::string ini = data.ConsumeRandomLengthString(1 << 16);
  const std::string title = data.ConsumeRandomLengthString(1 << 16);
  const std::string clip = data.ConsumeRemainingBytesAsString();

  sim::SimDrives drives;
  sim::FakeMciDevice mci([] { return 0LL; });
  sim::Windows1252 codePage;
  sim::FixedTextMeasurer measurer;  // the fit checks run too
  drives.PutFile("C:\\Vantor\\zthelp.ini", ini);
  drives.PutFile("C:\\Vantor\\Vantor.m14", title);
  drives.PutFile("C:\\Vantor\\clips\\vantor-clips.id", "");
  drives.PutFile("C:\\Vantor\\clips\\place.avi", clip);
  check::CheckServices services{drives, drives, mci, codePage, &measurer};
  const check::CheckReport report = check::CheckInstallation("C:\\Vantor", services);

  Check(report.status == check::kClean || report.status == check::kErrorsFound);
  const int iniLines = LineCount(codePage.SettingsText(ini));
  const int titleLines = static_cast<int>(std::count(title.begin(), title.end(), '\n')) + 1;
  for (const check::Finding& finding : report.findings) {
    Check(finding.line >= 0);
    if (finding.file == "zthelp.ini") Check(finding.line <= iniLines);
    if (finding.file == "Vantor.m14") Check(finding.line <= titleLines);
    Check(!finding.message.empty());
  }
  return 0;
}
