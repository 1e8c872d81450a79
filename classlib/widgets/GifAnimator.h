#pragma once

#include "classlib/widgets/Control.h"
#include "classlib/widgets/WidgetSet.h"

#include <exception>
#include <future>
#include <memory>
#include <vector>

// How long a GIF frame stays: 10 ms times the largest delay set before it; never below 1 ms.
int DisplayTime(const std::vector<int>& delays);

// An animated GIF picture. While Animate is on, a timer on the GUI thread shows each frame
// for its display time; each tick moves to the next frame (after the last, to the first,
// or with Loop off, stops there) and redraws the control, and with it whatever lies above.
class TRxGIFAnimator : public TControl {
public:
  explicit TRxGIFAnimator(TControl& parent);

  bool Animate() const { return animate_; }
  void SetAnimate(bool animate);
  int FrameIndex() const { return frameIndex_; }
  // Ignored for the current index and for one outside the picture's frames.
  void SetFrameIndex(int index);
  int FrameCount() { return static_cast<int>(Frames().size()); }
  // How long the timer waits before its next tick; meaningful while Animate is on.
  int TimerInterval() const { return interval_; }

  // What one timer tick does. Ticks change nothing while the control itself is hidden or
  // the picture has fewer than two frames.
  void Tick();

  bool SetProperty(const FormProperty& property, const FormReading& reading) override;
  void Paint(TCanvas& canvas) override;

private:
  // The decoded frames. Decoding runs on a worker thread from the moment the form data names
  // the picture, so that it does not lengthen start-up; the first use waits for it and
  // raises its failure, if any.
  const std::vector<TGifFrame>& Frames();
  int FrameDisplayTime(int index);
  void StartTimer(int interval);

  std::future<std::vector<TGifFrame>> decoding_;
  std::vector<TGifFrame> frames_;
  std::exception_ptr failure_;
  std::unique_ptr<NativeTimer> timer_;
  TColor colour_ = clBlack;
  int frameIndex_ = 0;
  int interval_ = 0;
  bool animate_ = false;
  bool center_ = false;
  bool transparent_ = true;
  bool loop_ = true;
};
