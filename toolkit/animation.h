// Animated pictures: an animated GIF beside the data file is cut into its frames, each
// frame goes into an element of the window's Image3 array with its delay in the tag
// text, and the window's Timer1 shows one element after another.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/skin.h"

namespace AvcalcMod {

// Places Image3(0) by LayoutMode (positions in hundreds of twips), cuts "m<picture>.gif"
// into the window's Image3 and starts Timer1 with the first frame's delay. A file that
// cannot be read leaves the window as it was and starts no timer. The first frame is
// cut at once, the others once the window has been painted (Form::AfterPaint), as
// LoadAnimationFrames cuts them.
void StartAnimation(SkinnedForm& window, std::int32_t left1, std::int32_t top1, std::int32_t left2,
                    std::int32_t top2, std::int32_t left3, std::int32_t top3, std::int32_t picture,
                    std::int32_t slot);

// Cuts the file into the picture array (frame 1 into element 0, frame k into a new
// element k - 1 offset by the frame's position). False only when the file cannot be
// read (missing, not a regular file, or over MaxPictureBytes); a later failure (a frame
// that cannot be decoded, an element that exists already) stops the cutting, returns
// True and leaves AnimationFrameCount as it was. The frames are decoded in memory: no
// file is written.
bool LoadAnimationFrames(const std::string& fileName, platform::ControlArray& pictures,
                         std::int32_t slot);

// One tick: hides the element shown, shows the next (after the last, element 0 again)
// and sets Timer1 to that frame's delay. Stops at the first step that fails.
void AdvanceAnimation(SkinnedForm& window, std::int32_t slot);

}  // namespace AvcalcMod
