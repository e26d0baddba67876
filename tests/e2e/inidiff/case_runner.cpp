#include "case_runner.h"

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

namespace inidiff {
namespace {

std::string Shown(const std::optional<std::string>& value) {
  return value ? Quote(*value) : std::string("missing");
}

void RunCase(const Case& c, Profile& profile, std::ostream& out) {
  const std::string prefix = "case " + std::to_string(c.number);
  out << prefix << ": " << c.title << '\n';
  profile.Begin(c);
  bool wrote = false;
  int index = 0;
  for (const Op& op : c.ops) {
    ++index;
    switch (op.kind) {
      case OpKind::ReadString:
        out << prefix << " read " << index << ": " << Shown(profile.ReadString(op.section, op.key))
            << '\n';
        break;
      case OpKind::ReadInt:
        out << prefix << " int " << index << ": "
            << profile.ReadInt(op.section, op.key, op.fallback) << '\n';
        break;
      case OpKind::Write:
        profile.Write(op.section, op.key, op.value);
        out << prefix << " write " << index << ": done\n";
        wrote = true;
        break;
    }
  }
  if (wrote) {
    for (const auto& [section, key] : KeysOfCase(c)) {
      out << prefix << " after [" << section << "] " << key << ": "
          << Shown(profile.ReadString(section, key)) << '\n';
    }
  }
  profile.End();
}

}  // namespace

void RunCases(const std::vector<Case>& cases, Profile& profile, std::ostream& out) {
  for (const Case& c : cases) RunCase(c, profile, out);
}

int RunMain(int argc, char** argv, Profile& profile) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: " << argv[0] << " <cases file> [case number]\n";
    return 2;
  }
  std::ifstream file(argv[1], std::ios::binary);
  if (!file) {
    std::cerr << argv[0] << ": cannot open " << argv[1] << '\n';
    return 2;
  }
  std::ostringstream table;
  table << file.rdbuf();
  try {
    std::vector<Case> cases = ParseCases(table.str());
    if (argc == 3) {
      const int only = std::atoi(argv[2]);
      std::erase_if(cases, [only](const Case& c) { return c.number != only; });
    }
    RunCases(cases, profile, std::cout);
  } catch (const std::runtime_error& error) {
    std::cerr << argv[0] << ": " << error.what() << '\n';
    return 2;
  }
  return 0;
}

}  // namespace inidiff
