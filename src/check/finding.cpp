#include "check/finding.h"

#include <algorithm>
#include <cstdio>

#include "common/text.h"

namespace vantor::check {
namespace {

std::string Counted(std::size_t n, const char* one, const char* many) {
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

int FileRank(const std::string& file) {
  if (SameWithoutCase(file, "zthelp.ini")) return 0;
  if (SameWithoutCase(file, "Vantor.m14")) return 1;
  return 2;
}

}  // namespace

const char* SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error:
      return "error";
    case Severity::Warning:
      return "warning";
    case Severity::Note:
      return "note";
  }
  return "error";
}

std::string FindingLine(const Finding& finding) {
  std::string line = finding.file;
  if (finding.line > 0) line += ":" + std::to_string(finding.line);
  return line + ": " + SeverityName(finding.severity) + ": " + finding.message;
}

std::string SummaryLine(const std::vector<Finding>& findings) {
  std::size_t counts[3] = {0, 0, 0};
  for (const Finding& f : findings) ++counts[static_cast<int>(f.severity)];
  return Counted(counts[0], "error", "errors") + ", " + Counted(counts[1], "warning", "warnings") +
         ", " + Counted(counts[2], "note", "notes");
}

std::string JsonString(const std::string& utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void SortFindings(std::vector<Finding>& findings) {
  std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
    const int rankA = FileRank(a.file);
    const int rankB = FileRank(b.file);
    if (rankA != rankB) return rankA < rankB;
    if (a.file != b.file) return a.file < b.file;
    return a.line < b.line;
  });
}

bool HasErrors(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& f) { return f.severity == Severity::Error; });
}

}  // namespace vantor::check
