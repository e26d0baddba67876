// A topic's words as a screen reader reads them from the topic pane.
#pragma once

#include <string>

#include "topics/help_title.h"

namespace vantor::topics {

// Every heading, paragraph and bullet item of the topic on a line of its
// own, in reading order, lines ended by CR LF; an item starts with the
// bullet mark the pane draws and a blank. Bold runs read as plain text.
std::string ReadingText(const Topic& topic);

}  // namespace vantor::topics
