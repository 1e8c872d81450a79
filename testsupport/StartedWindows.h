#pragma once

#include "about/Unit2.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgetsets/qt/QtWidgetSet.h"
#include "shell/Unit1.h"

#include <QPushButton>
#include <QTest>

// Creates both windows as start-up does and shows the main window, active, for tests that
// drive them without the message loop of the real start-up. Returns false if it never
// became active.
inline bool StartWindows() {
  Application->SetTitle("Varnex");
  Application->CreateForm(Form1);
  Application->CreateForm(Form2);
  Form1->Show();
  QApplication::setActiveWindow(&QtWidget(*Form1));
  return QTest::qWaitForWindowActive(&QtWidget(*Form1));
}

// A button pressed with the mouse, as the user presses it.
inline void Click(const TButton* button) { QTest::mouseClick(&QtWidget(*button), Qt::LeftButton); }
