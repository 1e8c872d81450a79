#include "classlib/widgets/GifAnimator.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/ResourceBytes.h"

#include <algorithm>

int DisplayTime(const std::vector<int>& delays) {
  const int largest = delays.empty() ? 0 : *std::max_element(delays.begin(), delays.end());
  return std::max(1, 10 * largest);
}

TRxGIFAnimator::TRxGIFAnimator(TControl& parent) : TControl(&parent) {
  WidgetSet& widgets = Application->Widgets();
  SetHandle(widgets.CreatePaintBox(*this, parent.Handle()));
  timer_ = widgets.CreateTimer([this] { Tick(); });
}

const std::vector<TGifFrame>& TRxGIFAnimator::Frames() {
  if (decoding_.valid()) {
    try {
      frames_ = decoding_.get();
    } catch (...) {
      failure_ = std::current_exception();
    }
  }
  if (failure_) {
    std::rethrow_exception(failure_);
  }
  return frames_;
}

int TRxGIFAnimator::FrameDisplayTime(int index) {
  const std::vector<TGifFrame>& frames = Frames();
  return frames.empty() ? 1 : DisplayTime(frames[static_cast<std::size_t>(index)].delays);
}

void TRxGIFAnimator::StartTimer(int interval) {
  interval_ = interval;
  timer_->Start(interval);
}

void TRxGIFAnimator::SetAnimate(bool animate) {
  if (animate == animate_) {
    return;
  }
  if (animate) {
    StartTimer(FrameDisplayTime(frameIndex_));
  } else {
    timer_->Stop();
  }
  animate_ = animate;
  Handle().Invalidate();
}

void TRxGIFAnimator::SetFrameIndex(int index) {
  if (index == frameIndex_ || index < 0 || index >= FrameCount()) {
    return;
  }
  frameIndex_ = index;
  interval_ = FrameDisplayTime(frameIndex_);
  if (animate_) {
    timer_->Start(interval_);
  }
  Handle().Invalidate();
}

void TRxGIFAnimator::Tick() {
  if (!Visible() || FrameCount() < 2) {
    return;
  }
  frameIndex_ = (frameIndex_ + 1) % FrameCount();
  Handle().Invalidate();
  if (frameIndex_ == 0 && !loop_) {
    SetAnimate(false);
    return;
  }
  StartTimer(FrameDisplayTime(frameIndex_));
}

bool TRxGIFAnimator::SetProperty(const FormProperty& property, const FormReading&) {
  const std::string& name = property.name;
  if (name == "Image") {
    std::string gif = ReadResource(StringValue(property), "Picture");
    decoding_ =
        std::async(std::launch::async, [gif = std::move(gif), &widgets = Application->Widgets()] {
          return widgets.DecodeGif(gif);
        });
  } else if (name == "Center") {
    center_ = BooleanValue(property);
  } else if (name == "Transparent") {
    transparent_ = BooleanValue(property);
  } else if (name == "Loop") {
    loop_ = BooleanValue(property);
  } else if (name == "Color") {
    colour_ = ColourValue(property);
  } else {
    return false;
  }
  return true;
}

void TRxGIFAnimator::Paint(TCanvas& canvas) {
  const TRect box{0, 0, BoundsRect().width, BoundsRect().height};
  if (!transparent_) {
    canvas.FillRect(box, colour_);
  }
  const std::vector<TGifFrame>* frames = nullptr;
  try {
    frames = &Frames();
  } catch (const Exception&) {
    return; // a picture that cannot be decoded shows nothing; starting it reports why
  }
  if (frames->empty()) {
    return;
  }
  const TPicture& frame = (*frames)[static_cast<std::size_t>(frameIndex_)].picture;
  const TPoint offset = center_
                            ? TPoint{(box.width - frame.width) / 2, (box.height - frame.height) / 2}
                            : TPoint{0, 0};
  canvas.Draw(offset, frame);
}
