// Where the topic pane finds its background picture.
#pragma once

#include <string>
#include <string_view>

namespace vantor::topics {

// The file of a background named `name`: "!" before a name means the file
// of that name in the help title's folder ("!mvback37.bmp" is
// "mvback37.bmp" beside "Vantor.m14"); any other name is a path as it
// stands. Empty when there is no name.
std::string BackgroundPath(std::string_view titlePath, std::string_view name);

}  // namespace vantor::topics
