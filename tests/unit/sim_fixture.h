// A fresh simulated desktop and program for every test, with helpers to
// write the settings file and run start-up to its end.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/sim/sim_platform.h"
#include "program.h"

namespace vantor::testing {

// Runs `step` until `done`, at most `most` times: a fault that never gets
// there fails the test instead of hanging the whole run.
template <class Done, class Step>
void StepUntil(Done&& done, Step&& step, int most = 100) {
  for (int steps = 0; !done(); ++steps) {
    if (steps == most) {
      ADD_FAILURE() << "not there after " << most << " steps";
      return;
    }
    step();
  }
}

class SimTest : public ::testing::Test {
 protected:
  SimTest() : program(sim) { program.settings.LocateSettingsFile(); }

  std::string IniPath() const { return sim.programFolder + "\\zthelp.ini"; }
  void WriteIni(const std::string& text) { sim.WriteFile(IniPath(), text); }
  std::string Ini(const std::string& section, const std::string& key) {
    return sim.ProfileString(section, key, IniPath());
  }
  // Runs `body`; true when it ended the program at once.
  template <class F>
  bool Ends(F&& body) {
    try {
      body();
    } catch (const sim::ProgramEnded&) {
      return true;
    }
    return false;
  }

  sim::SimPlatform sim;
  Program program;
};

}  // namespace vantor::testing
