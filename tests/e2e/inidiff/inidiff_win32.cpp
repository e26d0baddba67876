// inidiff.exe: the case table through the real Windows profile functions.
// Each case's file is written to the current folder as inidiff-case<N>.ini
// and removed afterwards.
#include <windows.h>

#include <fstream>

#include "case_runner.h"

namespace {

// The default of the second read that tells a missing key from an empty
// value; no case's file holds it.
constexpr char kMissing[] = "\x01missing\x01";

class WindowsProfile final : public inidiff::Profile {
 public:
  void Begin(const inidiff::Case& c) override {
    char folder[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, folder);
    path_ = std::string(folder) + "\\inidiff-case" + std::to_string(c.number) + ".ini";
    DeleteFileA(path_.c_str());
    if (c.fileExists) {
      std::ofstream file(path_, std::ios::binary);
      file << c.text;
    }
  }

  std::optional<std::string> ReadString(const std::string& section,
                                        const std::string& key) override {
    char buffer[256];
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer,
                                                  sizeof buffer, path_.c_str());
    char probe[256];
    GetPrivateProfileStringA(section.c_str(), key.c_str(), kMissing, probe, sizeof probe,
                             path_.c_str());
    if (std::string(probe) == kMissing) return std::nullopt;
    return std::string(buffer, length);
  }

  std::int32_t ReadInt(const std::string& section, const std::string& key,
                       std::int32_t fallback) override {
    return static_cast<std::int32_t>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), fallback, path_.c_str()));
  }

  void Write(const std::string& section, const std::string& key,
             const std::string& value) override {
    WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path_.c_str());
  }

  void End() override { DeleteFileA(path_.c_str()); }

 private:
  std::string path_;
};

}  // namespace

int main(int argc, char** argv) {
  WindowsProfile profile;
  return inidiff::RunMain(argc, argv, profile);
}
