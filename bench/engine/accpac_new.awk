# The detailed "AccPac (new)" transform written as a plain awk script, as a
# yardstick for the engine benchmark: the same fixed-width records in, the
# same journal lines and audit lines out (journal on stdout, audit trail to
# the file named by -v audit=...).
BEGIN {
  split("January February March April May June July August September October November December", months, " ")
  ORS = "\r\n"
}

function trim(s) { sub(/^ +/, "", s); sub(/ +$/, "", s); return s }

function pad14(s) { return sprintf("%14s", s) }

# Plain decimal text: no trailing zeros, "0" before the point below 1.
function plain(v,   s) {
  s = sprintf("%.4f", v)
  sub(/0+$/, "", s)
  sub(/\.$/, "", s)
  if (s == "-0") s = "0"
  return s
}

{
  date = substr($0, 5, 8)
  debits = substr($0, 60, 14)
  credits = substr($0, 74, 14)
  d = debits + 0
  c = credits + 0
  if (d != 0 && c != 0) {
    net = d - c
    amount = net > 0 ? pad14(sprintf("%.2f", net)) : pad14(plain(net))
  } else if (d != 0) {
    amount = debits
  } else {
    amount = pad14(plain(-c))
  }
  yyyy = substr(date, 1, 4)
  mm = substr(date, 5, 2)
  ++count
  print "9,1," (count * 10) ",\"" trim(substr($0, 31, 15)) "\",\"" amount "\",\"SP\",\"USD\",\"RES. SALARIES " \
        months[mm + 0] ", " yyyy "\",\"NG-" yyyy "-" mm "\",\"" mm "/" substr(date, 7, 2) "/" substr(date, 3, 2) \
        "\",\"GL\",\"JE\",\"\""
  print substr($0, 13, 75) > audit
}
