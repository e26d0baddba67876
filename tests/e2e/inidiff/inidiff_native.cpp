// inidiff-native: the case table through the program's own INI reader and
// writer, over the file's text in memory.
#include "case_runner.h"
#include "settings/ini_text.h"

namespace {

class NativeProfile final : public inidiff::Profile {
 public:
  void Begin(const inidiff::Case& c) override { text_ = c.text; }

  std::optional<std::string> ReadString(const std::string& section,
                                        const std::string& key) override {
    return vantor::ini::ReadString(text_, section, key);
  }

  std::int32_t ReadInt(const std::string& section, const std::string& key,
                       std::int32_t fallback) override {
    return vantor::ini::ReadInt(text_, section, key, fallback);
  }

  void Write(const std::string& section, const std::string& key,
             const std::string& value) override {
    text_ = vantor::ini::WriteString(text_, section, key, value);
  }

  void End() override { text_.clear(); }

 private:
  std::string text_;
};

}  // namespace

int main(int argc, char** argv) {
  NativeProfile profile;
  return inidiff::RunMain(argc, argv, profile);
}
