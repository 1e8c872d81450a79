// A click on "Create Male Info" with seven 1,000-line word lists, until the memo has
// repainted with the new identity.
#include "about/Unit2.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgetsets/qt/QtWidgetSet.h"
#include "shell/Unit1.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <QPlainTextEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <string>

namespace {

std::string ThousandLines(const std::string& stem) {
  std::string text;
  for (int i = 0; i < 1000; ++i) {
    text += stem + std::to_string(i) + (i < 999 ? "\r\n" : "");
  }
  return text;
}

void ClickToText(benchmark::State& state) {
  const TemporaryWorkingDirectory directory;
  for (const char* name : {"males.txt", "last.txt", "cities.txt", "areas.txt", "streets.txt",
                           "domains.txt", "dom_exts.txt"}) {
    TemporaryWorkingDirectory::WriteFile(name, ThousandLines("Entry"));
  }
  Form1->Show();
  if (!QTest::qWaitForWindowExposed(&QtWidget(*Form1))) {
    state.SkipWithError("the main window never showed");
    return;
  }
  for (auto _ : state) {
    QTest::mouseClick(&QtWidget(*Form1->Button1), Qt::LeftButton);
    dynamic_cast<QPlainTextEdit&>(QtWidget(*Form1->Memo1)).viewport()->repaint();
    benchmark::DoNotOptimize(Form1->Memo1->Text().size());
  }
}
BENCHMARK(ClickToText)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  int result = 0;
  result = RunProgram(CreateWidgetSet(argv[0]), [] {
    Application->SetTitle("Varnex");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    benchmark::RunSpecifiedBenchmarks();
  });
  benchmark::Shutdown();
  return result;
}
