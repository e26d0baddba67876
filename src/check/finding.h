// What the authoring checker reports: one finding per mistake, at the line
// of the file that holds it, in the form compilers use and editors follow
// ("zthelp.ini:123: error: [coachTopic3] ..."), or as JSON for other tools.
#pragma once

#include <string>
#include <vector>

namespace vantor::check {

enum class Severity {
  Error,    // the user will meet a fault
  Warning,  // likely a mistake
  Note,     // worth knowing, nothing wrong
};

struct Finding {
  std::string file;  // the file's name within the installation, e.g. "zthelp.ini"
  int line = 0;      // from 1; 0 when the finding is about the whole file
  Severity severity = Severity::Error;
  std::string check;    // the check that found it, e.g. "topic-id"
  std::string message;  // names the section and key and says what to do
  friend bool operator==(const Finding&, const Finding&) = default;
};

// "zthelp.ini:123: error: message", or "zthelp.ini: error: message" for a
// finding about a whole file.
std::string FindingLine(const Finding& finding);

// "2 errors, 1 warning, 0 notes".
std::string SummaryLine(const std::vector<Finding>& findings);

// The findings as a JSON array of objects with file, line, severity, check
// and message; `toUtf8` turns the program's texts (in the system's code
// page) into UTF-8.
template <class ToUtf8>
std::string FindingsJson(const std::vector<Finding>& findings, ToUtf8 toUtf8);

std::string JsonString(const std::string& utf8);

// In the order an author reads them: the settings file, the help title,
// then the other files by name; by line within a file; found order for ties.
void SortFindings(std::vector<Finding>& findings);

bool HasErrors(const std::vector<Finding>& findings);

const char* SeverityName(Severity severity);

template <class ToUtf8>
std::string FindingsJson(const std::vector<Finding>& findings, ToUtf8 toUtf8) {
  std::string json = "[";
  for (std::size_t i = 0; i < findings.size(); ++i) {
    const Finding& f = findings[i];
    json += i == 0 ? "\n  " : ",\n  ";
    json += "{\"file\": " + JsonString(toUtf8(f.file)) + ", \"line\": " + std::to_string(f.line) +
            ", \"severity\": \"" + SeverityName(f.severity) +
            "\", \"check\": " + JsonString(f.check) +
            ", \"message\": " + JsonString(toUtf8(f.message)) + "}";
  }
  json += findings.empty() ? "]" : "\n]";
  return json;
}

}  // namespace vantor::check
