// A small check framework for the backend tests: named test cases that
// register themselves, and checks that count failures and go on.
#pragma once

#include <sstream>
#include <string>

namespace vantor::win32::test {

using TestFunction = void (*)();

struct Registrar {
  Registrar(const char* name, TestFunction function);
};

// Runs every registered case (or those whose name contains `filter`);
// returns the number of failed checks.
int RunAll(const std::string& filter);

void Fail(const std::string& what, const char* file, int line);

template <class A, class B>
void CheckEqual(const A& actual, const B& expected, const char* text, const char* file, int line) {
  if (actual == expected) return;
  std::ostringstream what;
  what << text << ": got " << actual << ", expected " << expected;
  Fail(what.str(), file, line);
}

}  // namespace vantor::win32::test

#define TEST_CASE(name)                                                         \
  static void name();                                                           \
  static const ::vantor::win32::test::Registrar name##_registrar(#name, &name); \
  static void name()

#define CHECK(condition) \
  ((condition) ? void() : ::vantor::win32::test::Fail(#condition, __FILE__, __LINE__))

#define CHECK_EQ(actual, expected) \
  ::vantor::win32::test::CheckEqual((actual), (expected), #actual, __FILE__, __LINE__)
