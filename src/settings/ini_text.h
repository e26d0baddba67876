// Single reads and the write over the whole text of an INI file, with the
// results of the Windows profile functions. For the simulation's profile
// store, the tests and the tools; vantor.exe reads through ini::Index and
// writes through the system, so this is no part of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor::ini {

// GetPrivateProfileStringA(section, key, "", buffer, 256, file) over the
// file's text: the value with Windows' trimming and quote rules, cut to
// 255 characters; nullopt when the section or key is missing.
std::optional<std::string> ReadString(const std::string& text, const std::string& section,
                                      const std::string& key);

// GetPrivateProfileIntA over the file's text.
std::int32_t ReadInt(const std::string& text, const std::string& section, const std::string& key,
                     std::int32_t fallback);

// WritePrivateProfileStringA over the file's text: returns the new text.
// Replaces the first matching key's value, or appends the key to the first
// matching section, or appends the section; every other line stays as it was.
std::string WriteString(const std::string& text, const std::string& section, const std::string& key,
                        const std::string& value);

}  // namespace vantor::ini
