// The checks of vantor-check, one function each, grouped by what they look
// at. Each adds its findings; none changes the installation. A new check is
// a function here and a row of the table in checker.cpp.
#pragma once

#include "check/checker.h"
#include "check/installation.h"

namespace vantor::check {

struct CheckContext {
  const Installation& install;
  CheckServices& services;
  const CheckOptions& options;
  Findings& findings;
};

// A numbered list of sections ("coachTopic" n), read from 0 up to the first
// number whose defining key is empty, and no further than `limit`.
struct ListRule {
  const char* stem;
  const char* key;    // the defining key
  const char* what;   // "topic"
  const char* check;  // the check's name
  int limit;
  const char* limitText;  // why sections from `limit` on are not read
  const char* lostText;   // what the user meets when the list ends early
  const char* emptyText;  // ... when it ends before its first entry; null: lostText
};
// Reports a list that ends before sections that follow it; true when it did.
bool ReportListEnd(CheckContext& c, const ListRule& rule, int count);

// checks_settings.cpp: the settings file as text.
void CheckSettingsEncoding(CheckContext& c);
void CheckSectionNames(CheckContext& c);
void CheckRepeats(CheckContext& c);
void CheckKeyNames(CheckContext& c);
void CheckValues(CheckContext& c);
void CheckWindowTexts(CheckContext& c);

// checks_task.cpp: the coached task.
void CheckStepList(CheckContext& c);
void CheckTopicList(CheckContext& c);
void CheckStartTopics(CheckContext& c);
void CheckTopicIds(CheckContext& c);
void CheckBackOffsets(CheckContext& c);
void CheckOptionSets(CheckContext& c);
void CheckScanActions(CheckContext& c);

// checks_title.cpp: the help title and the pictures.
void CheckTitleSyntax(CheckContext& c);
void CheckTitleTopics(CheckContext& c);
void CheckPictures(CheckContext& c);

// checks_clips.cpp: the clip list, the clip folder and each clip.
void CheckClipList(CheckContext& c);
void CheckClips(CheckContext& c);

// checks_fit.cpp: whether each text fits its place on the window.
void CheckFit(CheckContext& c);

}  // namespace vantor::check
