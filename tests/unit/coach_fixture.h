// A coach window over a ten-topic scanning task on the simulated desktop.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "coach/coach_geometry.h"
#include "coach/frm_coach.h"
#include "coach/frm_coach_design.h"
#include "sim_fixture.h"

namespace vantor::testing {

// A settings file built section by section; a later Set of the same key
// replaces the earlier value in place.
class IniText {
 public:
  IniText& Set(const std::string& section, const std::string& key, const std::string& value) {
    auto& keys = sections_[Index(section)].second;
    for (auto& kv : keys)
      if (kv.first == key) return kv.second = value, *this;
    keys.emplace_back(key, value);
    return *this;
  }
  std::string Text() const {
    std::string text;
    for (const auto& [section, keys] : sections_) {
      text += "[" + section + "]\n";
      for (const auto& [key, value] : keys) text += key + "=" + value + "\n";
    }
    return text;
  }

 private:
  std::size_t Index(const std::string& section) {
    for (std::size_t i = 0; i < sections_.size(); ++i)
      if (sections_[i].first == section) return i;
    sections_.push_back({section, {}});
    return sections_.size() - 1;
  }
  std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

// Topics 0 to 9, each with Back -1; steps 0 (from topic 0), 1 (from 2) and
// 2 (from 5). Do It on topics 2, 4 and 8; option sets on 6, 7 and 8; the
// don't-show box on topics 3, 5 and 9.
inline IniText ScanTask() {
  IniText ini;
  ini.Set("frmCoach Text", "Title", "Scan Coach")
      .Set("frmCoach Text", "NextButton", "Next >")
      .Set("frmCoach Text", "NextButtonToolTip", "Go on")
      .Set("frmCoach Text", "FinishButton", "Finish")
      .Set("frmCoach Text", "FinishButtonToolTip", "All done")
      .Set("frmCoach Text", "DoItButton", "Do It")
      .Set("frmScanning Text", "Title", "Scanning")
      .Set("frmScanning Text", "PreviewScanMessage", "Making a preview...");
  const char* steps[][2] = {{"Start", "0"}, {"Preview", "2"}, {"Output", "5"}};
  for (int s = 0; s < 3; ++s)
    ini.Set("coachStep" + std::to_string(s), "BUTTON", steps[s][0])
        .Set("coachStep" + std::to_string(s), "StartTopic", steps[s][1]);
  ini.Set("OptionButtons", "numOBSets", "3").Set("OptionButtons", "maxOptionButtons", "8");
  const std::vector<std::vector<std::string>> sets = {
      {"Photo", "Text", "Drawing", "Mixed", "Colour", "Grey", "Few colours"},
      {"Millions", "Grey", "256", "16", "Web"},
      {"A", "B", "C", "D", "E", "F", "G", "H"}};
  for (int s = 0; s < 3; ++s) {
    const std::string section = "OptionButtons" + std::to_string(s);
    ini.Set(section, "topicHeight", s == 2 ? "200" : "250");
    for (std::size_t b = 0; b < sets[s].size(); ++b)
      ini.Set(section, "OptionButtonText" + std::to_string(b), sets[s][b]);
  }
  for (int t = 0; t < 10; ++t) {
    const std::string section = "coachTopic" + std::to_string(t);
    ini.Set(section, "TopicID", "T" + std::to_string(t)).Set(section, "Back", "-1");
    if (t == 2 || t == 4 || t == 8) ini.Set(section, "DoItButton", "Do it on " + std::to_string(t));
    if (t == 3 || t == 5 || t == 9) ini.Set(section, "HideButton", "1");
    if (t >= 6 && t <= 8) ini.Set(section, "OptionButtonSet", std::to_string(t - 6));
  }
  return ini;
}

class CoachTest : public SimTest {
 protected:
  void OpenCoach(const IniText& ini = ScanTask()) {
    WriteIni(ini.Text());
    coach = std::make_unique<frmCoach>(program);
    coach->Load();
  }
  sim::SimFormHost& Window() { return *sim.FindForm("frmCoach"); }
  template <class T>
  sim::SimControl& C(const ControlDecl<T>& control) {
    return Window().Control(control);
  }
  void Next() { Window().Click(coach_controls::kNext); }
  void Back() { Window().Click(coach_controls::kBack); }
  std::int32_t Topic() const { return program.coach.CurrentTopic; }
  // Next until `topic` is shown (the preview scan, when asked for, is done
  // at once).
  void NextTo(std::int32_t topic) {
    sim.helpHost.previewDoneForced = true;
    StepUntil([&] { return Topic() >= topic; }, [&] { Next(); });
  }
  // Which step labels (1 to 5) are green.
  std::vector<int> GreenSteps() {
    std::vector<int> green;
    for (int i = 1; i < kMaxSteps; ++i)
      if (C(coach_controls::kStepText[i]).design.foreColor == 0x008000) green.push_back(i);
    return green;
  }
  // Index of the option shown as chosen, -1 for none, -2 for several.
  int MarkedOption() {
    int marked = -1;
    for (int i = 0; i < kMaxOptionButtons; ++i)
      if (C(coach_controls::kOptionImage[i]).picture == "ico_opt_on")
        marked = marked == -1 ? i : -2;
    return marked;
  }
  std::vector<std::string> HostCalls(const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& call : sim.helpHost.calls)
      if (call.rfind(prefix, 0) == 0) found.push_back(call);
    return found;
  }

  std::unique_ptr<frmCoach> coach;
};

}  // namespace vantor::testing
