// The drives and folders through the Windows file functions, each probe
// with critical-error messages switched off.
#pragma once

#include "platform/drives.h"

namespace vantor::win32 {

class Win32Drives final : public Drives {
 public:
  DriveKind KindOf(const std::string& root) override;
  std::optional<std::string> VolumeLabel(const std::string& root) override;
  EnterResult TryEnter(const std::string& folder) override;
  std::vector<std::string> Folders(const std::string& folder) override;
  std::vector<std::string> NormalFiles(const std::string& folder,
                                       const std::string& pattern) override;
  std::string CurrentFolder() override;
  std::string CurrentFolderOnDrive(char letter) override;
  std::vector<std::string> DriveRoots() override;
};

}  // namespace vantor::win32
