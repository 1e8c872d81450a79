#include "about/Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2() {
  LoadForm("TFORM2", {{"FormShow", [this](TObject* sender) { FormShow(sender); }},
                      {"BitBtn1Click", [this](TObject* sender) { BitBtn1Click(sender); }}});
  Bind(Panel1, "Panel1");
  Bind(Image1, "Image1");
  Bind(Label1, "Label1");
  Bind(Label2, "Label2");
  Bind(Label3, "Label3");
  Bind(Label4, "Label4");
  Bind(RxGIFAnimator1, "RxGIFAnimator1");
  Bind(Label5, "Label5");
  Bind(BitBtn1, "BitBtn1");
}

void TForm2::FormShow(TObject*) { RxGIFAnimator1->SetAnimate(true); }

void TForm2::BitBtn1Click(TObject*) {
  RxGIFAnimator1->SetAnimate(false);
  RxGIFAnimator1->SetFrameIndex(0);
  Close();
}
