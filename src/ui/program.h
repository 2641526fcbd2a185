#pragma once

#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"

class QApplication;

namespace kelvaro::ui {

// The four windows of a run, created once in this order and living until
// the program ends. The main window's start-up runs while it is created.
class Program {
 public:
  Program(Platform& platform, ProgramFolders folders);

  TForm1& form1() { return form1_; }
  TForm2& form2() { return form2_; }
  TForm3& form3() { return form3_; }
  TForm4& form4() { return form4_; }

 private:
  TForm1 form1_;
  TForm2 form2_;
  TForm3 form3_;
  TForm4 form4_;
};

// A whole run: creates the windows, then runs the event loop until the main
// window reports the end of the program. Returns the exit status.
int runProgram(QApplication& app, Platform& platform, ProgramFolders folders);

}  // namespace kelvaro::ui
