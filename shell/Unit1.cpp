#include "shell/Unit1.h"

#include "about/Unit2.h"
#include "classlib/core/Random.h"
#include "classlib/widgets/Application.h"
#include "identity/IdentityGenerator.h"

TForm1* Form1 = nullptr;

namespace {

// The memo as the generator's output box.
class MemoBox : public OutputBox {
public:
  explicit MemoBox(TMemo& memo) : memo_(memo) {}
  void Clear() override { memo_.Clear(); }
  void AddLine(std::string_view line) override { memo_.AddLine(line); }
  std::string GetText() const override { return memo_.Text(); }
  void SetText(std::string_view text) override { memo_.SetText(text); }

private:
  TMemo& memo_;
};

// The generator's working state lives as long as the program, shared by both commands.
Pcg32Random random;
IdentityGenerator generator(random);

} // namespace

TForm1::TForm1() {
  LoadForm("TFORM1", {{"Button1Click", [this](TObject* sender) { Button1Click(sender); }},
                      {"Button2Click", [this](TObject* sender) { Button2Click(sender); }},
                      {"Button3Click", [this](TObject* sender) { Button3Click(sender); }},
                      {"Button4Click", [this](TObject* sender) { Button4Click(sender); }},
                      {"Button5Click", [this](TObject* sender) { Button5Click(sender); }}});
  Bind(Memo1, "Memo1");
  Bind(Button1, "Button1");
  Bind(Button2, "Button2");
  Bind(Button3, "Button3");
  Bind(Button4, "Button4");
  Bind(Button5, "Button5");
}

void TForm1::Button1Click(TObject*) {
  MemoBox box(*Memo1);
  generator.CreateMale(box);
}

void TForm1::Button2Click(TObject*) {
  MemoBox box(*Memo1);
  generator.CreateFemale(box);
}

void TForm1::Button3Click(TObject*) { Memo1->Clear(); }

void TForm1::Button4Click(TObject*) { Form2->Show(); }

void TForm1::Button5Click(TObject*) {
  Application->ProcessMessages();
  Application->Terminate();
}
