// The video window's design table: every control with its kind, container,
// design geometry (pixels), colours, fonts and pictures.
#pragma once

#include "platform/design_kit.h"

namespace vantor {

// The clip list: how many labels the window has, and their colours (the
// clip under the mouse, and the others).
constexpr int kClipLabels = 10;
constexpr Color kClipMarked = kit::kEntryMarked;
constexpr Color kClipPlain = kit::kEntryPlain;

// The video window's controls.
namespace video_controls {
inline constexpr ControlDecl<GraphicalButton> kPlay{"btn_Play", 501};
inline constexpr ControlDecl<GraphicalButton> kStop{"btn_Stop", 502};
inline constexpr ControlDecl<Button> kQuit{"btn_quit", 503};
inline constexpr ControlArray<Label> kClip{"lbl_RunAVI", 510, kClipLabels};
inline constexpr ControlDecl<Picture> kPanel{"Picture1", 520};
inline constexpr ControlDecl<Picture> kBar{"Picture2", 521};
inline constexpr ControlDecl<Picture> kSurface{"Picture3", 522};
inline constexpr ControlDecl<Picture> kBackground{"Image1", 523};
inline constexpr ControlDecl<Label> kInstruction1{"lbl_Instruction1", 530};
inline constexpr ControlDecl<Label> kInstruction2{"lbl_Instruction2", 531};
inline constexpr ControlDecl<Control> kLine1{"Line1", 532};
inline constexpr ControlDecl<Control> kLine2{"Line2", 533};
inline constexpr ControlDecl<Timer> kPollTimer{"vidTimer"};
// Hidden holders of Play's and Pause's pictures, plain and grey.
inline constexpr ControlDecl<Picture> kPlayPicture{"pic_Play"};
inline constexpr ControlDecl<Picture> kPlayGrey{"picg_Play"};
inline constexpr ControlDecl<Picture> kPausePicture{"pic_Pause"};
inline constexpr ControlDecl<Picture> kPauseGrey{"picg_Pause"};
inline constexpr ControlDecl<Picture> kStopPicture{"pic_Stop"};
inline constexpr ControlDecl<Picture> kStopGrey{"picg_Stop"};
}  // namespace video_controls

FormSpec RunAviDesign();

}  // namespace vantor
