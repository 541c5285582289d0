#include "toolkit/animation.h"

#include <map>
#include <memory>
#include <optional>

#include "common/number_forms.h"
#include "common/shared_routines.h"
#include "platform/gif_decode.h"
#include "startup/avcalc_mod.h"
#include "startup/data_file.h"
#include "toolkit/gif_frames.h"

namespace AvcalcMod {

namespace {

bool ValidSlot(std::int32_t slot) {
    return slot >= 0 && slot < AnimationSlots;
}

// A tag text as a timer interval; empty when it is not a whole number of milliseconds.
std::optional<std::int32_t> DelayOf(const std::string& tag) {
    auto value = numbers::StrictValue(tag);
    if (!value) return std::nullopt;
    return numbers::ToLong(*value);
}

}  // namespace

namespace {

// Frames first..last (1-based) of the cut file into the picture array: frame 1 into
// element 0, frame k into a new element k - 1 offset by the frame's position. False at the
// first frame that fails (an element that exists already, an image that does not decode).
bool CutFrames(std::string_view all, const GifCutPlan& plan, platform::ControlArray& pictures,
               std::size_t first, std::size_t last) {
    const std::string_view header = all.substr(0, plan.headerLength);
    for (std::size_t k = first; k <= last && k <= plan.frames.size(); ++k) {
        const GifFrameCut& frame = plan.frames[k - 1];
        const int element = frame.number - 1;
        if (frame.number > 1) {
            if (!pictures.Load(element)) return false;
            platform::Control& origin = pictures[0];
            platform::Control& added = pictures[element];
            added.SetLeft(origin.Left() +
                          static_cast<float>(frame.left) * static_cast<float>(TwipsPerPixelX));
            added.SetTop(origin.Top() +
                         static_cast<float>(frame.top) * static_cast<float>(TwipsPerPixelY));
        }
        platform::Control& target = pictures[element];
        target.SetTag(TrimmedStr(frame.delayMs));
        // The header and the frame's chunk are read in place; only the first image counts.
        auto image =
            platform::DecodeFirstGifImage(header, all.substr(frame.chunkStart, frame.chunkLength));
        if (!image) return false;
        target.SetPicture(*image);
    }
    return true;
}

void CountFrames(platform::ControlArray& pictures, std::int32_t slot) {
    if (ValidSlot(slot)) AnimationFrameCount[static_cast<std::size_t>(slot)] = pictures.Count() - 1;
}

}  // namespace

void StartAnimation(SkinnedForm& window, std::int32_t left1, std::int32_t top1, std::int32_t left2,
                    std::int32_t top2, std::int32_t left3, std::int32_t top3, std::int32_t picture,
                    std::int32_t slot) {
    platform::ControlArray* images = window.Look().frames;
    if (images == nullptr) return;  // nothing to cut the frames into
    platform::Control& first = (*images)[0];
    const std::int64_t lefts[] = {left1, left2, left3};
    const std::int64_t tops[] = {top1, top2, top3};
    if (LayoutMode >= 1 && LayoutMode <= 3) {
        first.SetLeft(static_cast<float>(lefts[LayoutMode - 1] * 100));
        first.SetTop(static_cast<float>(tops[LayoutMode - 1] * 100));
    }
    // Each start makes the frames still waiting from an earlier one stale.
    static std::map<const platform::ControlArray*, std::uint64_t> starts;
    const std::uint64_t start = ++starts[images];
    auto bytes = std::make_shared<const std::optional<std::string>>(
        ReadWholeFile("m" + TrimmedStr(picture) + ".gif", MaxPictureBytes));
    if (!*bytes) return;
    const auto plan = std::make_shared<const GifCutPlan>(CutGifFrames(**bytes));
    // The first frame is what the window first shows; the others are decoded once it has
    // been painted (the timer's first tick comes later still). A window unloaded or given
    // another animation meanwhile is left alone.
    const bool whole = CutFrames(**bytes, *plan, *images, 1, 1);
    if (whole && plan->frames.size() <= 1) CountFrames(*images, slot);
    if (whole && plan->frames.size() > 1) {
        window.AfterPaint([&window, bytes, plan, images, slot, start] {
            if (!window.IsLoaded() || starts[images] != start || images->Count() != 1) return;
            if (CutFrames(**bytes, *plan, *images, 2, plan->frames.size()))
                CountFrames(*images, slot);
        });
    }
    if (ValidSlot(slot)) AnimationFrame[static_cast<std::size_t>(slot)] = 0;
    platform::ControlArray* timers = window.Look().timer;
    if (timers == nullptr) return;
    if (auto delay = DelayOf(first.Tag())) (*timers)[0].SetInterval(*delay);
    (*timers)[0].SetEnabled(true);
}

bool LoadAnimationFrames(const std::string& fileName, platform::ControlArray& pictures,
                         std::int32_t slot) {
    const std::optional<std::string> bytes = ReadWholeFile(fileName, MaxPictureBytes);
    if (!bytes) return false;
    const GifCutPlan plan = CutGifFrames(*bytes);
    if (CutFrames(*bytes, plan, pictures, 1, plan.frames.size())) CountFrames(pictures, slot);
    return true;
}

void AdvanceAnimation(SkinnedForm& window, std::int32_t slot) {
    if (!ValidSlot(slot)) return;
    platform::ControlArray* images = window.Look().frames;
    if (images == nullptr) return;
    std::int32_t f = AnimationFrame[static_cast<std::size_t>(slot)];
    if (f >= AnimationFrameCount[static_cast<std::size_t>(slot)]) {
        f = 0;
        for (int index : images->Indexes()) {
            if (index >= 1) (*images)[index].SetVisible(false);
        }
    } else {
        if (!images->Exists(f)) return;
        (*images)[f].SetVisible(false);
        f = f + 1;
    }
    if (!images->Exists(f)) return;
    (*images)[f].SetVisible(true);
    AnimationFrame[static_cast<std::size_t>(slot)] = f;
    platform::ControlArray* timers = window.Look().timer;
    if (timers == nullptr) return;
    if (auto delay = DelayOf((*images)[f].Tag())) (*timers)[0].SetInterval(*delay);
}

}  // namespace AvcalcMod
