#include <string>

#include "runtime/errors.h"
#include "runtime/fault_filter.h"
#include "runtime/frame_record.h"
#include "runtime/report.h"
#include "scripted_platform.h"
#include "textio/output.h"

using Report_ = ScriptedTest;

TEST_F(Report_, AddressesAsFixedWidthHex) {
  EXPECT_EQ(View(HexStr(reinterpret_cast<void *>(0x12AB34))), "0012AB34");
  EXPECT_EQ(View(HexStr(nullptr)), "00000000");
  EXPECT_EQ(View(HexStr(reinterpret_cast<void *>(0xFFFFFFFFu))), "FFFFFFFF");
  EXPECT_EQ(View(HexStr(reinterpret_cast<void *>(0x7FFF00001234ull))), "00007FFF00001234");
  EXPECT_EQ(View(SysBackTraceStr(reinterpret_cast<void *>(0x401ABC))), "  $00401ABC");
}

// A chain of `depth` records laid out upwards in memory, as a stack is.
static FrameRecord Chain[400];
static FrameRecord *MakeChain(int depth) {
  for (int i = 0; i < depth; ++i) {
    Chain[i].ReturnAddress = reinterpret_cast<void *>(0x401000 + i);
    Chain[i].Caller = i + 1 < depth ? &Chain[i + 1] : nullptr;
  }
  return &Chain[0];
}

static int Lines(const std::string &s) {
  int n = 0;
  for (char c : s) n += c == '\n';
  return n;
}

TEST_F(Report_, WalkLimits) {
  const struct {
    int depth;
    uint32_t fileType;
    int lines;
  } cases[] = {{1, FILE_TYPE_DISK, 1},   {5, FILE_TYPE_DISK, 5},   {300, FILE_TYPE_DISK, 257},
               {257, FILE_TYPE_DISK, 257}, {258, FILE_TYPE_DISK, 257}, {300, FILE_TYPE_CHAR, 9},
               {9, FILE_TYPE_CHAR, 9},   {3, FILE_TYPE_CHAR, 3}};
  for (const auto &c : cases) {
    SetUp();
    TextRec t;
    Open(t, fmOutput, FILE_TYPE_DISK);  // buffered either way, to count the lines
    script.fileType[7] = c.fileType;
    dump_stack(t, MakeChain(c.depth));
    Flush(t);
    EXPECT_EQ(Lines(Written()), c.lines) << c.depth << " " << c.fileType;
    EXPECT_TRUE(Written().starts_with("  $00401000\r\n  $00401001\r\n") || c.lines < 2);
  }
}

TEST_F(Report_, WalkStopsAtANullReturnAddressOrACallerThatIsNotHigher) {
  TextRec t;
  Open(t, fmOutput);
  MakeChain(5);
  Chain[2].ReturnAddress = nullptr;
  dump_stack(t, &Chain[0]);
  Flush(t);
  EXPECT_EQ(Written(), "  $00401000\r\n  $00401001\r\n");

  SetUp();
  Open(t, fmOutput);
  MakeChain(5);
  Chain[1].Caller = &Chain[0];  // points back down: a loop
  dump_stack(t, &Chain[0]);
  dump_stack(t, nullptr);
  Flush(t);
  EXPECT_EQ(Written(), "  $00401000\r\n  $00401001\r\n");
}

TEST_F(Report_, IOCheckPassesWhenNothingIsPending) {
  InOutRes = 0;
  IOCheck();
  EXPECT_EQ(InOutRes, 0);
  EXPECT_EQ(ErrorAddr, nullptr);
}

TEST_F(Report_, FaultStatusesToNumbers) {
  const struct {
    uint32_t status;
    int32_t number;
  } cases[] = {
      {STATUS_INTEGER_DIVIDE_BY_ZERO, 200}, {STATUS_FLOAT_DIVIDE_BY_ZERO, 200},
      {STATUS_ARRAY_BOUNDS_EXCEEDED, 201},  {STATUS_STACK_OVERFLOW, 202},
      {STATUS_FLOAT_OVERFLOW, 205},         {STATUS_FLOAT_DENORMAL_OPERAND, 206},
      {STATUS_FLOAT_UNDERFLOW, 206},        {STATUS_FLOAT_INEXACT_RESULT, 207},
      {STATUS_FLOAT_INVALID_OPERATION, 207}, {STATUS_FLOAT_STACK_CHECK, 207},
      {STATUS_INTEGER_OVERFLOW, 215},       {STATUS_ILLEGAL_INSTRUCTION, 216},
      {STATUS_ACCESS_VIOLATION, 216},       {STATUS_CONTROL_C_EXIT, 217},
      {STATUS_PRIVILEGED_INSTRUCTION, 218}, {0xC0001234, 217},
      {0x80000001, 255},                    {0x40000000, 255},
  };
  for (const auto &c : cases) EXPECT_EQ(FaultNumber(c.status), c.number) << std::hex << c.status;
}
