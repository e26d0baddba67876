// The coached task as a value, and where the user is in it: shared by the
// task model, the scanning actions and the coach window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "coach/coach_view.h"

namespace vantor {

struct CoachStep {
  std::string name;  // the step label's caption
  std::int32_t startTopic = 0;
};

struct CoachTopic {
  std::string id;  // the help topic the pane shows
  // Offset to the topic Back goes to (normally negative); 0: Back does
  // nothing here.
  std::int32_t back = 0;
  bool offersDontShow = false;  // the don't-show box and its text are shown
  std::int16_t optionSet = -1;  // -1: no option rows
  bool hidden = false;          // Next and Back pass over it
};

struct OptionSet {
  std::int32_t height = 0;  // the pane's height while the set is shown
  // One caption per option row; an empty one leaves its row empty.
  std::vector<std::string> texts;
};

struct CoachState {
  std::vector<CoachStep> steps;
  std::vector<CoachTopic> topics;
  std::int16_t MaxOptionButtons = 0;
  std::vector<OptionSet> optionSets;
  // The option rows and pane under each loaded set, then under none: they
  // do not change after load, so they are arranged once, then.
  std::vector<PaneArrangement> panes;

  std::int32_t CurrentTopic = 0;
  std::int32_t PreviousTopic = -1;
  std::int16_t CurrentStep = 0;
  std::int16_t FirstVisibleTopic = 0;
  std::int16_t LastVisibleTopic = 0;
  std::int16_t DontShowChecked = 0;
  std::int16_t SelectedOption = 0;

  std::int16_t StepCount() const { return static_cast<std::int16_t>(steps.size()); }
  std::int16_t TopicCount() const { return static_cast<std::int16_t>(topics.size()); }
  bool IsTopic(std::int64_t t) const { return t >= 0 && t < TopicCount(); }
  bool IsStep(std::int64_t s) const { return s >= 0 && s < StepCount(); }
  // Topic `t`, or one with every field at its default past the task's ends:
  // a task whose numbers point outside itself never reaches past it.
  // The pane under set `set`; one that was not loaded (or -1) counts as none.
  const PaneArrangement& PaneOf(std::int16_t set) const {
    static const PaneArrangement kNoPane;
    if (panes.empty()) return kNoPane;
    return set >= 0 && set + 1 < static_cast<int>(panes.size()) ? panes[set] : panes.back();
  }
  const CoachTopic& TopicAt(std::int64_t t) const {
    static const CoachTopic kNone;
    return IsTopic(t) ? topics[static_cast<std::size_t>(t)] : kNone;
  }
};

// What the scanning actions remember between topics. All four choices and
// types are 0 until the first page is shown (ResetScanChoices sets -1).
struct ScanActionState {
  std::int32_t ChoiceAtTopic6 = 0;
  std::int32_t ChoiceAtTopic7 = 0;
  std::int32_t LastOutputType = 0;
  std::int32_t LastPaletteType = 0;
  // Next frame of the scan progress animation, kept between its showings.
  std::int16_t ScanFrame = 0;
};

}  // namespace vantor
