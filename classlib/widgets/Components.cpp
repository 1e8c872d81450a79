#include "classlib/widgets/Components.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/BitBtn.h"
#include "classlib/widgets/Button.h"
#include "classlib/widgets/GifAnimator.h"
#include "classlib/widgets/Image.h"
#include "classlib/widgets/Label.h"
#include "classlib/widgets/Memo.h"
#include "classlib/widgets/Panel.h"

#include <functional>
#include <map>

TControl* CreateControl(const std::string& className, QWidget* parent) {
  static const std::map<std::string, std::function<TControl*(QWidget*)>> factories = {
      {"TBitBtn", [](QWidget* p) { return new TBitBtn(p); }},
      {"TButton", [](QWidget* p) { return new TButton(p); }},
      {"TImage", [](QWidget* p) { return new TImage(p); }},
      {"TLabel", [](QWidget* p) { return new TLabel(p); }},
      {"TMemo", [](QWidget* p) { return new TMemo(p); }},
      {"TPanel", [](QWidget* p) { return new TPanel(p); }},
      {"TRxGIFAnimator", [](QWidget* p) { return new TRxGIFAnimator(p); }},
  };
  const auto found = factories.find(className);
  if (found == factories.end()) {
    throw Exception("Form data: unknown component class " + className);
  }
  return found->second(parent);
}
