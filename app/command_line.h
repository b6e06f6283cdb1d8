// The command line as the screen-saver protocol reads it: the arguments, the
// mode letter chosen by the first one, window handles passed as decimal text,
// and the program file's extension that selects presentation mode.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lw {

// Splits a raw command line into its arguments, the program name included:
// white space separates, double quotes group and are removed.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

// The first argument upper-cased, its first character dropped and only the
// next one kept: "/s" -> "S", "/c:1234" -> "C", "S" -> "", none -> "".
std::string ModeLetter(const std::vector<std::string>& args);

// True when the program file's extension (from the last "." of its name) is
// ".EXE" in any letter case.
bool IsPresentationProgram(const std::string& programPath);

// A decimal number such as a window handle on the command line: optional
// sign, digits only, within 32 bits; nothing when the text is not one.
std::optional<int64_t> ParseDecimal(const std::string& text);

// Adds a backslash unless the folder already ends with one.
std::string InFolder(const std::string& folder, const std::string& name);

}  // namespace lw
