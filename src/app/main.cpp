// Placeholder until the main window is built: says what the program is.
#include <cstdio>

int main() {
  std::puts("QvLedgerloom - v71.0");
  return 0;
}
