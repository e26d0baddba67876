#include "check/installation.h"

#include <limits>

#include "coach/coach_geometry.h"
#include "common/numbers.h"
#include "common/text.h"
#include "video/frm_run_avi_design.h"

namespace vantor::check {

std::string StepSection(int n) { return "coachStep" + std::to_string(n); }
std::string TopicSection(int n) { return "coachTopic" + std::to_string(n); }
std::string SetSection(int n) { return "OptionButtons" + std::to_string(n); }
std::string ClipSection(int n) { return "AVI" + std::to_string(n); }

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

std::string Installation::Read(const std::string& section, const std::string& key) const {
  return index.ReadString(section, key).value_or(std::string());
}

std::int32_t Installation::ReadInt(const std::string& section, const std::string& key,
                                   std::int32_t fallback) const {
  return index.ReadInt(section, key, fallback);
}

std::int16_t Installation::ReadInt16(const std::string& section, const std::string& key,
                                     std::int16_t fallback) const {
  return ToInt16(ReadInt(section, key, fallback)).value_or(fallback);
}

namespace {

std::string LowerId(const std::string& id) {
  std::string lower;
  for (const char c : id) lower += AsciiLower(c);
  return lower;
}

}  // namespace

const topics::Topic* Installation::FindTopic(const std::string& id) const {
  const auto found = titleTopics.find(LowerId(id));
  return found == titleTopics.end() ? nullptr : found->second;
}

void ReadTitle(Installation& install, std::string text) {
  install.titleRead = true;
  install.titleText = std::move(text);
  install.title = topics::HelpTitle::Parse(install.titleText);
  for (const topics::Topic& topic : install.title.Topics())
    if (!topic.id.empty()) install.titleTopics.try_emplace(LowerId(topic.id), &topic);
}

void ReadTaskAndClips(Installation& install) {
  Task& task = install.task;
  for (int n = 0; n < kMaxSteps; ++n) {
    std::string name = install.Read(StepSection(n), "BUTTON");
    if (name.empty()) break;
    task.steps.push_back({std::move(name), install.ReadInt(StepSection(n), "StartTopic", 0)});
  }
  for (int n = 0; n < std::numeric_limits<std::int16_t>::max(); ++n) {
    const std::string section = TopicSection(n);
    std::string id = install.Read(section, "TopicID");
    if (id.empty()) break;
    task.topics.push_back({std::move(id), install.ReadInt(section, "Back", 0),
                           install.ReadInt16(section, "OptionButtonSet", -1),
                           install.ReadInt16(section, "HideTopic", 0) != 0,
                           install.Read(section, "DoItButton")});
  }
  task.setCount = install.ReadInt("OptionButtons", "numOBSets", 0);
  task.maxOptionButtons = install.ReadInt16("OptionButtons", "maxOptionButtons", 0);
  const int buttons = task.maxOptionButtons < 0                   ? 0
                      : task.maxOptionButtons > kMaxOptionButtons ? kMaxOptionButtons
                                                                  : task.maxOptionButtons;
  // More sets than the window could ever be asked for are not read.
  const int sets = task.setCount < 0 ? 0 : task.setCount > 1000 ? 1000 : task.setCount;
  for (int s = 0; s < sets; ++s) {
    TaskOptionSet set{install.ReadInt(SetSection(s), "topicHeight", 0), {}};
    for (int b = 0; b < buttons; ++b)
      set.texts.push_back(install.Read(SetSection(s), "OptionButtonText" + std::to_string(b)));
    task.sets.push_back(std::move(set));
  }
  for (int n = 0; n < kClipLabels; ++n) {
    std::string button = install.Read(ClipSection(n), "BUTTON");
    if (button.empty()) break;
    install.clips.push_back({std::move(button), install.Read(ClipSection(n), "File")});
  }
}

}  // namespace vantor::check
