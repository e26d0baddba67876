#include "check.h"

#include <cstdio>
#include <vector>

namespace vantor::win32::test {

namespace {

struct Case {
  const char* name;
  TestFunction function;
};

std::vector<Case>& Cases() {
  static std::vector<Case> cases;
  return cases;
}

int failures = 0;

}  // namespace

Registrar::Registrar(const char* name, TestFunction function) {
  Cases().push_back({name, function});
}

void Fail(const std::string& what, const char* file, int line) {
  ++failures;
  std::printf("  FAILED %s:%d: %s\n", file, line, what.c_str());
  std::fflush(stdout);
}

int RunAll(const std::string& filter) {
  int run = 0;
  int failedCases = 0;
  for (const Case& c : Cases()) {
    if (!filter.empty() && std::string(c.name).find(filter) == std::string::npos) continue;
    const int before = failures;
    std::printf("%s\n", c.name);
    std::fflush(stdout);
    c.function();
    ++run;
    if (failures != before) ++failedCases;
  }
  std::printf("backend tests: %d cases, %d failed, %d failed checks\n", run, failedCases, failures);
  return failures;
}

}  // namespace vantor::win32::test
