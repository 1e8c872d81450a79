#pragma once

#include "classlib/widgets/Control.h"
#include "classlib/widgets/WidgetSet.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

// A top-level window built from declared form data held as a resource. Closing the main
// window ends the application; closing any other form hides it.
class TForm : public TControl {
public:
  using Handlers = std::map<std::string, TNotifyEvent>;

  ~TForm() override;

  // Makes the window visible without modality and brings it to the front. Going from hidden
  // to shown runs the OnShow handler first, and the first showing centres the window when
  // the form data asks for it.
  void Show();
  void Hide();
  // Closes the window as its close box would.
  void Close();

  const std::string& Caption() const { return caption_; }
  TSize ClientSize() const { return clientSize_; }
  const TWindowStyle& Style() const { return style_; }
  NativeWindow& Window() const { return *window_; }

  // The component the form data declared under this name; raises Exception if there is none.
  TControl* Component(const std::string& name) const;

protected:
  TForm();

  // Reads the form data resource and builds the window and its components, scaled so that
  // the layout keeps its proportions with the font in use.
  void LoadForm(const std::string& resourceName, const Handlers& handlers);

  template <class T> void Bind(T*& field, const std::string& name) {
    field = dynamic_cast<T*>(Component(name));
  }

private:
  void CreateComponents(const FormObject& object, TControl& parent, const FormReading& reading,
                        double factor, std::vector<std::pair<std::int64_t, TControl*>>& tabOrder);

  // In creation order, so that a component goes before the panel that holds it.
  std::vector<std::unique_ptr<TControl>> components_;
  std::map<std::string, TControl*> byName_;
  NativeWindow* window_ = nullptr;
  TWindowStyle style_;
  std::string caption_;
  TSize clientSize_;
  bool centreOnFirstShow_ = false;
  bool shownBefore_ = false;
  TNotifyEvent onShow_;
};
