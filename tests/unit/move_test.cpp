#include <string>

#include "puzzle/hanoi.h"
#include "scripted_platform.h"
#include "textio/output.h"

using Move_ = ScriptedTest;

// The move lines, built the plain way, for comparison.
static void Expected(std::string &out, int n, char a, char b, char c) {
  if (n == 0) return;
  Expected(out, n - 1, a, c, b);
  out += "Move " + std::to_string(n) + " from " + a + " to " + b + "\r\n";
  Expected(out, n - 1, c, b, a);
}

TEST_F(Move_, FileGetsWholeBlocksAndExactBytes) {
  for (int n : {1, 3, 9, 14}) {
    SetUp();
    Open(Output, fmOutput, FILE_TYPE_DISK);
    WriteString(Output, "input n: ");
    program::MOVE(static_cast<int16_t>(n), 'A', 'B', 'C');
    Flush(Output);
    std::string expected = "input n: ";
    Expected(expected, n, 'A', 'B', 'C');
    EXPECT_EQ(Written(), expected) << n;
    ASSERT_EQ(script.writes.size(), (expected.size() + 255) / 256) << n;
    for (size_t i = 0; i + 1 < script.writes.size(); ++i) EXPECT_EQ(script.writes[i].size(), 256u);
    EXPECT_EQ(InOutRes, 0);
  }
}

TEST_F(Move_, ConsoleGetsOneWritePerLine) {
  Open(Output, fmOutput, FILE_TYPE_CHAR);
  program::MOVE(11, 'A', 'B', 'C');  // lines with two-digit disc numbers too
  std::string expected;
  Expected(expected, 11, 'A', 'B', 'C');
  ASSERT_EQ(script.writes.size(), 2047u);
  size_t at = 0;
  for (const std::string &w : script.writes) {
    const size_t end = expected.find('\n', at) + 1;
    EXPECT_EQ(w, expected.substr(at, end - at));
    at = end;
  }
}
