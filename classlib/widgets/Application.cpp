#include "classlib/widgets/Application.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/FailureText.h"
#include "classlib/widgets/Form.h"

#include <typeinfo>

TApplication* Application = nullptr;

TApplication::TApplication(std::unique_ptr<WidgetSet> widgetSet)
    : widgetSet_(std::move(widgetSet)) {}

TApplication::~TApplication() {
  while (!forms_.empty()) {
    forms_.pop_back();
  }
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  widgetSet_->SetTitle(title);
}

TForm* TApplication::MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

void TApplication::Run() {
  if (TForm* main = MainForm()) {
    main->Show();
  }
  widgetSet_->RunMessageLoop();
}

void TApplication::ProcessMessages() { widgetSet_->ProcessMessages(); }

void TApplication::Terminate() { widgetSet_->PostQuit(); }

void TApplication::Dispatch(const std::function<void()>& handler) noexcept {
  const auto show = [this](const std::string& message) {
    widgetSet_->ReleaseMouseCapture();
    widgetSet_->ShowFailureBox(title_, FailureText(message));
  };
  try {
    handler();
  } catch (const EAbort&) {
    widgetSet_->ReleaseMouseCapture();
  } catch (const Exception& failure) {
    show(failure.Message());
  } catch (const std::exception& failure) {
    show(failure.what());
  } catch (...) {
    show("Unknown failure");
  }
}

int RunProgram(std::unique_ptr<WidgetSet> widgetSet, const std::function<void()>& startup) {
  int exitCode = 0;
  {
    TApplication application(std::move(widgetSet));
    Application = &application;
    const auto fail = [&](const std::string& className, std::uintptr_t address,
                          const std::string& message) {
      WidgetSet& widgets = application.Widgets();
      widgets.ShowStartupFailureBox(
          StartupFailureText(className, widgets.ModuleName(), address, message));
      return 1;
    };
    try {
      startup();
    } catch (const Exception& failure) {
      exitCode = fail(failure.ClassName(), failure.Address(), failure.Message());
    } catch (const std::exception& failure) {
      exitCode = fail(typeid(failure).name(), 0, failure.what());
    }
  }
  Application = nullptr;
  return exitCode;
}
