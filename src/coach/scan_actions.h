// What the fixed topics of the scanning task do to the scanning
// application: topic 2 runs the preview scan, topic 4 waits for a selection
// and zooms to it, topics 6 and 7 ask how the page should come out, and
// topic 8 sets the output type.
#pragma once

#include <cstdint>

#include "coach/coach_view.h"
#include "program.h"

namespace vantor {

constexpr std::int32_t kPreviewTopic = 2;
constexpr std::int32_t kSelectionTopic = 4;
constexpr std::int32_t kKindOfPageTopic = 6;
constexpr std::int32_t kColoursTopic = 7;
constexpr std::int32_t kOutputTopic = 8;

// First step of showing a topic: records what the topic just left chose.
TopicActionLook LeavePreviousTopic(Program& program);
// Last step of setting up a topic's controls: what the topic shows of the
// scanning application's state.
TopicActionLook PrepareTopicAction(Program& program);
// Next, before the move, on the topic being left.
void RunNextAction(Program& program);
// The Do It button.
void RunDoItAction(Program& program);

}  // namespace vantor
