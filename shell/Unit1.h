#pragma once

#include "classlib/widgets/Button.h"
#include "classlib/widgets/Form.h"
#include "classlib/widgets/Memo.h"

// The main window: the identity box and the five command buttons.
class TForm1 : public TForm {
public:
  TForm1();

  TMemo* Memo1 = nullptr;
  TButton* Button1 = nullptr;
  TButton* Button2 = nullptr;
  TButton* Button3 = nullptr;
  TButton* Button4 = nullptr;
  TButton* Button5 = nullptr;

  void Button1Click(TObject* sender);
  void Button2Click(TObject* sender);
  void Button3Click(TObject* sender);
  void Button4Click(TObject* sender);
  void Button5Click(TObject* sender);
};

extern TForm1* Form1;
