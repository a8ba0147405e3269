#include <string>

#include "scripted_platform.h"
#include "textio/output.h"

using Output_ = ScriptedTest;

static TextRec T;

static std::string Bytes(int n, char c = 'x') { return std::string(static_cast<size_t>(n), c); }

TEST_F(Output_, FileWritesOnlyWholeBlocksUntilFlushed) {
  Open(T, fmOutput);
  EXPECT_FALSE(T.FlushEachStatement);
  WriteString(T, Bytes(200));
  WriteLineEnd(T);
  WriteEnd(T);
  EXPECT_TRUE(script.writes.empty());
  WriteString(T, Bytes(54));  // exactly 256: still no write
  EXPECT_TRUE(script.writes.empty());
  EXPECT_EQ(T.BufferPos, 256);
  WriteChar(T, 'y');  // one more byte sends the full block
  ASSERT_EQ(script.writes.size(), 1u);
  EXPECT_EQ(script.writes[0].size(), 256u);
  WriteString(T, Bytes(600, 'z'));
  Flush(T);
  ASSERT_EQ(script.writes.size(), 4u);
  EXPECT_EQ(script.writes[1].size(), 256u);
  EXPECT_EQ(script.writes[2].size(), 256u);
  EXPECT_EQ(script.writes[3].size(), 89u);
  EXPECT_EQ(Written(), Bytes(200) + "\r\n" + Bytes(54) + "y" + Bytes(600, 'z'));
  EXPECT_EQ(InOutRes, 0);
}

TEST_F(Output_, OverflowSplitsTheTextAtTheBlockEnd) {
  Open(T, fmOutput);
  WriteString(T, Bytes(250));
  WriteString(T, "0123456789");
  ASSERT_EQ(script.writes.size(), 1u);
  EXPECT_EQ(script.writes[0], Bytes(250) + "012345");
  EXPECT_EQ(T.BufferPos, 4);
}

TEST_F(Output_, ConsoleWritesEachStatementAsItEnds) {
  Open(T, fmOutput, FILE_TYPE_CHAR);
  EXPECT_TRUE(T.FlushEachStatement);
  WriteEnd(T);
  Flush(T);
  EXPECT_TRUE(script.writes.empty());  // nothing held: no call at all
  WriteString(T, "input n: ");
  EXPECT_TRUE(script.writes.empty());
  WriteEnd(T);
  WriteString(T, "Move ");
  WriteInteger(T, 1);
  WriteChar(T, 'A');
  WriteLineEnd(T);
  EXPECT_EQ(script.writes, (std::vector<std::string>{"input n: ", "Move 1A\r\n"}));
}

TEST_F(Output_, OnlyTheCharacterDeviceAnswerFlushesEachStatement) {
  for (uint32_t type : {FILE_TYPE_UNKNOWN, FILE_TYPE_DISK, FILE_TYPE_PIPE}) {
    Open(T, fmOutput, type);
    EXPECT_FALSE(T.FlushEachStatement) << type;
  }
  Open(T, fmInput, FILE_TYPE_CHAR);
  EXPECT_FALSE(T.FlushEachStatement);
}

TEST_F(Output_, StandardStreamsShareTheirHandlesButNotTheirBuffers) {
  script.fileType[11] = FILE_TYPE_CHAR;
  SysInitStdIO();
  EXPECT_EQ(Input.Handle, 10);
  EXPECT_EQ(Input.Mode, fmInput);
  EXPECT_EQ(Output.Handle, 11);
  EXPECT_EQ(StdOut.Handle, 11);
  EXPECT_EQ(ErrOutput.Handle, 12);
  EXPECT_EQ(StdErr.Handle, 12);
  EXPECT_TRUE(Output.FlushEachStatement && StdOut.FlushEachStatement);
  EXPECT_FALSE(ErrOutput.FlushEachStatement || StdErr.FlushEachStatement);
  EXPECT_EQ(std::string(Output.LineEnding.Chars, Output.LineEnding.Length), "\r\n");
}

TEST_F(Output_, FailedOrShortWriteOutLosesTheBlockAndRecords101) {
  struct Case {
    WriteScript fault;
    bool console;
    uint32_t codePage;
    uint16_t expected;
  } cases[] = {
      {{112, 0}, false, 65001, 101},  // disk full: the translated number is overwritten
      {{6, 0}, true, 65001, 101},     // a failed call is never excused
      {{0, 3}, false, 65001, 101},    // short on a file or pipe
      {{0, 3}, true, 437, 101},       // short on a console with a byte code page
      {{0, 3}, true, 65001, 0},       // short on a UTF-8 console counts as whole
      {{0, 3}, true, 1200, 0},
      {{0, 3}, true, 12001, 0},
      {{0, 3}, true, 65000, 0},
  };
  for (const Case &c : cases) {
    SetUp();
    script.console[7] = c.console;
    script.codePage = c.codePage;
    script.writeFaults[0] = c.fault;
    Open(T, fmOutput);
    WriteString(T, Bytes(300));  // the first block goes out, 44 bytes stay
    EXPECT_EQ(InOutRes, c.expected) << c.fault.error << " " << c.codePage;
    EXPECT_EQ(T.BufferPos, 44);
  }
}

TEST_F(Output_, PendingResultSilencesEveryOperationButWriteEnd) {
  Open(T, fmOutput, FILE_TYPE_CHAR);
  WriteString(T, "kept");
  InOutRes = 6;
  WriteString(T, "a");
  WriteInteger(T, 1);
  WriteUnsigned(T, 2);
  WriteChar(T, 'c');
  WriteLineEnd(T);
  Flush(T);
  EXPECT_TRUE(script.writes.empty());
  EXPECT_EQ(T.BufferPos, 4);
  WriteEnd(T);  // writes out even now, and leaves the number alone
  EXPECT_EQ(script.writes, std::vector<std::string>{"kept"});
  EXPECT_EQ(InOutRes, 6);
}

TEST_F(Output_, TextAfterAFailedWriteOutStillGoesIntoTheBuffer) {
  Open(T, fmOutput);
  script.writeFaults[0] = {112, 0};
  WriteString(T, Bytes(256 + 10));
  EXPECT_EQ(InOutRes, 101);
  EXPECT_EQ(T.BufferPos, 10);
  Flush(T);  // silenced by the pending number
  EXPECT_EQ(script.writes.size(), 1u);
}

TEST_F(Output_, NumbersAsDecimalText) {
  const struct {
    int32_t value;
    const char *text;
  } signedCases[] = {{0, "0"},       {7, "7"},           {-32768, "-32768"},
                     {32767, "32767"}, {2147483647, "2147483647"}, {-2147483647 - 1, "-2147483648"}};
  for (const auto &c : signedCases) EXPECT_EQ(View(Int_Str(c.value)), c.text);
  EXPECT_EQ(View(Int_Str(4294967295u)), "4294967295");
  EXPECT_EQ(View(Int_Str(0u)), "0");
  Open(T, fmOutput);
  WriteInteger(T, -5);
  WriteUnsigned(T, 4294967295u);
  Flush(T);
  EXPECT_EQ(Written(), "-54294967295");
}

TEST_F(Output_, PlatformErrorNumbersToIoResults) {
  const struct {
    uint32_t error;
    uint16_t result;
  } cases[] = {{18, 18},  {19, 150}, {31, 162}, {32, 5},       {145, 5},  {183, 5},
               {109, 109}, {6, 6},   {1117, 1117}, {65536 + 7, 7}, {0, 0}};
  for (const auto &c : cases) {
    InOutRes = 1;
    Errno2InOutRes(c.error);
    EXPECT_EQ(InOutRes, c.result) << c.error;
  }
}
