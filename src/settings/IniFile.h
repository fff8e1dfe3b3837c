#pragma once
// The settings file: a profile (INI) file of [sections] and key=value lines,
// read and written the way the desktop's own profile functions do it.
#include <string>

namespace orv {

// The value of Key in Section of the file at Path, cut to 254 bytes, or
// "ERROR" when the file, the section or the key does not exist.
std::string ReadIni(const std::string& Key, const std::string& Section, const std::string& Path);

// Sets Key in Section to Value: replaces the value in place, or adds the key
// (and the section, and the file) when missing; every other line of the file
// stays as it was. Returns false when the file cannot be written.
bool WriteIni(const std::string& Value, const std::string& Key, const std::string& Section,
              const std::string& Path);

}  // namespace orv
