// An installation as the program reads it: the settings file (its lines,
// and the values as the program's reader gives them), the coached task and
// the clip list read by the program's rules, and the help title parsed by
// the program's own parser. Every check looks at this.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "check/finding.h"
#include "check/ini_map.h"
#include "platform/code_page.h"
#include "platform/drives.h"
#include "platform/file_reader.h"
#include "platform/multimedia.h"
#include "platform/text_measurer.h"
#include "settings/ini_file.h"
#include "topics/help_title.h"

namespace vantor::check {

inline constexpr const char* kSettingsFile = "zthelp.ini";
inline constexpr const char* kTitleFile = "Vantor.m14";

// What the checker asks of the computer it runs on.
struct CheckServices {
  Drives& drives;
  FileReader& files;
  Multimedia& multimedia;
  CodePage& codePage;
  // The fonts of the windows; none: the texts are not measured.
  TextMeasurer* measurer = nullptr;
};

struct TaskStep {
  std::string name;
  std::int32_t startTopic = 0;
};

struct TaskTopic {
  std::string id;
  std::int32_t back = 0;
  std::int16_t optionSet = -1;
  bool hidden = false;
  std::string doIt;
};

struct TaskOptionSet {
  std::int32_t height = 0;
  std::vector<std::string> texts;  // maxOptionButtons of them, held to the window's rows
};

// The task as the coach loads it (LoadSteps, LoadTopics,
// LoadOptionButtonSets), every set of numOBSets read.
struct Task {
  std::vector<TaskStep> steps;
  std::vector<TaskTopic> topics;
  std::int32_t setCount = 0;          // numOBSets as written
  std::int16_t maxOptionButtons = 0;  // as written
  std::vector<TaskOptionSet> sets;    // numOBSets of them (none when it is below 1)
};

struct ClipEntry {
  std::string button;
  std::string file;
};

struct Installation {
  Installation() = default;
  // titleTopics points into title.
  Installation(const Installation&) = delete;
  Installation& operator=(const Installation&) = delete;

  std::string folder;  // as given, Windows path
  std::string settingsBytes;
  std::string settingsText;  // in the code page, as the profile functions give it
  IniMap ini;
  ini::Index index;
  bool titleRead = false;
  std::string titleText;
  topics::HelpTitle title;
  Task task;
  // The topic the program shows for each identifier (the first of its name,
  // without regard to case), for looking up thousands of them.
  std::unordered_map<std::string, const topics::Topic*> titleTopics;
  std::vector<ClipEntry> clips;  // as the video window lists them

  std::string Read(const std::string& section, const std::string& key) const;
  std::int32_t ReadInt(const std::string& section, const std::string& key,
                       std::int32_t fallback) const;
  // A 16-bit field: a number that does not fit reads as the fallback.
  std::int16_t ReadInt16(const std::string& section, const std::string& key,
                         std::int16_t fallback) const;
  // HelpTitle::Find, by the index above.
  const topics::Topic* FindTopic(const std::string& id) const;
  int Line(const std::string& section, const std::string& key = {}) const {
    return ini.LineOf(section, key);
  }
};

// Reads the task and the clip list from the settings (the first two
// members filled in).
void ReadTaskAndClips(Installation& install);
// Parses the help title and indexes its topics.
void ReadTitle(Installation& install, std::string text);

std::string StepSection(int n);
std::string TopicSection(int n);
std::string SetSection(int n);
std::string ClipSection(int n);

// Collects findings; the checks add to it.
class Findings {
 public:
  void Add(Severity severity, std::string file, int line, const char* check, std::string message) {
    list.push_back(Finding{std::move(file), line, severity, check, std::move(message)});
  }
  // A finding on a line of the settings file.
  void Ini(Severity severity, int line, const char* check, std::string message) {
    Add(severity, kSettingsFile, line, check, std::move(message));
  }
  std::vector<Finding> list;
};

// `"text"`, for quoting a value in a message.
std::string Quoted(const std::string& text);

}  // namespace vantor::check
