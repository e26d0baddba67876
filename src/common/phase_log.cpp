#include "common/phase_log.h"

#ifdef VANTOR_PHASE_LOG

#include <chrono>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

namespace vantor::phases {
namespace {

struct Record {
  bool begun = false;
  bool written = false;
  std::string path;
  double last = 0;
  std::vector<std::pair<std::string, double>> marks;
  std::map<std::string, std::pair<double, long>> totals;
};

Record& TheRecord() {
  static Record record;
  return record;
}

}  // namespace

double NowMs() {
  using Ms = std::chrono::duration<double, std::milli>;
  return std::chrono::duration_cast<Ms>(std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Begin(double msBeforeMain, const std::string& path) {
  Record& record = TheRecord();
  record.begun = true;
  record.path = path;
  record.last = NowMs();
  record.marks.emplace_back("process start to WinMain", msBeforeMain);
}

void Mark(const char* phase) {
  Record& record = TheRecord();
  if (!record.begun || record.written) return;
  const double now = NowMs();
  record.marks.emplace_back(phase, now - record.last);
  record.last = now;
}

void Add(const char* what, double ms) {
  Record& record = TheRecord();
  if (!record.begun || record.written) return;
  auto& total = record.totals[what];
  total.first += ms;
  total.second += 1;
}

void Write() {
  Record& record = TheRecord();
  if (!record.begun || record.written) return;
  record.written = true;
  std::ofstream out(record.path, std::ios::app);
  double sum = 0;
  for (const auto& [phase, ms] : record.marks) {
    out << "phase\t" << phase << "\t" << ms << "\n";
    sum += ms;
  }
  out << "phase\ttotal\t" << sum << "\n";
  for (const auto& [what, total] : record.totals)
    out << "within\t" << what << "\t" << total.first << "\t" << total.second << " calls\n";
  out << "end\n";
}

}  // namespace vantor::phases

#endif
