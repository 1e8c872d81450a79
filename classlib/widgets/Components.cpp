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

std::unique_ptr<TControl> CreateControl(const std::string& className, TControl& parent) {
  using Factory = std::function<std::unique_ptr<TControl>(TControl&)>;
  static const std::map<std::string, Factory> factories = {
      {"TBitBtn", [](TControl& p) { return std::make_unique<TBitBtn>(p); }},
      {"TButton", [](TControl& p) { return std::make_unique<TButton>(p); }},
      {"TImage", [](TControl& p) { return std::make_unique<TImage>(p); }},
      {"TLabel", [](TControl& p) { return std::make_unique<TLabel>(p); }},
      {"TMemo", [](TControl& p) { return std::make_unique<TMemo>(p); }},
      {"TPanel", [](TControl& p) { return std::make_unique<TPanel>(p); }},
      {"TRxGIFAnimator", [](TControl& p) { return std::make_unique<TRxGIFAnimator>(p); }},
  };
  const auto found = factories.find(className);
  if (found == factories.end()) {
    throw Exception("Form data: unknown component class " + className);
  }
  return found->second(parent);
}
