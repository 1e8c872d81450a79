#include "classlib/widgets/GifAnimator.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/ResourceBytes.h"

#include <QPainter>

TRxGIFAnimator::TRxGIFAnimator(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

const GifPicture& TRxGIFAnimator::Picture() {
  if (decoding_.valid()) {
    try {
      picture_ = decoding_.get();
    } catch (...) {
      failure_ = std::current_exception();
    }
  }
  if (failure_) {
    std::rethrow_exception(failure_);
  }
  return picture_;
}

int TRxGIFAnimator::DisplayTime(int index) {
  const GifPicture& picture = Picture();
  return picture.frames.empty() ? 1 : picture.frames[static_cast<std::size_t>(index)].displayMs;
}

void TRxGIFAnimator::SetAnimate(bool animate) {
  if (animate == animate_) {
    return;
  }
  if (animate) {
    const int displayTime = DisplayTime(frameIndex_);
    timer_.start(displayTime);
  } else {
    timer_.stop();
  }
  animate_ = animate;
  update();
}

void TRxGIFAnimator::SetFrameIndex(int index) {
  if (index == frameIndex_ || index < 0 || index >= FrameCount()) {
    return;
  }
  frameIndex_ = index;
  timer_.setInterval(DisplayTime(frameIndex_));
  update();
}

void TRxGIFAnimator::Tick() {
  if (isHidden() || FrameCount() < 2) {
    return;
  }
  frameIndex_ = (frameIndex_ + 1) % FrameCount();
  update();
  if (frameIndex_ == 0 && !loop_) {
    SetAnimate(false);
    return;
  }
  timer_.setInterval(DisplayTime(frameIndex_));
}

bool TRxGIFAnimator::SetProperty(const FormProperty& property, const FormReading&) {
  const std::string& name = property.name;
  if (name == "Image") {
    const QByteArray gif = ReadResource(TextValue(property), "Picture");
    decoding_ = std::async(std::launch::async, DecodeGif, gif);
  } else if (name == "Center") {
    center_ = BooleanValue(property);
  } else if (name == "Stretch") {
    stretch_ = BooleanValue(property);
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

void TRxGIFAnimator::paintEvent(QPaintEvent*) {
  // Qt paints into an off-screen buffer and shows the result in one operation.
  QPainter painter(this);
  if (!transparent_) {
    painter.fillRect(rect(), colour_);
  }
  const GifPicture* picture = nullptr;
  try {
    picture = &Picture();
  } catch (const Exception&) {
    return; // a picture that cannot be decoded shows nothing; starting it reports why
  }
  if (picture->frames.empty()) {
    return;
  }
  const QImage& frame = picture->frames[static_cast<std::size_t>(frameIndex_)].image;
  if (stretch_) {
    painter.drawImage(rect(), frame);
    return;
  }
  const QPoint offset = center_
                            ? QPoint((width() - frame.width()) / 2, (height() - frame.height()) / 2)
                            : QPoint(0, 0);
  painter.drawImage(offset, frame);
}
