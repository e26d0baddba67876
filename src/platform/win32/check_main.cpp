// vantor-check: the authoring checker's console program. It reads an
// installation with the program's own core and backend and prints what is
// wrong in it (docs/authoring.md).
//
//   vantor-check [--json] [--clips FOLDER] [FOLDER]
#include <cstdio>
#include <string>
#include <vector>

#include "check/checker.h"
#include "platform/win32/mci_layer.h"
#include "platform/win32/win32.h"
#include "platform/win32/win32_check_services.h"
#include "platform/win32/win32_drives.h"

namespace {

constexpr const char* kUsage =
    "usage: vantor-check [--json] [--clips FOLDER] [FOLDER]\n"
    "Checks the Vantor installation in FOLDER (default: the folder of vantor-check.exe):\n"
    "zthelp.ini, Vantor.m14, the topic pane's pictures, the clip list and the clips.\n"
    "  --json          print the findings as a JSON array\n"
    "  --clips FOLDER  check the clips in FOLDER instead of the folder the settings name\n"
    "  --list          list every check with its severities\n"
    "Exit status: 0 no error, 1 errors found, 2 the folder or zthelp.ini cannot be read.\n";

std::string OwnFolder() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path, n);
  const std::size_t slash = full.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : full.substr(0, slash);
}

void Print(const std::string& text, std::FILE* to = stdout) {
  std::fwrite(text.data(), 1, text.size(), to);
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool list = false;
  std::string folder;
  vantor::check::CheckOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--clips" && i + 1 < argc) {
      options.clipFolder = argv[++i];
    } else if (arg == "--help" || arg == "-h" || arg == "/?") {
      Print(kUsage);
      return 0;
    } else if (arg.empty() || arg[0] == '-' || !folder.empty()) {
      Print(kUsage, stderr);
      return vantor::check::kUnreadable;
    } else {
      folder = arg;
    }
  }
  if (list) {
    for (const auto& kind : vantor::check::CheckKinds())
      Print(std::string(kind.name) + " (" + kind.severities + "): " + kind.what + "\n");
    return 0;
  }
  if (folder.empty()) folder = OwnFolder();

  vantor::win32::Win32Drives drives;
  vantor::win32::Win32FileReader files;
  vantor::win32::MciLayer multimedia;
  vantor::win32::Win32CodePage codePage;
  vantor::win32::Win32TextMeasurer measurer;
  vantor::check::CheckServices services{drives, files, multimedia, codePage, &measurer};
  const vantor::check::CheckReport report =
      vantor::check::CheckInstallation(folder, services, options);

  const std::string summary =
      "vantor-check: " + folder + ": " + vantor::check::SummaryLine(report.findings) + "\n";
  if (json) {
    Print(vantor::check::FindingsJson(
              report.findings, [&](const std::string& text) { return codePage.ToUtf8(text); }) +
          "\n");
    Print(summary, stderr);
  } else {
    for (const auto& finding : report.findings) Print(vantor::check::FindingLine(finding) + "\n");
    Print(summary);
  }
  return report.status;
}
