#include "scenario/script.h"

#include <map>

namespace qvl::scenario {

namespace {

struct Arity {
  std::size_t min;
  std::size_t max;
};

const std::map<std::string, Arity, std::less<>> kVerbs = {
    {"today", {1, 2}},  {"drive", {2, 2}},  {"set", {2, 2}},    {"check", {2, 2}},
    {"select", {1, 1}}, {"choose", {2, 2}}, {"click", {1, 1}},  {"answer", {1, 1}},
    {"reply", {1, 1}},  {"reply-cancel", {0, 0}}, {"start", {0, 0}}, {"exit", {0, 0}},
};

}  // namespace

std::vector<std::string> SplitLine(std::string_view line) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      ++i;
      continue;
    }
    if (c == '#') break;
    std::string word;
    if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) throw ScriptError("a quote is not closed");
      word = std::string(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' && line[i] != '\n' &&
             line[i] != '#')
        word += line[i++];
    }
    words.push_back(std::move(word));
  }
  return words;
}

std::vector<Action> ParseScript(std::string_view text) {
  std::vector<Action> actions;
  std::size_t lineNo = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('\n', start);
    const std::string_view line = text.substr(start, end == std::string_view::npos ? text.npos : end - start);
    ++lineNo;
    std::vector<std::string> words;
    try {
      words = SplitLine(line);
    } catch (const ScriptError& e) {
      throw ScriptError("line " + std::to_string(lineNo) + ": " + e.what());
    }
    if (!words.empty()) {
      Action action{lineNo, words.front(), {words.begin() + 1, words.end()}};
      const auto verb = kVerbs.find(action.verb);
      if (verb == kVerbs.end())
        throw ScriptError("line " + std::to_string(lineNo) + ": unknown action \"" + action.verb + "\"");
      if (action.args.size() < verb->second.min || action.args.size() > verb->second.max)
        throw ScriptError("line " + std::to_string(lineNo) + ": wrong number of arguments for \"" +
                          action.verb + "\"");
      actions.push_back(std::move(action));
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return actions;
}

}  // namespace qvl::scenario
