// The coached task: its numbered lists, and whether every number in it
// points at something the coach has.
#include <algorithm>
#include <set>

#include "check/checks.h"
#include "check/known_names.h"
#include "coach/coach_geometry.h"
#include "coach/scan_actions.h"
#include "common/text.h"

namespace vantor::check {
namespace {

// The sections of a numbered kind that are read (the first of each name),
// by number.
std::vector<std::pair<int, const IniSection*>> Numbered(const IniMap& ini, const char* stem) {
  std::vector<std::pair<int, const IniSection*>> found;
  for (const IniSection& section : ini.Sections()) {
    int number = -1;
    const SectionKind* kind = KindOfSection(section.name, &number);
    if (kind && kind->numbered && SameWithoutCase(kind->name, stem) &&
        ini.Find(section.name) == &section)
      found.emplace_back(number, &section);
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::string Range(const std::string& stem, int first, int last) {
  return first == last
             ? "[" + stem + std::to_string(first) + "]"
             : "[" + stem + std::to_string(first) + "] to [" + stem + std::to_string(last) + "]";
}

// The option sets that any topic section of the file names, read or not: a
// topic left out by a gap in the list is reported there.
std::set<std::string> SetsNamedInFile(const IniMap& ini) {
  std::set<std::string> named;
  for (const IniSection& section : ini.Sections()) {
    const std::string near =
        KindOfSection(section.name) ? std::string(section.name) : NearSectionName(section.name);
    if (near.size() <= 10 || !SameWithoutCase(near.substr(0, 10), "coachTopic")) continue;
    for (const IniKey& key : section.keys)
      if (SameWithoutCase(key.name, "OptionButtonSet"))
        named.insert(std::string(UnquotedValue(key.value)));
  }
  return named;
}

}  // namespace

bool ReportListEnd(CheckContext& c, const ListRule& rule, int count) {
  const IniMap& ini = c.install.ini;
  const auto sections = Numbered(ini, rule.stem);
  std::vector<int> lost;
  for (const auto& [number, section] : sections)
    if (number > count && number < rule.limit) lost.push_back(number);
  for (const auto& [number, section] : sections) {
    if (number < rule.limit) continue;
    c.findings.Ini(Severity::Warning, section->line, rule.check,
                   "[" + section->name + "] is never read: " + rule.limitText);
  }
  if (lost.empty()) return false;
  const std::string here = rule.stem + std::to_string(count);
  const std::string lostText = Range(rule.stem, lost.front(), lost.back());
  const std::string consequence = count == 0 && rule.emptyText ? rule.emptyText : rule.lostText;
  if (const IniSection* section = ini.Find(here)) {
    c.findings.Ini(Severity::Error, c.install.Line(here, rule.key), rule.check,
                   "[" + section->name + "] " + rule.key + " is empty: it ends the " + rule.what +
                       " list, so " + lostText + " are never read and " + consequence +
                       "; give it a " + rule.key);
  } else {
    const IniSection* first = nullptr;
    for (const auto& [number, section] : sections)
      if (number == lost.front()) first = section;
    c.findings.Ini(Severity::Error, first->line, rule.check,
                   "[" + first->name + "] is never read: there is no [" + here + "], where the " +
                       rule.what + " list ends, so " + lostText + " are lost and " + consequence +
                       "; number the sections from 0 without a gap");
  }
  return true;
}

bool HasNumbered(const IniMap& ini, const char* stem) { return !Numbered(ini, stem).empty(); }

void CheckStepList(CheckContext& c) {
  static const ListRule rule{
      "coachStep",
      "BUTTON",
      "step",
      "step-list",
      kMaxSteps,
      "the coach has six step labels, [coachStep0] to [coachStep5]",
      "their step labels are not shown",
      "no step loads at all, so Next does nothing and the coach stays on its first page (step "
      "0's BUTTON is never shown, but it must not be empty)"};
  const Installation& install = c.install;
  const bool ended = ReportListEnd(c, rule, static_cast<int>(install.task.steps.size()));
  if (install.task.steps.empty() && !ended && HasNumbered(install.ini, "coachTopic"))
    c.findings.Ini(Severity::Error, install.Line(StepSection(0)), "step-list",
                   "the task has no steps: Next and Back do nothing; add [coachStep0] with a "
                   "BUTTON and StartTopic=0");
}

void CheckTopicList(CheckContext& c) {
  static const ListRule rule{"coachTopic",
                             "TopicID",
                             "topic",
                             "topic-list",
                             32767,
                             "a task has at most 32767 topics",
                             "the task ends early (Finish comes on the page before)",
                             nullptr};
  const Installation& install = c.install;
  const Task& task = install.task;
  const bool ended = ReportListEnd(c, rule, static_cast<int>(task.topics.size()));
  if (task.topics.empty() && !ended && HasNumbered(install.ini, "coachStep"))
    c.findings.Ini(Severity::Error, install.Line(TopicSection(0)), "topic-list",
                   "the task has no topics: the coach shows an empty page; add [coachTopic0] "
                   "with its TopicID");
  for (std::size_t t = 0; t < task.topics.size(); ++t) {
    if (!task.topics[t].hidden) continue;
    const std::string section = TopicSection(static_cast<int>(t));
    c.findings.Ini(Severity::Note, install.Line(section, "HideTopic"), "topic-list",
                   "[" + section +
                       "] HideTopic is set: the page is hidden as if the user had "
                       "ticked \"don't show again\"; ship it with HideTopic=0");
  }
}

void CheckStartTopics(CheckContext& c) {
  const Installation& install = c.install;
  const Task& task = install.task;
  const int topics = static_cast<int>(task.topics.size());
  for (std::size_t n = 0; n < task.steps.size(); ++n) {
    const std::string section = StepSection(static_cast<int>(n));
    const std::string place =
        "[" + section + "] StartTopic=" + std::to_string(task.steps[n].startTopic);
    const int line = install.Line(section, "StartTopic");
    const std::int32_t start = task.steps[n].startTopic;
    if (topics > 0 && (start < 0 || start >= topics)) {
      c.findings.Ini(Severity::Error, line, "start-topic",
                     place + " is not a topic of the task (" + Range("coachTopic", 0, topics - 1) +
                         "): its step label does nothing; give the number of the step's "
                         "first topic");
    } else if (n == 0 && start > 0) {
      c.findings.Ini(Severity::Error, line, "start-topic",
                     place +
                         ": the coach starts on topic 0, before step 0, and then Next does "
                         "nothing; set it to 0");
    } else if (n > 0 && start <= task.steps[n - 1].startTopic) {
      c.findings.Ini(Severity::Warning, line, "start-topic",
                     place + " does not come after [" + StepSection(static_cast<int>(n - 1)) +
                         "]'s StartTopic (" + std::to_string(task.steps[n - 1].startTopic) +
                         "): the steps must follow the topics upward, or the marked step "
                         "goes astray");
    }
  }
}

void CheckTopicIds(CheckContext& c) {
  const Installation& install = c.install;
  if (!install.titleRead) return;
  for (std::size_t t = 0; t < install.task.topics.size(); ++t) {
    const std::string& id = install.task.topics[t].id;
    const std::string section = TopicSection(static_cast<int>(t));
    const int line = install.Line(section, "TopicID");
    const topics::Topic* topic = install.FindTopic(id);
    const std::string place = "[" + section + "] TopicID " + Quoted(id);
    if (!topic) {
      c.findings.Ini(Severity::Error, line, "topic-id",
                     place + " has no topic in " + kTitleFile +
                         ": the page is blank; correct "
                         "the TopicID or add \"@topic " +
                         id + "\" there");
    } else if (topic->blocks.empty()) {
      c.findings.Ini(Severity::Warning, line, "topic-id",
                     place + ": its topic in " + kTitleFile + " (line " +
                         std::to_string(topic->line) + ") has no text, so the page is blank");
    }
  }
}

void CheckBackOffsets(CheckContext& c) {
  const Installation& install = c.install;
  const Task& task = install.task;
  const int topics = static_cast<int>(task.topics.size());
  int firstVisible = 0;
  while (firstVisible < topics && task.topics[firstVisible].hidden) ++firstVisible;
  for (int t = firstVisible + 1; t < topics; ++t) {
    const std::string section = TopicSection(t);
    const std::int32_t back = task.topics[t].back;
    const std::string place = "[" + section + "] Back=" + std::to_string(back);
    const int line = install.Line(section, "Back");
    const std::int64_t target = static_cast<std::int64_t>(t) + back;
    if (back == 0) {
      c.findings.Ini(Severity::Warning, line, "back",
                     place +
                         ": Back is enabled on this page but does nothing; give the offset "
                         "to the page Back goes to (-1 for the one before)");
    } else if (target < 0 || target >= topics) {
      c.findings.Ini(Severity::Error, line, "back",
                     place + " points to topic " + std::to_string(target) +
                         ", which the task does not have: Back does nothing here; give the "
                         "offset to the page Back goes to (-1 for the one before)");
    } else if (back > 0) {
      c.findings.Ini(Severity::Warning, line, "back",
                     place + " goes forward, to [" + TopicSection(static_cast<int>(target)) +
                         "]: Back offsets are normally negative (-1 for the page before)");
    }
  }
}

void CheckOptionSets(CheckContext& c) {
  const Installation& install = c.install;
  const Task& task = install.task;
  const int sets = static_cast<int>(task.sets.size());
  const std::string setRange =
      sets == 0 ? "there are none" : "there are " + Range("OptionButtons", 0, sets - 1);
  const int buttonsLine = install.Line("OptionButtons", "maxOptionButtons");
  if (task.maxOptionButtons > kMaxOptionButtons || task.maxOptionButtons < 0)
    c.findings.Ini(Severity::Warning, buttonsLine, "option-set",
                   "[OptionButtons] maxOptionButtons=" + std::to_string(task.maxOptionButtons) +
                       ": the coach has nine option rows (OptionButtonText0 to "
                       "OptionButtonText8); write a number from 0 to 9");
  std::vector<bool> used(static_cast<std::size_t>(sets), false);
  for (std::size_t t = 0; t < task.topics.size(); ++t) {
    const std::int16_t set = task.topics[t].optionSet;
    if (set == -1) continue;
    const std::string section = TopicSection(static_cast<int>(t));
    const std::string place = "[" + section + "] OptionButtonSet=" + std::to_string(set);
    const int line = install.Line(section, "OptionButtonSet");
    const std::string doIt = static_cast<std::int32_t>(t) == kOutputTopic
                                 ? ", but Do It still sets the output type of a choice the user "
                                   "never saw"
                                 : "";
    if (set < -1 || set >= sets) {
      c.findings.Ini(Severity::Error, line, "option-set",
                     place + " names no option set ([OptionButtons] numOBSets=" +
                         std::to_string(task.setCount) + ": " + setRange +
                         "): the page shows no choices" + doIt +
                         "; correct the number, or add the set and raise numOBSets");
      continue;
    }
    used[set] = true;
    const auto& texts = task.sets[set].texts;
    if (std::all_of(texts.begin(), texts.end(), [](const std::string& s) { return s.empty(); }))
      c.findings.Ini(
          Severity::Error, line, "option-set",
          place + ": [" + SetSection(set) + "] has no OptionButtonText within maxOptionButtons=" +
              std::to_string(task.maxOptionButtons) + ", so the page shows no choices" + doIt);
  }
  const int shown = std::clamp<int>(task.maxOptionButtons, 0, kMaxOptionButtons);
  const std::set<std::string> named = SetsNamedInFile(install.ini);
  for (const auto& [number, section] : Numbered(install.ini, "OptionButtons")) {
    if (number >= sets) {
      c.findings.Ini(Severity::Warning, section->line, "option-set",
                     "[" + section->name + "] is never read: [OptionButtons] numOBSets is " +
                         std::to_string(task.setCount) + "; raise it to " +
                         std::to_string(number + 1));
      continue;
    }
    const TaskOptionSet& set = task.sets[number];
    for (const IniKey& key : section->keys) {
      int m = -1;
      if (key.name.size() > 16 && SameWithoutCase(key.name.substr(0, 16), "OptionButtonText") &&
          IsPlainNumber(key.name.substr(16)) && key.name.size() < 20)
        m = std::stoi(key.name.substr(16));
      if (m < shown || UnquotedValue(key.value).empty()) continue;
      c.findings.Ini(Severity::Warning, key.line, "option-set",
                     "[" + section->name + "] " + key.name + " is never shown: " +
                         (m >= kMaxOptionButtons ? std::string("the coach has nine option rows")
                                                 : "[OptionButtons] maxOptionButtons is " +
                                                       std::to_string(task.maxOptionButtons) +
                                                       "; raise it to " + std::to_string(m + 1)));
    }
    const auto lastFilled = std::find_if(set.texts.rbegin(), set.texts.rend(),
                                         [](const std::string& s) { return !s.empty(); });
    const int filled = static_cast<int>(set.texts.rend() - lastFilled);
    for (int b = 0; b < filled; ++b) {
      if (!set.texts[b].empty()) continue;
      const std::string key = "OptionButtonText" + std::to_string(b);
      c.findings.Ini(Severity::Warning, install.Line(section->name, key), "option-set",
                     "[" + section->name + "] " + key +
                         " is missing or empty: its row stays empty between the choices");
    }
    if (used[number] && (set.height <= 0 || set.height > kPaneBounds.height))
      c.findings.Ini(Severity::Warning, install.Line(section->name, "topicHeight"), "option-set",
                     "[" + section->name + "] topicHeight=" + std::to_string(set.height) +
                         ": the pane above the choices must be 1 to " +
                         std::to_string(kPaneBounds.height) + " pixels high");
    if (!used[number] && !named.count(std::to_string(number)))
      c.findings.Ini(Severity::Note, section->line, "option-set",
                     "[" + section->name + "] is shown on no page: no topic has OptionButtonSet=" +
                         std::to_string(number));
  }
}

void CheckScanActions(CheckContext& c) {
  const Installation& install = c.install;
  const Task& task = install.task;
  const auto topicCount = static_cast<std::int32_t>(task.topics.size());
  if (kSelectionTopic < topicCount && task.topics[kSelectionTopic].doIt.empty()) {
    const std::string section = TopicSection(kSelectionTopic);
    c.findings.Ini(Severity::Warning, install.Line(section), "scan-action",
                   "[" + section +
                       "] has no DoItButton: topic 4 is where Do It zooms the "
                       "preview to the marked area, and without it the zoom is never offered");
  }
  if (kOutputTopic < topicCount && task.topics[kOutputTopic].doIt.empty()) {
    const std::string section = TopicSection(kOutputTopic);
    c.findings.Ini(Severity::Error, install.Line(section), "scan-action",
                   "[" + section +
                       "] has no DoItButton: topic 8's Do It is what sets the "
                       "chosen output type in the scanning application; without it nothing is set");
  }
  // The choices the scanning actions mark or act on, by topic.
  struct Needs {
    std::int32_t topic;
    int choices;
    const char* why;
  };
  static const Needs kNeeds[] = {
      {kKindOfPageTopic, 7, "marks one of 7 choices (by the output type) for the kind of original"},
      {kColoursTopic, 5, "marks one of 5 choices for what the picture is for"},
      {kOutputTopic, 8, "sets the output type of one of 8 choices with Do It"},
  };
  for (const Needs& needs : kNeeds) {
    if (needs.topic >= topicCount) continue;
    const std::string section = TopicSection(needs.topic);
    const std::int16_t set = task.topics[needs.topic].optionSet;
    const std::string head =
        "[" + section + "]: topic " + std::to_string(needs.topic) + " " + needs.why + ", ";
    const std::string renumbered =
        "; topics 2, 4, 6, 7 and 8 act on the scanning application by number, so a topic added "
        "or removed before them moves the others";
    if (set == -1) {
      c.findings.Ini(Severity::Error, install.Line(section), "scan-action",
                     head + "but it shows no option set" + renumbered);
      continue;
    }
    if (set < 0 || set >= static_cast<int>(task.sets.size())) continue;  // option-set says it
    std::string missing;
    const auto& texts = task.sets[set].texts;
    for (int b = 0; b < needs.choices; ++b) {
      if (b < static_cast<int>(texts.size()) && !texts[b].empty()) continue;
      missing +=
          (missing.empty() ? "" : ", ") + std::string("OptionButtonText") + std::to_string(b);
    }
    if (!missing.empty())
      c.findings.Ini(Severity::Error, install.Line(section, "OptionButtonSet"), "scan-action",
                     head + "but [" + SetSection(set) + "] lacks " + missing + renumbered);
  }
}

}  // namespace vantor::check
