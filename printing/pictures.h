// The small pictures of the print dialog, drawn at run time: the page-order illustrations of the
// collate box and the faces of the two picture buttons.
#pragma once
#include <QPixmap>

namespace zorvek {

// Two stacks of numbered pages: collated shows "1 2" in each stack, uncollated "1 1" and "2 2".
QPixmap CollatePicture(bool collated);

// A raised button face with a small printer (print) or cross (cancel) at its left.
enum class ButtonFace { Print, Cancel };
QPixmap PictureButtonFace(ButtonFace face);

// Sizes of the pictures in the dialog's units (pixels).
constexpr int kCollatePictureWidth = 112;
constexpr int kCollatePictureHeight = 56;
constexpr int kButtonFaceWidth = 104;
constexpr int kButtonFaceHeight = 34;

} // namespace zorvek
