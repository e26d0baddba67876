// What the fixed topics of the scanning task do to the scanning
// application: topic 2 runs the preview scan, topic 4 waits for a selection
// and zooms to it, topics 6 and 7 ask how the page should come out, and
// topic 8 sets the output type.
#pragma once

#include <cstdint>
#include <optional>

#include "coach/coach_view.h"
#include "program.h"

namespace vantor {

constexpr std::int32_t kPreviewTopic = 2;
constexpr std::int32_t kSelectionTopic = 4;
constexpr std::int32_t kKindOfPageTopic = 6;
constexpr std::int32_t kColoursTopic = 7;
constexpr std::int32_t kOutputTopic = 8;

// What nothing chosen yet looks like to the pages of output type; set once
// the first page is shown.
void ResetScanChoices(ScanActionState& scan);
// What a move from PreviousTopic to CurrentTopic does, in one piece: on
// Next, first the action of the topic left (the preview waits through
// the view), then what the topic left chose is kept, and last what the new
// topic shows of the scanning application's state.
TopicActionLook ActionsOfMove(const CoachRecord& coach, CoachView& view, bool next);
// Parts of ActionsOfMove, each on its own: what the topic just left chose,
// and what the current topic shows of the scanning application.
TopicActionLook LeavePreviousTopic(const CoachRecord& coach);
TopicActionLook PrepareTopicAction(const CoachRecord& coach);
// The selection poll of topic 4: once the scanning application has a usable
// selection, Do It and Next are enabled and the poll stops; nullopt while it
// has none.
std::optional<TopicActionLook> PollSelection(HelpHostObject& help);
// The Do It button.
void RunDoItAction(const CoachRecord& coach, CoachView& view);

}  // namespace vantor
