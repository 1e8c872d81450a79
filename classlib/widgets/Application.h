#pragma once

#include <QApplication>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TForm;

// The application object: title, forms, message loop, and the one place where failures
// raised in event handlers are caught and shown.
class TApplication {
public:
  explicit TApplication(const char* programPath);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  // Destroys every form, then Qt's application.
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

private:
  int argc_ = 1;
  char* argv_[2];
  std::unique_ptr<QApplication> qt_;
  std::vector<std::unique_ptr<TForm>> forms_;
  std::string title_;
};

extern TApplication* Application;

// The program around a start-up routine: creates the application object, runs startup
// (which normally ends in Application->Run()), and returns the exit code. A failure raised
// by startup itself, before or outside the message loop, shows the "Application Error" box
// and gives exit code 1; otherwise the code is 0.
int RunProgram(const char* programPath, const std::function<void()>& startup);
