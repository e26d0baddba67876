// vantor-check: the authoring checker's console program. It reads an
// installation with the program's own core and backend and prints what is
// wrong in it (docs/authoring.md).
//
//   vantor-check [--json] [--clips FOLDER] [FOLDER]
//   vantor-check --pictures DIR [FOLDER]
#include <cstdio>
#include <string>
#include <vector>

#include "check/checker.h"
#include "check/picture_platform.h"
#include "check/window_pictures.h"
#include "platform/win32/app.h"
#include "platform/win32/mci_layer.h"
#include "platform/win32/win32.h"
#include "platform/win32/win32_check_services.h"
#include "platform/win32/win32_drives.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_camera.h"
#include "program.h"

namespace {

constexpr const char* kUsage =
    "usage: vantor-check [--json] [--clips FOLDER] [FOLDER]\n"
    "       vantor-check --pictures DIR [FOLDER]\n"
    "Checks the Vantor installation in FOLDER (default: the folder of vantor-check.exe):\n"
    "zthelp.ini, Vantor.m14, the topic pane's pictures, the clip list and the clips.\n"
    "  --json          print the findings as a JSON array\n"
    "  --clips FOLDER  check the clips in FOLDER instead of the folder the settings name\n"
    "  --list          list every check with its severities\n"
    "  --pictures DIR  write a picture of every page of the coach and of every other\n"
    "                  window into DIR, as PNG files, instead of checking\n"
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

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The program's own windows, loaded for pictures on a platform that acts on
// nothing, each written as DIR\<name>.png. 0: every window has its
// pictures; 1: some have none; 2: the installation or DIR is not there.
int TakePictures(const std::string& folder, const std::string& pictures) {
  if (!IsFolder(folder) || !IsFolder(pictures) ||
      GetFileAttributesA((folder + "\\zthelp.ini").c_str()) == INVALID_FILE_ATTRIBUTES) {
    Print("vantor-check: " + (IsFolder(pictures) ? folder + "\\zthelp.ini" : pictures) +
              ": not found\n",
          stderr);
    return vantor::check::kUnreadable;
  }
  vantor::win32::App app(GetModuleHandleW(nullptr));
  vantor::win32::Win32Platform real(app);
  vantor::check::PicturePlatform platform(real, folder);
  vantor::Program program(platform);
  vantor::win32::Win32WindowCamera camera(pictures);
  const vantor::check::PicturesTaken taken = vantor::check::TakeWindowPictures(program, camera);
  for (const std::string& name : taken.taken) Print(pictures + "\\" + name + ".png\n");
  for (const std::string& missed : taken.missed)
    Print("vantor-check: no picture of " + missed + "\n");
  Print("vantor-check: " + std::to_string(taken.taken.size()) + " pictures in " + pictures + "\n");
  return taken.missed.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool list = false;
  std::string folder;
  std::string pictures;
  vantor::check::CheckOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--json") {
      json = true;
    } else if (arg == "--list") {
      list = true;
    } else if (arg == "--pictures" && i + 1 < argc) {
      pictures = argv[++i];
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
  if (!pictures.empty()) return TakePictures(folder, pictures);

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
