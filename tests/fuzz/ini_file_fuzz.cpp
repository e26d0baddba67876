// libFuzzer target for the INI reader and writer of the simulation and the
// settings checker: any file text, any names, any value.
//
// Build and run with clang (not part of the default build):
//   cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++
//   ninja -C build/fuzz -j2
//   mkdir -p build/fuzz/corpus && cp tests/fuzz/corpus/ini_file/* build/fuzz/corpus/
//   build/fuzz/ini_file_fuzz -max_total_time=60 build/fuzz/corpus
//
// Beyond "no crash, no undefined behaviour" it checks what must hold for
// every text: reads stay within 255 characters, an integer read without a
// value gives the default, and a write of well-formed names reads back
// as written without changing what any other key reads.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/ini_text.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

std::string Lower(std::string s) {
  for (char& c : s) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return s;
}

// Names the program could write: one line, not empty, and not read back
// as something else (a header, a comment, or a name ending early at '=').
bool WellFormedSection(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  return !trimmed.empty() && trimmed.find_first_of("\r\n]") == std::string::npos;
}

bool WellFormedKey(const std::string& name) {
  const std::string trimmed = TrimBlanks(name);
  return !trimmed.empty() && trimmed.find_first_of("\r\n=") == std::string::npos &&
         trimmed[0] != ';' && trimmed[0] != '[';
}

bool SameKey(const std::string& s1, const std::string& k1, const std::string& s2,
             const std::string& k2) {
  return Lower(TrimBlanks(s1)) == Lower(TrimBlanks(s2)) &&
         Lower(TrimBlanks(k1)) == Lower(TrimBlanks(k2));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const std::string section = data.ConsumeRandomLengthString(40);
  const std::string key = data.ConsumeRandomLengthString(40);
  const std::string value = data.ConsumeRandomLengthString(300);
  const std::string otherSection = data.ConsumeRandomLengthString(40);
  const std::string otherKey = data.ConsumeRandomLengthString(40);
  const std::int32_t fallback = data.ConsumeIntegral<std::int32_t>();
  const std::string text = data.ConsumeRemainingBytesAsString();

  const std::optional<std::string> read = vantor::ini::ReadString(text, section, key);
  Check(!read || read->size() <= 255);
  const std::int32_t number = vantor::ini::ReadInt(text, section, key, fallback);
  if (!read || read->empty()) Check(number == fallback);

  const std::string written = vantor::ini::WriteString(text, section, key, value);
  if (!WellFormedSection(section) || !WellFormedKey(key) ||
      value.find_first_of("\r\n") != std::string::npos) {
    return 0;
  }
  const std::string alone = "[" + section + "]\r\n" + key + "=" + value + "\r\n";
  Check(vantor::ini::ReadString(written, section, key) ==
        vantor::ini::ReadString(alone, section, key));
  if (!SameKey(section, key, otherSection, otherKey)) {
    Check(vantor::ini::ReadString(written, otherSection, otherKey) ==
          vantor::ini::ReadString(text, otherSection, otherKey));
  }
  return 0;
}
