// The coached task and where the user is in it, shared by the task model,
// the scanning actions and the coach window.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "coach/helphost/help_object.h"

namespace vantor {

// The window's limits: six step labels and nine option rows.
constexpr int kMaxSteps = 6;
constexpr int kMaxOptionButtons = 9;

struct CoachState {
  // One entry per topic, plus one that keeps its empty value.
  std::vector<std::string> TopicIDs{""};
  std::vector<std::int32_t> TopicBack{0};
  std::vector<std::int16_t> TopicHideButton{0};
  std::vector<std::int16_t> TopicOptionSet{-1};
  std::vector<std::int16_t> TopicHidden{0};
  // First topic of each step, plus one entry.
  std::vector<std::int32_t> StepStartTopic{0};

  std::int16_t MaxOptionButtons = 0;
  // By set, then button; one spare set as the tables have always had.
  std::vector<std::vector<std::string>> OptionTexts;
  std::vector<std::int32_t> OptionSetHeights;

  std::int32_t CurrentTopic = 0;
  std::int32_t PreviousTopic = -1;
  std::int16_t CurrentStep = 0;
  std::int16_t StepCount = 0;
  std::int16_t TopicCount = 0;
  std::int16_t FirstVisibleTopic = 0;
  std::int16_t LastVisibleTopic = 0;
  std::int16_t DontShowChecked = 0;
  std::int16_t SelectedOption = 0;
};

// What the scanning actions remember between topics. All four choices and
// types are 0 until the coach window's load sets them to -1.
struct ScanActionState {
  std::int32_t ChoiceAtTopic6 = 0;
  std::int32_t ChoiceAtTopic7 = 0;
  std::int32_t LastOutputType = 0;
  std::int32_t LastPaletteType = 0;
  // Next frame of the scan progress animation, kept between its showings.
  std::int16_t ScanFrame = 0;
};

}  // namespace vantor
