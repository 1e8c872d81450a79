#include "classlib/widgets/WidgetSet.h"
#include "shell/Startup.h"

int main(int, char** argv) { return VarnexMain(CreateWidgetSet(argv[0])); }
