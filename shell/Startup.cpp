#include "shell/Startup.h"

#include "about/Unit2.h"
#include "classlib/widgets/Application.h"
#include "shell/Unit1.h"

int VarnexMain(std::unique_ptr<WidgetSet> widgetSet) {
  return RunProgram(std::move(widgetSet), [] {
    Application->Initialize();
    Application->SetTitle("Varnex");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->Run();
  });
}
