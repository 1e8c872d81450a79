#pragma once

#include "classlib/widgets/Control.h"

#include <QWidget>

#include <map>
#include <string>
#include <utility>
#include <vector>

// A top-level window built from declared form data held as a resource. Closing the main
// window ends the application; closing any other form hides it.
class TForm : public QWidget {
public:
  using Handlers = std::map<std::string, TNotifyEvent>;

  // Makes the window visible without modality and brings it to the front.
  void Show();
  // Closes the window as its close box would.
  void Close() { close(); }

protected:
  TForm();

  // Reads the form data resource ":/forms/<resourceName>" and builds the window and its
  // components, scaled so that the layout keeps its proportions with the font in use.
  void LoadForm(const std::string& resourceName, const Handlers& handlers);

  // The component the form data declared under this name.
  template <class T> void Bind(T*& field, const std::string& name) {
    field = dynamic_cast<T*>(Component(name));
  }

  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

private:
  QWidget* Component(const std::string& name) const;
  void CreateComponents(const FormObject& object, QWidget* parent, const FormReading& reading,
                        double factor, std::vector<std::pair<std::int64_t, QWidget*>>& tabOrder,
                        std::vector<TControl*>& controls);

  std::map<std::string, QWidget*> components_;
  bool centreOnFirstShow_ = false;
  bool shownBefore_ = false;
  TNotifyEvent onShow_;
};
