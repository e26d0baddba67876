// The coach window's design table: every control with its kind, container,
// design geometry (pixels), colours, fonts and pictures.
#pragma once

#include "coach/coach_geometry.h"
#include "platform/design_kit.h"

namespace vantor {

// Colours of the step labels: the hovered or current step, and the others.
constexpr Color kStepMarked = kit::kEntryMarked;
constexpr Color kStepPlain = kit::kEntryPlain;
// How often the window asks whether the scanning application has a
// usable selection, while a topic waits for one.
constexpr int kSelectionPollMs = 200;

// The coach window's controls.
namespace coach_controls {
inline constexpr ControlDecl<GraphicalButton> kHelp{"btn_Help", 201};
inline constexpr ControlDecl<Button> kBack{"btn_Back", 202};
inline constexpr ControlDecl<Button> kNext{"btn_Next", 203};
inline constexpr ControlDecl<Button> kCancel{"btn_Cancel", 204};
inline constexpr ControlDecl<Button> kDoIt{"btn_DoIt", 205};
inline constexpr ControlDecl<Picture> kDontShowBox{"chk_DontShow", 206};
inline constexpr ControlDecl<Label> kDontShowLabel{"lbl_DontShow", 207};
inline constexpr ControlDecl<Picture> kBar{"Picture2", 208};
inline constexpr ControlDecl<Picture> kPanel{"Picture1", 209};
inline constexpr ControlDecl<TopicPane> kPane{"MediaView", 210};
inline constexpr ControlDecl<Picture> kClearStrip{"img_ClearButtons", 211};
inline constexpr ControlArray<Picture> kOptionImage{"btn_Option", 220, kMaxOptionButtons};
inline constexpr ControlArray<Label> kOptionLabel{"lbl_Option", 230, kMaxOptionButtons};
inline constexpr ControlArray<Label> kStepText{"btn_StepText", 240, kMaxSteps};
inline constexpr ControlArray<Label> kStepNum{"btn_StepNum", 250, kMaxSteps};
inline constexpr ControlDecl<Timer> kSelectionTimer{"selectCheck"};
// Hidden holders of the box's and the options' pictures.
inline constexpr ControlDecl<Picture> kBoxOff{"ico_chk_off"};
inline constexpr ControlDecl<Picture> kBoxOn{"ico_chk_on"};
inline constexpr ControlDecl<Picture> kOptionOff{"ico_opt_off"};
inline constexpr ControlDecl<Picture> kOptionOn{"ico_opt_on"};
}  // namespace coach_controls

FormSpec CoachDesign();

}  // namespace vantor
