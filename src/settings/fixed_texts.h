// The texts that windows and messages show unless the settings file says
// otherwise: each has an optional key in a text section of zthelp.ini, so
// that a translation can replace it, and an installation that sets nothing
// shows the text below (docs/settings.md lists them).
#pragma once

namespace vantor {

struct FixedText {
  const char* section;
  const char* key;
  const char* text;  // shown when the key is missing or empty
};

namespace texts {

// The missing-CD prompt.
inline constexpr FixedText kBrowseButton{"frmNoCD Text", "BrowseButton", "&Browse"};

// The folder picker.
inline constexpr FixedText kPickerTitle{"frmGetPath Text", "Title",
                                        "Select Folder With Video Files"};
inline constexpr FixedText kCurrentFolderLabel{"frmGetPath Text", "CurrentFolderLabel",
                                               "Current Folder:"};
inline constexpr FixedText kFilesLabel{"frmGetPath Text", "FilesLabel",
                                       "Files in highlighted folder:"};
inline constexpr FixedText kDriveNotAvailable{"frmGetPath Text", "DriveNotAvailableMessage",
                                              "This drive is not currently available"};

// The video window. Its settings-file message shows when the clip list is
// empty; when the file itself is missing, its own text cannot be read and
// the default shows.
inline constexpr FixedText kSettingsNotFound{
    "frmRUNAVI Text", "SettingsNotFoundMessage",
    "ZTHELP.INI not found. Please reinstall ZT Orvex Pro."};
inline constexpr FixedText kUnknownMciError{"frmRUNAVI Text", "UnknownMciErrorMessage",
                                            "Unknown MCI Error"};

// The about box.
inline constexpr FixedText kCopyrightLabel{"frmAbout Text", "CopyrightLabel",
                                           "Copyright (C) 2026 The Vantor developers"};

// What a screen reader calls the controls that show no text of their own
// (docs/accessibility.md): the picture buttons where their tool tips are
// empty, and the topic pane.
inline constexpr FixedText kHelpButtonName{"frmCoach Text", "HelpButtonName", "Help"};
inline constexpr FixedText kTopicPaneName{"frmCoach Text", "TopicPaneName", "Help text"};
inline constexpr FixedText kPlayButtonName{"frmRUNAVI Text", "PlayButtonName", "Play"};
inline constexpr FixedText kPauseButtonName{"frmRUNAVI Text", "PauseButtonName", "Pause"};
inline constexpr FixedText kStopButtonName{"frmRUNAVI Text", "StopButtonName", "Stop"};

}  // namespace texts
}  // namespace vantor
