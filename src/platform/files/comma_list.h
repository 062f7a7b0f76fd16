#pragma once
// The comma-list read of one text line: a fixed number of values, quotes
// removed. Values are always taken from one line, so a short or long line
// never shifts values into the next one.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qvl::files {

struct CommaValues {
  std::vector<std::string> values;  // exactly as many as asked for
  std::size_t found = 0;            // how many values the line held
  // False when the line held fewer or more values than asked for; callers
  // warn about that once per run.
  bool Complete() const { return found == values.size(); }
};

// Splits one line (without its line end) into `count` values. Commas separate
// values; blanks around an unquoted value are dropped; a value that starts
// with a double quote runs to the next double quote (commas and blanks inside
// are kept, text between the closing quote and the next comma is dropped; an
// unclosed quote runs to the end of the line). Missing values are empty,
// extra values are ignored.
CommaValues SplitCommaList(std::string_view line, std::size_t count);

// Splits one line at its commas into `count` values as they stand (blanks
// and quotes kept); the last value is the rest of the line, commas included.
// nullopt when the line holds fewer than count - 1 commas.
std::optional<std::vector<std::string>> SplitAsItStands(std::string_view line, std::size_t count);

}  // namespace qvl::files
