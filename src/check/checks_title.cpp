// The help title, read by the program's own parser, and the topic pane's
// pictures.
#include <algorithm>
#include <cctype>
#include <set>

#include "check/checks.h"
#include "check/known_names.h"
#include "coach/coach_view.h"
#include "common/text.h"
#include "settings/settings.h"
#include "topics/background_path.h"

namespace vantor::check {
namespace {

// Calls `visit` with each line of the title and its number, as the parser
// splits them (at LF, a CR before it dropped, the signature skipped).
template <class Visit>
void ForEachTitleLine(std::string_view text, Visit visit) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  int number = 0;
  while (!text.empty()) {
    ++number;
    const std::string_view line = TakeLine(text);
    visit(number, line);
  }
}

// For a line that was meant to start a topic ("@topic: mark_area",
// "@Topics mark_area"), the identifier it meant; nullopt for other lines.
std::optional<std::string> MeantTopic(std::string_view trimmed) {
  if (trimmed.empty() || trimmed.front() != '@') return std::nullopt;
  std::string_view rest = TrimBlanks(trimmed.substr(1));
  std::size_t word = 0;
  while (word < rest.size() && std::isalpha(static_cast<unsigned char>(rest[word]))) ++word;
  // One letter off: "@topical" is a word of its own.
  if (word == 0 || NameDistance(rest.substr(0, word), "topic") > 1) return std::nullopt;
  rest.remove_prefix(word);
  while (!rest.empty() && (IsBlank(rest.front()) || rest.front() == ':' || rest.front() == '='))
    rest.remove_prefix(1);
  return std::string(rest.substr(0, rest.find_first_of(" \t")));
}

std::string Lower(std::string_view text) {
  std::string lower;
  for (const char c : text) lower += AsciiLower(c);
  return lower;
}

// The TopicIDs of every topic section of the settings file, read or not
// (a topic left out by a gap in the list is reported there), in lower case.
std::set<std::string> NamedTopics(const IniMap& ini) {
  std::set<std::string> named;
  for (const IniSection& section : ini.Sections()) {
    const SectionKind* kind = KindOfSection(section.name);
    const std::string near = kind ? std::string() : NearSectionName(section.name);
    if (!(kind && SameWithoutCase(kind->name, "coachTopic")) && !near.starts_with("coachTopic"))
      continue;
    for (const IniKey& key : section.keys)
      if (SameWithoutCase(key.name, "TopicID")) named.insert(Lower(UnquotedValue(key.value)));
  }
  return named;
}

std::string OfTopic(const topics::Topic& topic) { return "in topic " + topic.id + ": "; }

}  // namespace

void CheckTitleSyntax(CheckContext& c) {
  const Installation& install = c.install;
  if (!install.titleRead) return;
  const auto& topics = install.title.Topics();
  const int firstTopic = topics.empty() ? 0 : topics.front().line;
  const std::set<std::string> named = NamedTopics(install.ini);
  bool textBefore = false;
  std::size_t next = 0;  // the first topic that starts after the line
  ForEachTitleLine(install.titleText, [&](int number, std::string_view line) {
    while (next < topics.size() && topics[next].line <= number) ++next;
    const std::string_view trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed.front() == '#') return;
    const bool isTopic = next > 0 && topics[next - 1].line == number;
    if (isTopic) return;
    if (const std::optional<std::string> meant = MeantTopic(trimmed)) {
      const std::string before =
          next > 0 ? "the page before (" + topics[next - 1].id + ")" : "no page";
      c.findings.Add(Severity::Error, kTitleFile, number, "title-syntax",
                     Quoted(std::string(trimmed)) +
                         " does not start a topic, so its text runs "
                         "on in " +
                         before + "; write \"@topic " + *meant + "\"");
      return;
    }
    if (!textBefore && (topics.empty() || number < firstTopic)) {
      textBefore = true;
      c.findings.Add(Severity::Warning, kTitleFile, number, "title-syntax",
                     "text before the first \"@topic\" belongs to no topic and is never shown; "
                     "start it with \"@topic <identifier>\" or make it a comment with \"#\"");
    }
  });
  for (const topics::Topic& topic : topics) {
    if (topic.id.empty()) {
      c.findings.Add(Severity::Error, kTitleFile, topic.line, "title-syntax",
                     "\"@topic\" without an identifier: no TopicID can show this text; write "
                     "\"@topic <identifier>\"");
    } else if (topic.id.find_first_of(" \t") != std::string::npos &&
               !named.count(Lower(topic.id))) {
      const std::string first = topic.id.substr(0, topic.id.find_first_of(" \t"));
      c.findings.Add(Severity::Error, kTitleFile, topic.line, "title-syntax",
                     "the identifier is everything after \"@topic\", " + Quoted(topic.id) +
                         ", which no TopicID names: write \"@topic " + first +
                         "\" and put a comment on a line of its own, starting with \"#\"");
    }
    for (const topics::Block& block : topic.blocks) {
      const bool unpaired = std::any_of(block.runs.begin(), block.runs.end(), [](const auto& run) {
        return !run.bold && run.text.find("**") != std::string::npos;
      });
      if (unpaired)
        c.findings.Add(
            Severity::Warning, kTitleFile, block.line, "title-syntax",
            OfTopic(topic) +
                "a \"**\" here has no partner, so it shows "
                "as stars and nothing after it is bold; close the bold text with \"**\"");
    }
  }
}

void CheckTitleTopics(CheckContext& c) {
  const Installation& install = c.install;
  if (!install.titleRead) return;
  const std::set<std::string> named = NamedTopics(install.ini);
  for (const topics::Topic& topic : install.title.Topics()) {
    const topics::Topic* first = install.FindTopic(topic.id);
    if (first && first != &topic) {
      c.findings.Add(Severity::Warning, kTitleFile, topic.line, "title-topic",
                     "\"@topic " + topic.id + "\" is repeated (first at line " +
                         std::to_string(first->line) +
                         "): only the first is shown; rename or delete this one");
    } else if (!topic.id.empty() && topic.id.find_first_of(" \t") == std::string::npos &&
               !install.task.topics.empty() && !named.count(Lower(topic.id))) {
      c.findings.Add(Severity::Warning, kTitleFile, topic.line, "title-topic",
                     "\"@topic " + topic.id + "\" is shown on no page: no TopicID of " +
                         kSettingsFile +
                         " names it; correct the TopicID that should, or "
                         "delete the topic");
    }
  }
}

void CheckPictures(CheckContext& c) {
  const std::string titlePath = JoinPath(c.install.folder, kTitleFile);
  for (const char* name : {kFullPaneBackground, kShortPaneBackground}) {
    const std::string path = topics::BackgroundPath(titlePath, name);
    const std::string file = std::string(name).substr(1);
    const std::optional<std::string> head = c.services.files.ReadFile(path, 2);
    if (!head) {
      c.findings.Add(Severity::Warning, file, 0, "pictures",
                     "the topic pane's background is missing, so the pane is plain white; put " +
                         file + " beside " + kTitleFile);
    } else if (*head != "BM") {
      c.findings.Add(Severity::Warning, file, 0, "pictures",
                     "is not a Windows bitmap, so the topic pane is plain white; save the picture "
                     "as a .bmp file");
    }
  }
}

}  // namespace vantor::check
