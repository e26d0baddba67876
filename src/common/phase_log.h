// Where a start's time goes, for the people who make the program faster
// (docs/performance.md). Only a build configured with VANTOR_PHASE_LOG
// keeps these records; in every other build the calls are empty inline
// functions and the program does no work and holds no data for them.
#pragma once

#include <string>

namespace vantor::phases {

#ifdef VANTOR_PHASE_LOG

// The time since the previous mark (or since Begin) was spent on `phase`.
void Mark(const char* phase);
// Adds `ms` and one call to the running total of `what`, for work that is
// spread over many small calls (settings reads).
void Add(const char* what, double ms);
// Starts the record, to be appended to the file `path`: the process had
// been running `msBeforeMain` already.
void Begin(double msBeforeMain, const std::string& path);
// Appends the record to its file as "phase ms" lines, once: when the
// program first waits for input.
void Write();

// Milliseconds of the steady clock, for timing a call that Add records.
double NowMs();

#else

inline void Mark(const char*) {}
inline void Add(const char*, double) {}
inline void Begin(double, const std::string&) {}
inline void Write() {}
inline double NowMs() { return 0; }

#endif

// Runs `work` and adds its time to the running total of `what`; in a build
// without the log it only runs `work`.
template <class Work>
auto Timed(const char* what, Work&& work) {
  const double started = NowMs();
  auto result = work();
  Add(what, NowMs() - started);
  return result;
}

}  // namespace vantor::phases
