// The running program file and its folder. Tests point both at a scratch location so that
// the program's folders are made there instead of beside the test binary.
#pragma once

#include <string>

// Absolute path of the program file.
std::string programFile();
// Folder of the program file, ending in '/'.
std::string programFolder();
// Makes programFile() report path; an empty path restores the running executable.
void setProgramFileOverride(const std::string& path);
