// Runs the case table through one implementation of the profile functions
// and prints one line per result, in a form both implementations share so
// that ini_differential.sh can compare them value by value.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "case_file.h"

namespace inidiff {

class Profile {
 public:
  virtual ~Profile() = default;
  // Puts the case's file in place (or removes it when the case has none).
  virtual void Begin(const Case& c) = 0;
  // GetPrivateProfileStringA with a 256-character buffer; nullopt when the
  // section or key is missing.
  virtual std::optional<std::string> ReadString(const std::string& section,
                                                const std::string& key) = 0;
  virtual std::int32_t ReadInt(const std::string& section, const std::string& key,
                               std::int32_t fallback) = 0;
  virtual void Write(const std::string& section, const std::string& key,
                     const std::string& value) = 0;
  virtual void End() = 0;
};

void RunCases(const std::vector<Case>& cases, Profile& profile, std::ostream& out);

// main() of both programs: `<program> <table file> [case number]`.
int RunMain(int argc, char** argv, Profile& profile);

}  // namespace inidiff
