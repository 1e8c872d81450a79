#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;

// The application object: title, forms, message loop, and the one place where failures
// raised in event handlers are caught and shown.
class TApplication {
public:
  explicit TApplication(std::unique_ptr<WidgetSet> widgetSet);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  // Destroys every form, newest first, then the widget set.
  ~TApplication();

  // Nothing to initialise; kept so that start-up reads as the usual sequence.
  void Initialize() {}

  // The title captions the failure dialog and names the program to the desktop.
  void SetTitle(const std::string& title);
  const std::string& Title() const { return title_; }

  // Creates a form into reference; the first form created becomes the main window.
  template <class T> void CreateForm(T*& reference) {
    auto form = std::make_unique<T>();
    reference = form.get();
    forms_.push_back(std::move(form));
  }
  TForm* MainForm() const;

  // Shows the main window and runs the message loop until a terminate request.
  void Run();
  // Handles every message waiting in the queue, and those posted meanwhile.
  void ProcessMessages();
  // Posts a quit request; the message loop ends when it takes it.
  void Terminate();

  // Runs an event handler. A failure it raises ends there: the mouse capture is released,
  // EAbort is silent, anything else is shown in the failure dialog, and the program goes on.
  void Dispatch(const std::function<void()>& handler) noexcept;

  WidgetSet& Widgets() const { return *widgetSet_; }

private:
  std::unique_ptr<WidgetSet> widgetSet_;
  std::vector<std::unique_ptr<TForm>> forms_;
  std::string title_;
};

extern TApplication* Application;

// The program around a start-up routine: creates the application object on the widget set,
// runs startup (which normally ends in Application->Run()), and returns the exit code. A
// failure raised by startup itself, before or outside the message loop, shows the
// "Application Error" box and gives exit code 1; otherwise the code is 0.
int RunProgram(std::unique_ptr<WidgetSet> widgetSet, const std::function<void()>& startup);
