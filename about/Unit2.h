#pragma once

#include "classlib/widgets/Form.h"

// The About window, created hidden at start-up and shown by "About".
class TForm2 : public TForm {
public:
  TForm2();
};

extern TForm2* Form2;
