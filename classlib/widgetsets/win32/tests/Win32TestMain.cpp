// GoogleTest's main with the application object the windows need, on the Win32 widget set.
#include "classlib/widgets/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  int result = 0;
  {
    TApplication application(CreateWidgetSet(argv[0]));
    Application = &application;
    result = RUN_ALL_TESTS();
  }
  Application = nullptr;
  return result;
}
