// Whole cents in fixed-width fields: rounding, the signed overpunch, and the
// amounts a field cannot hold.
#include "engine/amount_fields.h"

#include <gtest/gtest.h>

#include "engine/call_patterns.h"
#include "engine/run_errors.h"
#include "support/tempdir.h"
#include "window/window_fixture.h"

namespace qvl::test {
namespace {

vb::Currency Amount(const char* text) { return vb::CCur(text); }

using AmountFieldsTest = WindowTest;

TEST_F(AmountFieldsTest, CentsRoundHalfAwayFromZeroAndOverpunchCarriesTheSign) {
  const struct {
    const char* amount;
    std::int64_t cents;
    const char* overpunched;  // in 11 digits
  } rows[] = {
      {"1234.56", 123456, "0000012345F"}, {"-1234.56", -123456, "0000012345O"},
      {"0.50", 50, "0000000005{"},        {"-0.50", -50, "0000000005}"},
      {"0", 0, "0000000000{"},            {"1.005", 101, "0000000010A"},
      {"-1.005", -101, "0000000010J"},    {"0.004", 0, "0000000000{"},
      {"999999999.99", 99999999999, "9999999999I"}, {"-0.09", -9, "0000000000R"},
      {"0.07", 7, "0000000000G"},         {"-0.03", -3, "0000000000L"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(CentsOf(Amount(row.amount)), row.cents) << row.amount;
    EXPECT_EQ(OverpunchedCents(*window, Amount(row.amount), 11), row.overpunched) << row.amount;
  }
  EXPECT_EQ(ZeroFilledCents(*window, Amount("168.7"), 11), "00000016870");
  EXPECT_EQ(PlainCents(*window, Amount("-5"), 4), "-500");
  EXPECT_EQ(ZeroFilled(*window, "42", 6, "count"), "000042");
}

TEST_F(AmountFieldsTest, AnAmountTheFieldCannotHoldStopsTheRunNamingItsLine) {
  // Three records read: the failing line came from the third.
  WriteBytes(c / "gl.txt", std::string(3 * files::kRecordLength, '0'));
  window->run.INFile = "c:\\gl.txt";
  window->run.Files.OpenRecords(1, window->run.INFile);
  std::string record;
  for (int k = 0; k < 3; ++k) window->run.Files.GetRecord(1, record);
  const auto reason = [&](auto write) -> std::string {
    try {
      write();
    } catch (const FileError& e) {
      return e.path() + " | " + e.description();
    }
    return "written";
  };
  EXPECT_EQ(reason([&] { ZeroFilledCents(*window, Amount("1000000000.00"), 11); }),
            "c:\\gl.txt, record 3 | The amount 1000000000.00 does not fit the journal's 11-digit amount field.");
  EXPECT_EQ(reason([&] { ZeroFilledCents(*window, Amount("-0.01"), 10); }),
            "c:\\gl.txt, record 3 | The amount -0.01 cannot be written: the journal's 10-digit amount field has "
            "no sign.");
  EXPECT_EQ(reason([&] { OverpunchedCents(*window, Amount("-1000000000"), 11); }),
            "c:\\gl.txt, record 3 | The amount -1000000000.00 does not fit the journal's 11-digit amount field.");
  EXPECT_EQ(reason([&] { PlainCents(*window, Amount("-100"), 4); }),
            "c:\\gl.txt, record 3 | The amount -100.00 does not fit the journal's 4-digit amount field.");
  EXPECT_EQ(reason([&] { ZeroFilled(*window, "1000000", 6, "debit count"); }),
            " | The debit count 1000000 does not fit its 6-digit field.");
  // An offsetting line and a summarized line have no record number.
  window->run.curSumLoaded = true;
  window->run.curRec.SetAccount("  5000");
  EXPECT_EQ(InputPlace(*window), "the summarized line of account 5000");
  window->run.Balancing = true;
  EXPECT_EQ(InputPlace(*window), "the offsetting entry");
}

}  // namespace
}  // namespace qvl::test
