#pragma once
// Journal lines as lists of fields. A writer states its layout as a list of
// fields, one expression each, and hands the list to one of these helpers:
// delimited fields are joined with the package's delimiter, each in double
// quotes where the layout quotes it (the text is not escaped: importing
// packages read the quotes as field bounds only); fixed-width columns are
// put side by side, each padded with blanks or cut to its width.
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/input_record.h"
#include "platform/vb/currency.h"

namespace qvl {

class QvLedgerloom;

struct Field {
  std::string text;
  bool quoted = false;
};
inline Field Plain(std::string text) { return {std::move(text), false}; }
inline Field Quoted(std::string text) { return {std::move(text), true}; }

enum class Align { Left, Right };

struct Column {
  std::string text;
  std::size_t width;
  Align align = Align::Left;  // Left: blank-padded on the right; Right: on the left
};

// The text cut to the width, or padded to it with blanks on the side away
// from its alignment.
std::string AtWidth(std::string_view text, std::size_t width, Align align = Align::Left);

// The text filled with `fill` up to the width on the side away from its
// alignment; a longer text is kept whole.
std::string Filled(std::string_view text, std::size_t width, char fill, Align align = Align::Left);
// An amount right-aligned in a fixed field, filled with `fill` on the left.
// An amount is never cut: one wider than its field raises vb::Error 6.
std::string AmountInField(std::string_view amount, std::size_t width, char fill = ' ');

// A record date "yyyymmdd" as "mm/dd/yy", taken by position: characters 5-6,
// the last two, characters 3-4.
std::string SlashedDate(std::string_view yyyymmdd);

std::string JoinFields(const std::vector<Field>& fields, std::string_view delimiter);
// The same into `line`, which keeps its storage from line to line.
void JoinFieldsInto(std::span<const Field> fields, std::string_view delimiter, std::string& line);
std::string JoinColumns(const std::vector<Column>& columns);

// The joined line goes into Build_OutRec and through WriteOutputRec.
void WriteFields(QvLedgerloom& window, std::string_view delimiter, const std::vector<Field>& fields);
// A layout written out as a list in place: its fields are not copied again.
void WriteFields(QvLedgerloom& window, std::string_view delimiter, std::initializer_list<Field> fields);
void WriteColumns(QvLedgerloom& window, const std::vector<Column>& columns);

// --- Values many layouts take from the record. ---

// Debits minus credits; an amount that is empty, ".00" or no number counts as 0.
vb::Currency NetAmount(const InputRecord& record);
// Whether a trimmed amount text is more than the export's "no amount" (empty
// or ".00"): the layouts that write a line per side whose text is not one.
bool HasAmountText(std::string_view trimmed);
// The field stored back without its surrounding blanks (left-aligned), and
// that text: what layouts that trim the record in place do.
std::string TrimInPlace(InputRecord& record, InputRecord::Field field);
// The record's "yyyymmdd" date rewritten by its characters as "mm/dd/yyyy".
std::string SlashedRecordDate(const InputRecord& record);
// The field stored again without its surrounding blanks (left-aligned), for
// the layouts that trim a value where the record holds it; returns that text.
std::string TrimInPlace(InputRecord& record, InputRecord::Field field);

}  // namespace qvl
