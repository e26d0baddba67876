// Whether each text of the installation fits the place the program's layout
// gives it, measured in the fonts the windows draw it in: a translation is
// often a third longer than the text it replaces, and a cut word or a
// covered title is only seen on the screen.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "check/checks.h"
#include "coach/coach_geometry.h"
#include "coach/frm_coach_design.h"
#include "coach/topic_pane.h"
#include "common/numbers.h"
#include "platform/form.h"
#include "topics/topic_layout.h"
#include "video/frm_run_avi_design.h"
#include "video/playback.h"
#include "video/video_layout.h"
#include "videosource/frm_nocd.h"

namespace vantor::check {
namespace {

constexpr const char* kCoachTexts = "frmCoach Text";
constexpr const char* kVideoTexts = "frmRUNAVI Text";

// The coach's step column: a name that does not fit in one line of 125
// pixels wraps in a label 115 pixels wide and two and a half lines high.
constexpr int kWidestStepName = 125;
constexpr int kWrappedStepName = 115;
// The video window's list column and its gap to the text right of it.
constexpr int kWidestListColumn = 220;
constexpr int kListColumnGap = 10;
// A push button draws its caption inside its 3-D edge and focus mark.
constexpr int kButtonEdge = 4;
constexpr const char* kBlankEntry = " ";  // keeps its place in the list, shows nothing

using MeasureFn = std::function<int(const std::string&)>;

const ControlSpec& Design(const FormSpec& form, const ControlName& declared) {
  for (const ControlSpec& control : form.controls)
    if (control.name == declared.name && control.index == declared.index) return control;
  return form.controls.front();
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (const char ch : text) {
    if (ch == ' ') {
      if (!word.empty()) words.push_back(word);
      word.clear();
    } else {
      word += ch;
    }
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

// A label's word wrap: words onto lines of `room` pixels, a word wider
// than the whole line alone on its line (and cut there).
int LineCount(const std::vector<std::string>& words, int room, const MeasureFn& width) {
  int lines = 0;
  std::string line;
  for (const std::string& word : words) {
    const std::string longer = line.empty() ? word : line + " " + word;
    if (!line.empty() && width(longer) > room) {
      ++lines;
      line = word;
    } else {
      line = longer;
    }
  }
  return lines + (line.empty() ? 0 : 1);
}

// The widest word and by how much it passes `room`; 0 when every word fits.
int WidestWordOver(const std::vector<std::string>& words, int room, const MeasureFn& width,
                   std::string* widest) {
  int over = 0;
  for (const std::string& word : words) {
    if (width(word) - room > over) {
      over = width(word) - room;
      *widest = word;
    }
  }
  return over;
}

std::string Px(int pixels) { return std::to_string(pixels) + (pixels == 1 ? " pixel" : " pixels"); }

// A caption as drawn: "&&" shows one "&", a single "&" marks the access key.
std::string Shown(const std::string& caption) {
  std::string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    if (caption[i] != '&' || (i > 0 && caption[i - 1] == '&')) shown += caption[i];
  }
  return shown;
}

void StepNames(CheckContext& c, TextMeasurer& m) {
  const Font font{"Arial", m.CaptionHeightPx() > 20 ? 10.0 : 12.0, true, false};
  const MeasureFn width = [&](const std::string& t) { return m.MeasureText(font, t).width; };
  const int lineHeight = vantor::Px(m.MeasureText(font, "AA").height);
  const int labelHeight = vantor::Px(2.5 * lineHeight);
  const auto& steps = c.install.task.steps;
  // Step 0 names the task's start and is never shown.
  for (std::size_t i = 1; i < steps.size() && i < kMaxSteps; ++i) {
    const std::string& name = steps[i].name;
    if (vantor::Px(width(name) + 10.0) <= kWidestStepName) continue;
    const std::string place = "[" + StepSection(static_cast<int>(i)) + "] BUTTON ";
    const int line = c.install.Line(StepSection(static_cast<int>(i)), "BUTTON");
    const std::vector<std::string> words = Words(name);
    std::string widest;
    if (const int over = WidestWordOver(words, kWrappedStepName, width, &widest); over > 0)
      c.findings.Ini(Severity::Warning, line, "fit",
                     place + "has the word " + Quoted(widest) + ", " + Px(over) +
                         " wider than the step column (" + Px(kWrappedStepName) +
                         "): the word is cut; shorten it or split it with a blank or hyphen");
    const int lines = LineCount(words, kWrappedStepName, width);
    if (lines * lineHeight > labelHeight)
      c.findings.Ini(Severity::Warning, line, "fit",
                     place + "takes " + std::to_string(lines) + " lines of the step column, " +
                         Px(lines * lineHeight - labelHeight) + " more than its label (" +
                         Px(labelHeight) + " high) shows; shorten it to two lines");
  }
}

// One line of text in a control of the design that does not grow.
void OneLine(CheckContext& c, TextMeasurer& m, const std::string& section, const std::string& key,
             const Font& font, int room, const std::string& where) {
  const std::string text = c.install.Read(section, key);
  if (text.empty()) return;
  const int over = m.MeasureText(font, Shown(text)).width - room;
  if (over > 0)
    c.findings.Ini(Severity::Warning, c.install.Line(section, key), "fit",
                   "[" + section + "] " + key + " " + Quoted(text) + " is " + Px(over) +
                       " wider than " + where + " (" + Px(room) + "): its end is cut");
}

void CoachTexts(CheckContext& c, TextMeasurer& m) {
  using namespace coach_controls;
  const FormSpec design = CoachDesign();
  const ControlSpec& label = Design(design, kDontShowLabel);
  OneLine(c, m, kCoachTexts, "DontShowLabel", label.font, label.bounds.width,
          "the text beside the check box");
  for (const auto& [key, declared] : {std::pair{"BackButton", kBack},
                                      {"NextButton", kNext},
                                      {"CancelButton", kCancel},
                                      {"DoItButton", kDoIt}}) {
    const ControlSpec& button = Design(design, declared);
    OneLine(c, m, kCoachTexts, key, button.font, button.bounds.width - 2 * kButtonEdge,
            "its button");
  }
}

// The coach's option rows as ArrangeTopicPane places them.
class OptionRows final : public OptionRowSurface {
 public:
  OptionRows(TextMeasurer& m, const FormSpec& design) : m_(m), design_(design) {
    font_ = Design(design, coach_controls::kOptionLabel[0]).font;
    font_.bold = false;
  }
  TextSize MeasureOptionText(const std::string& text) override {
    return m_.MeasureText(font_, text);
  }
  Bounds OptionPictureBounds(int row) override {
    return Design(design_, coach_controls::kOptionImage[row]).bounds;
  }
  Bounds OptionLabelBounds(int row) override {
    return Design(design_, coach_controls::kOptionLabel[row]).bounds;
  }

 private:
  TextMeasurer& m_;
  const FormSpec& design_;
  Font font_;
};

void OptionPages(CheckContext& c, TextMeasurer& m) {
  const Task& task = c.install.task;
  const FormSpec design = CoachDesign();
  OptionRows rows(m, design);
  CoachState coach;
  coach.MaxOptionButtons = std::clamp<std::int16_t>(task.maxOptionButtons, 0, kMaxOptionButtons);
  for (const TaskOptionSet& set : task.sets) {
    OptionSet loaded{set.height, set.texts};
    loaded.texts.resize(coach.MaxOptionButtons);
    coach.optionSets.push_back(loaded);
  }
  const OptionRowMeasures measures = MeasureOptionRows(coach, rows);
  const MeasureFn width = [&](const std::string& t) { return rows.MeasureOptionText(t).width; };
  for (std::size_t s = 0; s < coach.optionSets.size(); ++s) {
    const std::string section = SetSection(static_cast<int>(s));
    const PaneArrangement placed = ArrangeTopicPane(coach, static_cast<std::int16_t>(s), measures);
    const int lineHeight = measures.lineHeight;
    for (std::size_t r = 0; r < placed.rows.size(); ++r) {
      const OptionRow& row = placed.rows[r];
      if (!row.shown) continue;
      const std::string key = "OptionButtonText" + std::to_string(r);
      // A caption wider than its label has two lines; a third is cut.
      const int lines = LineCount(Words(row.caption), row.label.width, width);
      const int bottom = row.label.top + std::max(row.label.height, lines * lineHeight);
      const int over = std::max(bottom - kBandTop, (lines - 2) * lineHeight);
      if (over > 0)
        c.findings.Ini(
            Severity::Warning, c.install.Line(section, key), "fit",
            "[" + section + "] " + key + " " + Quoted(row.caption) + " ends " + Px(over) +
                (lines > 2 ? " past its two lines" : " below the band above the check box") +
                ": it is cut; shorten it, or lower topicHeight");
    }
  }
  // The page's text over its options: the pane is as high as topicHeight.
  const Font body{"Arial", 9, false, false}, bold{"Arial", 9, true, false},
      heading{"Arial", 12, true, false};
  const topics::Measure measure = [&](topics::FontKind kind, std::string_view text) {
    const Font& font = kind == topics::FontKind::Heading ? heading
                       : kind == topics::FontKind::Bold  ? bold
                                                         : body;
    return m.MeasureUtf8(font, std::string(text));
  };
  for (std::size_t t = 0; t < task.topics.size(); ++t) {
    const TaskTopic& topic = task.topics[t];
    if (topic.optionSet < 0 || topic.optionSet >= static_cast<int>(coach.optionSets.size()))
      continue;
    const PaneArrangement placed = ArrangeTopicPane(coach, topic.optionSet, measures);
    const topics::Topic* shown = c.install.FindTopic(topic.id);
    if (!shown || placed.paneHeight >= kPaneBounds.height) continue;
    const int over =
        topics::LayOutTopic(*shown, kPaneBounds.width, measure).height - placed.paneHeight;
    if (over > 0) {
      const std::string section = SetSection(topic.optionSet);
      c.findings.Ini(Severity::Warning, c.install.Line(section, "topicHeight"), "fit",
                     "[" + section + "] topicHeight " + std::to_string(placed.paneHeight) + " is " +
                         Px(over) + " short of the text of " + Quoted(topic.id) + " on [" +
                         TopicSection(static_cast<int>(t)) +
                         "]: the user must scroll the page to read it; shorten the text or raise "
                         "topicHeight");
    }
  }
}

void VideoTexts(CheckContext& c, TextMeasurer& m) {
  const Font list{"Arial", m.CaptionHeightPx() <= 20 ? 12.0 : 10.0, true, false};
  std::int16_t widest = 0;
  const auto& clips = c.install.clips;
  for (std::size_t i = 0; i < clips.size() && i < kClipLabels; ++i) {
    if (clips[i].button == kBlankEntry) continue;
    const int measured = m.MeasureText(list, clips[i].button).width;
    const std::int16_t label = Measure16(measured * 7.0 / 100 + measured);
    widest = std::max(widest, label);
    const int over = label + kListColumnGap - kWidestListColumn;
    if (over > 0) {
      const std::string section = ClipSection(static_cast<int>(i));
      c.findings.Ini(Severity::Warning, c.install.Line(section, "BUTTON"), "fit",
                     "[" + section + "] BUTTON " + Quoted(clips[i].button) + " is " + Px(over) +
                         " wider than the list column (" + Px(kWidestListColumn - kListColumnGap) +
                         "): the playing clip and the instructions cover its end");
    }
  }
  if (clips.empty()) return;
  const std::int16_t column =
      static_cast<std::int16_t>(std::min(widest + kListColumnGap, kWidestListColumn));
  const std::int16_t listHeight = Measure16(m.MeasureText(list, clips[0].button).height);
  const Font instruction{"Times New Roman", 18, true, false};
  const std::string first = c.install.Read(kVideoTexts, "Instruction1");
  const std::string second = c.install.Read(kVideoTexts, "Instruction2");
  const TextSize one = m.MeasureText(instruction, first);
  const int twoWidth = m.MeasureText(instruction, second).width;
  const InstructionBlock block =
      PlaceInstructions(Measure16(one.height), Measure16(std::max(one.width, twoWidth)), column,
                        Measure16(listHeight * 6.0 / 5));
  const auto report = [&](const char* key, int measured, int room) {
    if (measured > room)
      c.findings.Ini(Severity::Warning, c.install.Line(kVideoTexts, key), "fit",
                     std::string("[") + kVideoTexts + "] " + key + " is " + Px(measured - room) +
                         " wider than the room right of the clip list (" + Px(room) +
                         "): its end is cut; shorten it or the clip titles");
  };
  report("Instruction1", one.width, block.first.width);
  report("Instruction2", twoWidth, block.second.width);
  const FormSpec design = RunAviDesign();  // kept: `quit` refers into it
  const ControlSpec& quit = Design(design, video_controls::kQuit);
  OneLine(c, m, kVideoTexts, "QuitButton", quit.font, quit.bounds.width - 2 * kButtonEdge,
          "its button");
}

// A label that wraps its text into as many lines as its height holds: a
// word wider than the label is cut, and the lines below its bottom are not
// shown.
void Wrapped(CheckContext& c, TextMeasurer& m, const std::string& section, const std::string& key,
             const ControlSpec& label, const std::string& where) {
  const std::string text = c.install.Read(section, key);
  if (text.empty()) return;
  const MeasureFn width = [&](const std::string& t) { return m.MeasureText(label.font, t).width; };
  const int lineHeight = vantor::Px(m.MeasureText(label.font, "AA").height);
  const std::string place = "[" + section + "] " + key + " ";
  const int line = c.install.Line(section, key);
  const std::vector<std::string> words = Words(text);
  std::string widest;
  if (const int over = WidestWordOver(words, label.bounds.width, width, &widest); over > 0)
    c.findings.Ini(Severity::Warning, line, "fit",
                   place + "has the word " + Quoted(widest) + ", " + Px(over) +
                       " wider than its label on " + where + " (" + Px(label.bounds.width) +
                       "): the word is cut; shorten it");
  const int lines = LineCount(words, label.bounds.width, width);
  if (lines * lineHeight > label.bounds.height)
    c.findings.Ini(Severity::Warning, line, "fit",
                   place + "takes " + std::to_string(lines) + " lines, " +
                       Px(lines * lineHeight - label.bounds.height) + " more than its label on " +
                       where + " (" + Px(label.bounds.height) +
                       " high) shows: its end is cut; shorten it");
}

void PromptTexts(CheckContext& c, TextMeasurer& m) {
  const FormSpec design = NoCDDesign();
  const std::pair<ControlDecl<Label>, const char*> labels[] = {
      {nocd_controls::kNotFound, "NotFoundLabel"},
      {nocd_controls::kFilesOnCD, "FilesOnCDLabel"},
      {nocd_controls::kInsertCD, "InsertCDLabel"}};
  for (const auto& [label, key] : labels)
    Wrapped(c, m, "frmNoCD Text", key, Design(design, label), "the missing-CD prompt");
  const ControlSpec& browse = Design(design, nocd_controls::kBrowse);
  OneLine(c, m, texts::kBrowseButton.section, texts::kBrowseButton.key, browse.font,
          browse.bounds.width - 2 * kButtonEdge, "its button");
}

}  // namespace

void CheckFit(CheckContext& c) {
  if (!c.services.measurer) return;
  TextMeasurer& m = *c.services.measurer;
  StepNames(c, m);
  CoachTexts(c, m);
  OptionPages(c, m);
  VideoTexts(c, m);
  PromptTexts(c, m);
}

}  // namespace vantor::check
