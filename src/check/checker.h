// vantor-check: finds the mistakes of an installation's authors in
// zthelp.ini, the help title, the pictures, the clip list and the clips,
// reading each file as the program does, and says where each one is and
// what to do about it.
#pragma once

#include <string>
#include <vector>

#include "check/finding.h"
#include "check/installation.h"

namespace vantor::check {

struct CheckOptions {
  // The folder to check the clips in; empty: the one the settings name
  // (MoviesLastFoundAt), else the clip folder below the installation.
  std::string clipFolder;
};

// Exit status of vantor-check.
constexpr int kClean = 0;
constexpr int kErrorsFound = 1;
constexpr int kUnreadable = 2;  // the folder or zthelp.ini cannot be read

struct CheckReport {
  std::vector<Finding> findings;  // sorted for reading
  int status = kClean;
};

// Checks the installation in `folder` (a Windows path).
CheckReport CheckInstallation(const std::string& folder, CheckServices& services,
                              const CheckOptions& options = {});

// One kind of check, as the documentation lists it.
struct CheckKind {
  const char* name;
  const char* severities;  // e.g. "error, warning"
  const char* what;
};
const std::vector<CheckKind>& CheckKinds();

}  // namespace vantor::check
