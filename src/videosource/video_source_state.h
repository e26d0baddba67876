// What the clip folder search shares with its two dialogs: the CD-ROM
// drives it found and the answers the dialogs hand back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vantor {

// The prompt's answer when the user declined to supply the clips.
inline constexpr char kNoCDCancelled[] = "%%%";

struct VideoSourceState {
  // Roots of the CD-ROM drives ("e:\"), in letter order; rebuilt by every
  // search.
  std::vector<std::string> CDDrives;
  // The prompt's drive or folder text when it was left with OK,
  // kNoCDCancelled when it was cancelled or closed, "" otherwise.
  std::string NoCDAnswer;
  // Non-zero when the prompt was left with its Browse button.
  std::int16_t BrowseRequested = 0;
  // The folder accepted in the folder picker; "" when it was cancelled.
  std::string PickedFolder;
};

}  // namespace vantor
