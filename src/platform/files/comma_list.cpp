#include "platform/files/comma_list.h"

namespace qvl::files {

CommaValues SplitCommaList(std::string_view line, std::size_t count) {
  CommaValues out;
  out.values.reserve(count);
  std::size_t i = 0;
  while (true) {
    while (i < line.size() && line[i] == ' ') ++i;
    std::string value;
    const bool quoted = i < line.size() && line[i] == '"';
    if (quoted) {
      std::size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) close = line.size();
      value.assign(line.substr(i + 1, close - i - 1));
      i = close;
    }
    std::size_t comma = line.find(',', i);
    if (comma == std::string_view::npos) comma = line.size();
    if (!quoted) {
      // Unquoted: the value is everything up to the comma, trailing blanks dropped.
      std::size_t end = comma;
      while (end > i && line[end - 1] == ' ') --end;
      value.assign(line.substr(i, end - i));
    }
    ++out.found;
    if (out.values.size() < count) out.values.push_back(std::move(value));
    if (comma >= line.size()) break;
    i = comma + 1;
  }
  out.values.resize(count);
  return out;
}

std::optional<std::vector<std::string>> SplitAsItStands(std::string_view line, std::size_t count) {
  std::vector<std::string> values;
  std::size_t start = 0;
  while (values.size() + 1 < count) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return std::nullopt;
    values.emplace_back(line.substr(start, comma - start));
    start = comma + 1;
  }
  values.emplace_back(line.substr(start));
  return values;
}

}  // namespace qvl::files
