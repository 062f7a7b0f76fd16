#include "platform/workbook/formula.h"

#include <charconv>
#include <cmath>

#include "platform/vb/convert.h"
#include "platform/workbook/address.h"
#include "platform/workbook/biff.h"

namespace qvl::workbook::detail {
namespace {

using Kind = Token::Kind;

// Parsed-expression token ids of the file format.
namespace ptg {
constexpr std::uint8_t kAdd = 0x03, kSub = 0x04, kMul = 0x05, kDiv = 0x06, kUPlus = 0x12, kUMinus = 0x13,
                       kParen = 0x15, kAttr = 0x19, kInt = 0x1E, kNum = 0x1F, kRefR = 0x24, kAreaR = 0x25,
                       kRefV = 0x44, kAreaV = 0x45, kFuncVarV = 0x42;
constexpr std::uint16_t kSumFunction = 4;
constexpr std::uint8_t kAttrSum = 0x10, kAttrChoose = 0x04;
}  // namespace ptg

constexpr int kMaxDepth = 64;
constexpr int kMaxArguments = 30;

class Parser {
 public:
  explicit Parser(std::string_view text) : s_(text) {}

  std::optional<Rpn> Run() {
    if (s_.empty() || s_[0] != '=') return std::nullopt;
    pos_ = 1;
    if (!Expression() ) return std::nullopt;
    SkipBlanks();
    if (pos_ != s_.size()) return std::nullopt;
    return out_;
  }

 private:
  void SkipBlanks() {
    while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
  }

  bool Peek(char c) {
    SkipBlanks();
    return pos_ < s_.size() && s_[pos_] == c;
  }

  bool Expression() {
    if (++depth_ > kMaxDepth) return false;
    if (!Term()) return false;
    while (Peek('+') || Peek('-')) {
      Kind op = s_[pos_++] == '+' ? Kind::Add : Kind::Subtract;
      if (!Term()) return false;
      out_.push_back({op});
    }
    --depth_;
    return true;
  }

  bool Term() {
    if (!Unary()) return false;
    while (Peek('*') || Peek('/')) {
      Kind op = s_[pos_++] == '*' ? Kind::Multiply : Kind::Divide;
      if (!Unary()) return false;
      out_.push_back({op});
    }
    return true;
  }

  bool Unary() {
    if (Peek('-') || Peek('+')) {
      Kind op = s_[pos_++] == '-' ? Kind::Negate : Kind::Plus;
      if (++depth_ > kMaxDepth || !Unary()) return false;
      --depth_;
      out_.push_back({op});
      return true;
    }
    return Primary();
  }

  bool Primary() {
    SkipBlanks();
    if (pos_ >= s_.size()) return false;
    char c = s_[pos_];
    if (c == '(') {
      ++pos_;
      if (!Expression() || !Peek(')')) return false;
      ++pos_;
      out_.push_back({Kind::Paren});
      return true;
    }
    if ((c >= '0' && c <= '9') || c == '.') return Number();
    if (auto t = Reference(false)) {
      if (t->kind == Kind::Area) return false;  // ranges only as SUM arguments
      out_.push_back(*t);
      return true;
    }
    return Sum();
  }

  bool Number() {
    std::size_t start = pos_;
    while (pos_ < s_.size() && ((s_[pos_] >= '0' && s_[pos_] <= '9') || s_[pos_] == '.')) ++pos_;
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-')) ++pos_;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
    }
    Token t{Kind::Number};
    auto [end, ec] = std::from_chars(s_.data() + start, s_.data() + pos_, t.number);
    if (ec != std::errc() || end != s_.data() + pos_ || !std::isfinite(t.number)) return false;
    out_.push_back(t);
    return true;
  }

  // A cell or, with its colon, a range; the position is kept when neither.
  std::optional<Token> Reference(bool asReference) {
    SkipBlanks();
    std::size_t start = pos_;
    auto a = ReadCellRef(s_, pos_);
    if (!a) return std::nullopt;
    Token t{Kind::Ref};
    t.row1 = t.row2 = a->row;
    t.column1 = t.column2 = a->column;
    t.absRow1 = t.absRow2 = a->absRow;
    t.absColumn1 = t.absColumn2 = a->absColumn;
    t.asReference = asReference;
    if (pos_ < s_.size() && s_[pos_] == ':') {
      ++pos_;
      auto b = ReadCellRef(s_, pos_);
      if (!b) {
        pos_ = start;
        return std::nullopt;
      }
      t.kind = Kind::Area;
      t.row2 = b->row;
      t.column2 = b->column;
      t.absRow2 = b->absRow;
      t.absColumn2 = b->absColumn;
    }
    // A name that merely begins like a cell ("SUM1(") is no reference.
    if (pos_ < s_.size() && s_[pos_] == '(') {
      pos_ = start;
      return std::nullopt;
    }
    return t;
  }

  bool Sum() {
    std::size_t start = pos_;
    static constexpr std::string_view kName = "SUM";
    for (char c : kName) {
      if (pos_ >= s_.size() || (s_[pos_] & ~0x20) != c) {
        pos_ = start;
        return false;
      }
      ++pos_;
    }
    if (!Peek('(')) return false;
    ++pos_;
    int argc = 0;
    do {
      if (++argc > kMaxArguments) return false;
      std::size_t argStart = pos_;
      if (auto t = Reference(true); t && (Peek(',') || Peek(')'))) {
        out_.push_back(*t);
        continue;
      }
      pos_ = argStart;
      if (!Expression()) return false;
    } while (Peek(',') && ++pos_);
    if (!Peek(')')) return false;
    ++pos_;
    Token t{Kind::Sum};
    t.argc = argc;
    out_.push_back(t);
    return true;
  }

  std::string_view s_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  Rpn out_;
};

std::uint16_t ColumnField(int column, bool absColumn, bool absRow) {
  return static_cast<std::uint16_t>((column - 1) | (absColumn ? 0 : 0x4000) | (absRow ? 0 : 0x8000));
}

// How many operands a token takes from the stack.
int Arity(const Token& t) {
  switch (t.kind) {
    case Kind::Number:
    case Kind::Ref:
    case Kind::Area:
      return 0;
    case Kind::Negate:
    case Kind::Plus:
    case Kind::Paren:
      return 1;
    case Kind::Sum:
      return t.argc;
    default:
      return 2;
  }
}

}  // namespace

std::optional<Rpn> ParseFormula(std::string_view text) { return Parser(text).Run(); }

std::string FormulaText(const Rpn& rpn) {
  std::vector<std::string> stack;
  auto pop = [&] {
    std::string top = stack.empty() ? std::string() : std::move(stack.back());
    if (!stack.empty()) stack.pop_back();
    return top;
  };
  auto wrap = [&](char before, const char* after) {
    std::string text(1, before);
    text += pop();
    text += after;
    stack.push_back(std::move(text));
  };
  for (const Token& t : rpn) {
    switch (t.kind) {
      case Kind::Number:
        stack.push_back(vb::CStr(t.number));
        break;
      case Kind::Ref:
        stack.push_back(CellName({t.row1, t.column1, t.absRow1, t.absColumn1}));
        break;
      case Kind::Area:
        stack.push_back(CellName({t.row1, t.column1, t.absRow1, t.absColumn1}) + ":" +
                        CellName({t.row2, t.column2, t.absRow2, t.absColumn2}));
        break;
      case Kind::Negate:
        wrap('-', "");
        break;
      case Kind::Plus:
        wrap('+', "");
        break;
      case Kind::Paren:
        wrap('(', ")");
        break;
      case Kind::Sum: {
        std::vector<std::string> args(static_cast<std::size_t>(t.argc));
        for (std::size_t i = args.size(); i-- > 0;) args[i] = pop();
        std::string text = "SUM(";
        for (std::size_t i = 0; i < args.size(); ++i) text += (i ? "," : "") + args[i];
        stack.push_back(text + ")");
        break;
      }
      default: {
        std::string right = pop();
        std::string left = pop();
        const char* op = t.kind == Kind::Add ? "+" : t.kind == Kind::Subtract ? "-" : t.kind == Kind::Multiply ? "*" : "/";
        stack.push_back(left + op + right);
        break;
      }
    }
  }
  std::string text(1, '=');
  if (!stack.empty()) text += stack.back();
  return text;
}

void EncodeFormula(const Rpn& rpn, ByteWriter& out) {
  for (const Token& t : rpn) {
    switch (t.kind) {
      case Kind::Number:
        if (t.number >= 0 && t.number <= 65535 && t.number == std::floor(t.number)) {
          out.U8(ptg::kInt);
          out.U16(static_cast<std::uint16_t>(t.number));
        } else {
          out.U8(ptg::kNum);
          out.F64(t.number);
        }
        break;
      case Kind::Ref:
        out.U8(t.asReference ? ptg::kRefR : ptg::kRefV);
        out.U16(static_cast<std::uint16_t>(t.row1 - 1));
        out.U16(ColumnField(t.column1, t.absColumn1, t.absRow1));
        break;
      case Kind::Area:
        out.U8(t.asReference ? ptg::kAreaR : ptg::kAreaV);
        out.U16(static_cast<std::uint16_t>(t.row1 - 1));
        out.U16(static_cast<std::uint16_t>(t.row2 - 1));
        out.U16(ColumnField(t.column1, t.absColumn1, t.absRow1));
        out.U16(ColumnField(t.column2, t.absColumn2, t.absRow2));
        break;
      case Kind::Add:
        out.U8(ptg::kAdd);
        break;
      case Kind::Subtract:
        out.U8(ptg::kSub);
        break;
      case Kind::Multiply:
        out.U8(ptg::kMul);
        break;
      case Kind::Divide:
        out.U8(ptg::kDiv);
        break;
      case Kind::Plus:
        out.U8(ptg::kUPlus);
        break;
      case Kind::Negate:
        out.U8(ptg::kUMinus);
        break;
      case Kind::Paren:
        out.U8(ptg::kParen);
        break;
      case Kind::Sum:
        out.U8(ptg::kFuncVarV);
        out.U8(static_cast<std::uint8_t>(t.argc));
        out.U16(ptg::kSumFunction);
        break;
    }
  }
}

std::optional<Rpn> DecodeFormula(std::span<const std::uint8_t> rgce) {
  Rpn rpn;
  std::size_t depth = 0;
  DataReader in(rgce);
  auto push = [&](Token t) {
    int n = Arity(t);
    if (static_cast<std::size_t>(n) > depth) return false;
    depth = depth - static_cast<std::size_t>(n) + 1;
    rpn.push_back(t);
    return true;
  };
  auto refFields = [&](Token& t, bool area) {
    int r1 = in.U16(), r2 = area ? in.U16() : r1;
    std::uint16_t c1 = in.U16(), c2 = area ? in.U16() : c1;
    if ((c1 & 0x3FFF) > 0xFF || (c2 & 0x3FFF) > 0xFF) return false;
    t.row1 = r1 + 1;
    t.row2 = r2 + 1;
    t.column1 = (c1 & 0xFF) + 1;
    t.column2 = (c2 & 0xFF) + 1;
    t.absColumn1 = !(c1 & 0x4000);
    t.absRow1 = !(c1 & 0x8000);
    t.absColumn2 = !(c2 & 0x4000);
    t.absRow2 = !(c2 & 0x8000);
    return true;
  };
  try {
    while (in.remaining() > 0) {
      std::uint8_t id = in.U8();
      Token t;
      bool ok = true;
      switch (id) {
        case ptg::kAdd: t.kind = Kind::Add; break;
        case ptg::kSub: t.kind = Kind::Subtract; break;
        case ptg::kMul: t.kind = Kind::Multiply; break;
        case ptg::kDiv: t.kind = Kind::Divide; break;
        case ptg::kUPlus: t.kind = Kind::Plus; break;
        case ptg::kUMinus: t.kind = Kind::Negate; break;
        case ptg::kParen: t.kind = Kind::Paren; break;
        case ptg::kInt:
          t.kind = Kind::Number;
          t.number = in.U16();
          break;
        case ptg::kNum:
          t.kind = Kind::Number;
          t.number = in.F64();
          ok = std::isfinite(t.number);
          break;
        case ptg::kAttr: {
          std::uint8_t flags = in.U8();
          in.U16();
          if (flags & ptg::kAttrChoose) return std::nullopt;
          if (!(flags & ptg::kAttrSum)) continue;  // spacing and jumps: no value of their own
          t.kind = Kind::Sum;
          t.argc = 1;
          break;
        }
        case 0x24: case 0x44: case 0x64:
          t.kind = Kind::Ref;
          t.asReference = id == 0x24;
          ok = refFields(t, false);
          break;
        case 0x25: case 0x45: case 0x65:
          t.kind = Kind::Area;
          t.asReference = id == 0x25;
          ok = refFields(t, true);
          break;
        case 0x22: case 0x42: case 0x62: {
          t.kind = Kind::Sum;
          t.argc = in.U8() & 0x7F;
          ok = in.U16() == ptg::kSumFunction && t.argc > 0;
          break;
        }
        default:
          return std::nullopt;
      }
      if (!ok || !push(t)) return std::nullopt;
    }
  } catch (const FormatError&) {
    return std::nullopt;
  }
  if (depth != 1) return std::nullopt;
  return rpn;
}

}  // namespace qvl::workbook::detail
