#pragma once
// The size of a picture preview: the picture scaled into the box, a one-pixel frame and a caption
// line below it; and whether a picture can be handed to the stretch call at all.
#include "tray/preview/Picture.h"

namespace pvn {

struct PictureLayout {
    int drawnWidth = 0;
    int drawnHeight = 0;
    int windowWidth = 0;
    int windowHeight = 0;
};

// Factor = min(box width ÷ width, box height ÷ height, 1) in floating point, drawn sizes truncated;
// a zero or negative width or height draws 0 × 0. A thumbnail made at the box size keeps its own.
PictureLayout scalePictureIntoBox(int width, int height, int boxWidth, int boxHeight, int lineHeight);

// The info block holds its header, masks and colour table, the header describes an uncompressed
// picture, and the pixels hold every row it announces: the stretch then reads nothing beyond them.
bool pictureDrawable(const Picture& picture);

} // namespace pvn
