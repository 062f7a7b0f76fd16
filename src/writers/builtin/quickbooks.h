#pragma once
// The QuickBooks interchange files. Tab-separated: "QuickBooks" and
// "QuickBooks 2004" (a line per record or merged line), "QuickBooks 2006"
// (a line per comma input line). Comma-separated: "QuickBooks PerfPay",
// "QuickBooks (csv)" and "QuickBooks(csv I/O)", which store the whole input
// first, open a transaction with one "TRNS" line whose amount balances it
// (or one per class with Sum by Class) and write a "SPL" line per debit and
// per credit.
#include <string>
#include <string_view>

namespace qvl {

class FinPacCatalog;
class QvLedgerloom;

void RegisterQuickBooksWriters(FinPacCatalog& catalog);
// The comma files' entries and offsetting writers (part of the above).
void RegisterQuickBooksCommaWriters(FinPacCatalog& catalog);

// --- The ways an account carries more than the account. ---
// Every split looks in the trimmed account, so an account without the
// delimiter stays whole; an empty delimiter box splits at an inner blank.

// The delimiter box's text, one blank when it is empty.
inline std::string DelimiterOf(std::string_view boxText) {
  return boxText.empty() ? std::string(" ") : std::string(boxText);
}

// The tab files: the account column (at most 15 characters), and a class or
// location split off at the delimiter; "QuickBooks 2004" also splits a
// sub-account off a seventh character ".".
struct TabAccount {
  std::string account;
  std::string klass;
  std::string subAccount;
};
TabAccount SplitTabAccount(std::string_view account, std::string_view delimiter, bool byClass, bool byName,
                           bool subAccounts);

// "QuickBooks 2006": the transaction type after the delimiter ("parse
// Type?"), and the customer after the first "-" ("parse Customer?"), which
// "Trim Account" also cuts off the account.
struct TypedAccount {
  std::string account;
  std::string type;
  std::string name;
};
TypedAccount SplitTypedAccount(std::string_view account, std::string_view company, std::string_view delimiter,
                               bool byType, bool byCustomer, bool trimAccount);

// The comma files: account, class and name (the name is the job for
// "QuickBooks PerfPay").
struct CommaAccount {
  std::string account;
  std::string klass;
  std::string name;
};
// Class before the account, name after it: "QuickBooks (csv)" and, with its
// "Parse Dept?" as the class, "QuickBooks(csv I/O)".
CommaAccount SplitClassAccountName(std::string_view account, std::string_view delimiter, bool byClass,
                                   bool byName);
// Job and class after the account: "QuickBooks PerfPay".
CommaAccount SplitAccountJobClass(std::string_view account, std::string_view delimiter, bool byJob, bool byClass);

// --- Writers (also called for an offsetting entry, from curRec). ---
void QuickBooks(QvLedgerloom& window);
void QuickBooks2006(QvLedgerloom& window);

}  // namespace qvl
