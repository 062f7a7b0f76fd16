#include "engine/amount_fields.h"

#include "engine/call_patterns.h"
#include "engine/run_errors.h"
#include "platform/vb/error.h"
#include "platform/vb/format.h"
#include "platform/vb/text.h"
#include "window/qvledgerloom.h"

namespace qvl {

namespace {

std::string Shown(vb::Currency amount) { return vb::Format(amount, "0.00"); }

[[noreturn]] void StopRun(const QvLedgerloom& window, std::string reason, bool namesLine = true) {
  throw FileError(namesLine ? InputPlace(window) : std::string(), vb::Error(vb::kOverflow, std::move(reason)));
}

[[noreturn]] void StopForWidth(const QvLedgerloom& window, vb::Currency amount, std::size_t width) {
  StopRun(window, "The amount " + Shown(amount) + " does not fit the journal's " + std::to_string(width) +
                      "-digit amount field.");
}

// The cents' digits without a sign, zero-filled; too many stop the run.
std::string Digits(const QvLedgerloom& window, vb::Currency amount, std::size_t width) {
  const std::int64_t cents = CentsOf(amount);
  std::string digits = std::to_string(cents < 0 ? -cents : cents);
  if (digits.size() > width) StopForWidth(window, amount, width);
  return std::string(width - digits.size(), '0') + digits;
}

}  // namespace

std::int64_t CentsOf(vb::Currency amount) {
  const std::int64_t perCent = vb::Currency::kScale / 100;
  const std::int64_t raw = amount.raw();
  std::int64_t cents = raw / perCent;
  const std::int64_t rest = raw % perCent;
  if (rest >= perCent / 2) ++cents;
  if (rest <= -perCent / 2) --cents;
  return cents;
}

std::string ZeroFilledCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width) {
  if (CentsOf(amount) < 0)
    StopRun(window, "The amount " + Shown(amount) + " cannot be written: the journal's " + std::to_string(width) +
                        "-digit amount field has no sign.");
  return Digits(window, amount, width);
}

std::string PlainCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width) {
  std::string text = std::to_string(CentsOf(amount));
  if (text.size() > width) StopForWidth(window, amount, width);
  return text;
}

std::string OverpunchedCents(const QvLedgerloom& window, vb::Currency amount, std::size_t width) {
  constexpr std::string_view kZeroOrAbove = "{ABCDEFGHI";
  constexpr std::string_view kBelowZero = "}JKLMNOPQR";
  std::string digits = Digits(window, amount, width);
  const std::string_view row = CentsOf(amount) < 0 ? kBelowZero : kZeroOrAbove;
  digits.back() = row[static_cast<std::size_t>(digits.back() - '0')];
  return digits;
}

std::string AmountTextInField(const QvLedgerloom& window, std::string_view text, std::size_t width, char fill) {
  if (text.size() > width)
    StopRun(window, "The amount " + std::string(text) + " does not fit the journal's " + std::to_string(width) +
                        "-character amount field.");
  return std::string(width - text.size(), fill).append(text);
}

std::string ZeroFilled(const QvLedgerloom& window, std::string_view digits, std::size_t width,
                       std::string_view what) {
  if (digits.size() > width)
    StopRun(window,
            "The " + std::string(what) + " " + std::string(digits) + " does not fit its " + std::to_string(width) +
                "-digit field.",
            false);
  return std::string(width - digits.size(), '0').append(digits);
}

}  // namespace qvl
