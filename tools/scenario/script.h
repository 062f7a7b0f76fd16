#pragma once
// scenario.txt: one action a line, "#" starts a comment, arguments separated
// by blanks, "..." for one argument holding blanks (or none: "").
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::scenario {

struct Action {
  std::size_t line = 0;  // 1-based line of scenario.txt
  std::string verb;
  std::vector<std::string> args;
};

class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The words of one line, quotes removed; empty for a blank or comment line.
std::vector<std::string> SplitLine(std::string_view line);

// Every action of the script, each checked for a known verb and the number of
// arguments it takes. Throws ScriptError naming the line otherwise.
std::vector<Action> ParseScript(std::string_view text);

}  // namespace qvl::scenario
