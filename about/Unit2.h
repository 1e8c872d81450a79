#pragma once

#include "classlib/widgets/BitBtn.h"
#include "classlib/widgets/Form.h"
#include "classlib/widgets/GifAnimator.h"
#include "classlib/widgets/Image.h"
#include "classlib/widgets/Label.h"
#include "classlib/widgets/Panel.h"

// The About window: name, credits, the icon and the turning logo on black, and OK.
class TForm2 : public TForm {
public:
  TForm2();

  TPanel* Panel1 = nullptr;
  TImage* Image1 = nullptr;
  TLabel* Label1 = nullptr;
  TLabel* Label2 = nullptr;
  TLabel* Label3 = nullptr;
  TLabel* Label4 = nullptr;
  TRxGIFAnimator* RxGIFAnimator1 = nullptr;
  TLabel* Label5 = nullptr;
  TBitBtn* BitBtn1 = nullptr;

  void FormShow(TObject* sender);
  void BitBtn1Click(TObject* sender);
};

extern TForm2* Form2;
