#include <string>

#include "scripted_platform.h"
#include "textio/input.h"

using Input_ = ScriptedTest;

static TextRec T;

static void Deliver(std::initializer_list<Delivery> deliveries) {
  script.reads.assign(deliveries.begin(), deliveries.end());
}

static std::string Unread() {
  return std::string(reinterpret_cast<const char *>(T.Buffer) + T.BufferPos,
                     static_cast<size_t>(T.BufferEnd - T.BufferPos));
}

TEST_F(Input_, TokenTable) {
  const struct {
    std::string token;
    int32_t value;
    uint16_t result;
  } cases[] = {
      {"12", 12, 0}, {"  12", 12, 0}, {"-7", -7, 0}, {"+7", 7, 0},
      {"$1F", 31, 0}, {"%101", 5, 0}, {"&17", 15, 0}, {"0x10", 16, 0},
      {"0X1f", 31, 0}, {"x10", 16, 0}, {"X10", 16, 0}, {"-$1F", -31, 0},
      {"$-1F", 0, 106}, {"12abc", 0, 106}, {"12.5", 0, 106}, {"9F", 0, 106},
      {"%2", 0, 106}, {"&8", 0, 106}, {"$G", 0, 106}, {"-", 0, 106},
      {"+", 0, 106}, {"$", 0, 106}, {"x", 0, 106}, {"0x", 0, 106},
      {"-$", 0, 106}, {"--5", 0, 106}, {"+-5", 0, 106}, {"0", 0, 0},
      {"-0", 0, 0}, {"000", 0, 0}, {"00012", 12, 0}, {"0x0000000000FF", 255, 0},
      {"2147483647", 2147483647, 0}, {"2147483648", 0, 106},
      {"-2147483648", -2147483647 - 1, 0}, {"-2147483649", 0, 106},
      {"-000002147483648", -2147483647 - 1, 0}, {"$FFFFFFFF", -1, 0},
      {"$80000000", -2147483647 - 1, 0}, {"$100000000", 0, 106},
      {"-$FFFFFFFF", 1, 0}, {"%" + std::string(32, '1'), -1, 0},
      {"%" + std::string(33, '1'), 0, 106}, {"&37777777777", -1, 0},
      {"&40000000000", 0, 106}, {"32768", 32768, 0}, {"$FFFF", 65535, 0},
      {"\x7F" "1", 0, 106}, {"\xC3\xA9", 0, 106}, {"5\t9", 5, 0}, {"\v\f5", 5, 0},
  };
  for (const auto &c : cases) {
    SetUp();
    Open(T, fmInput);
    Deliver({{c.token + "\r\n"}});
    int32_t value = 12345;
    ReadInteger(T, value);
    EXPECT_EQ(value, c.value) << c.token;
    EXPECT_EQ(InOutRes, c.result) << c.token;
    // The token's bytes are consumed and the one that ended it is not.
    const std::string rest = Unread();
    EXPECT_TRUE(rest.ends_with("\r\n")) << c.token;
    EXPECT_TRUE(rest.size() == 2 || rest[0] == '\t') << c.token;
  }
}

TEST_F(Input_, BlanksLinesAndRefillsBeforeTheTokenAreCrossed) {
  Open(T, fmInput);
  Deliver({{"\r\n \t"}, {"\n\n"}, {"  4"}, {"2 rest"}});
  int32_t value;
  ReadInteger(T, value);
  EXPECT_EQ(value, 42);  // the token spans two deliveries
  EXPECT_EQ(InOutRes, 0);
  EXPECT_EQ(Unread(), " rest");
}

TEST_F(Input_, EndOfInputBeforeATokenReadsAsZero) {
  for (auto deliveries : {std::initializer_list<Delivery>{},
                          {{"  \r\n"}},
                          {{" "}, {"", 109}},  // a writer that went away
                          {{"\x1A" "5\n"}},
                          {{" \x1A" "5"}}}) {
    SetUp();
    Open(T, fmInput);
    Deliver(deliveries);
    int32_t value = 9;
    ReadInteger(T, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(InOutRes, 0);
  }
}

TEST_F(Input_, MarkerIsNeverConsumed) {
  Open(T, fmInput);
  Deliver({{"7\x1A" "8\n"}});
  int32_t value;
  ReadInteger(T, value);
  EXPECT_EQ(value, 7);
  for (int i = 0; i < 3; ++i) {
    ReadLineEnd(T);
    ReadInteger(T, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(Unread(), "\x1A" "8\n");
  }
  EXPECT_EQ(script.readCalls, 1);  // nothing more is asked of the handle
}

TEST_F(Input_, FailedReads) {
  // Before any token: the value is 0 and the translated number stays.
  Open(T, fmInput);
  Deliver({{"", 1117}});
  int32_t value = 9;
  ReadInteger(T, value);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(InOutRes, 1117);
  EXPECT_EQ(T.BufferEnd, 0);

  // In the middle of a token: what was collected converts, the number stays.
  SetUp();
  Open(T, fmInput);
  Deliver({{"12"}, {"", 6}});
  ReadInteger(T, value);
  EXPECT_EQ(value, 12);
  EXPECT_EQ(InOutRes, 6);

  // ...unless it does not convert: then 106 replaces it.
  SetUp();
  Open(T, fmInput);
  Deliver({{"1z"}, {"", 6}});
  ReadInteger(T, value);
  EXPECT_EQ(InOutRes, 106);

  // A line skip that fails records the number and returns.
  SetUp();
  Open(T, fmInput);
  Deliver({{"", 31}});
  ReadLineEnd(T);
  EXPECT_EQ(InOutRes, 162);
}

TEST_F(Input_, TokenStopsAt255Bytes) {
  Open(T, fmInput);
  Deliver({{std::string(200, '0')}, {std::string(54, '0') + "17 "}});
  int32_t value;
  ReadInteger(T, value);
  EXPECT_EQ(value, 1);  // 254 zeros and the 1; the 7 stays unread
  EXPECT_EQ(InOutRes, 0);
  EXPECT_EQ(Unread(), "7 ");
}

TEST_F(Input_, LineSkipTakesOneLineEndInAnyForm) {
  const struct {
    std::initializer_list<Delivery> deliveries;
    const char *unread;
    int readCalls;
  } cases[] = {
      {{{"abc\ndef"}}, "def", 1},
      {{{"abc\r\ndef"}}, "def", 1},
      {{{"abc\rdef"}}, "def", 1},   // a lone CR
      {{{"\r\r\n"}}, "\r\n", 1},    // the first CR is a line end alone
      {{{"abc\r"}, {"\ndef"}}, "def", 2},  // CR LF split across deliveries
      {{{"abc\r"}, {"def"}}, "def", 2},
      {{{"ab"}, {"c\n"}}, "", 2},
      {{{"abc\n"}}, "", 1},         // the line end taken, nothing more asked for
      {{{"ab\x1A" "c\n"}}, "\x1A" "c\n", 1},
      {{{"ab\r"}, {"\x1A\n"}}, "\x1A\n", 2},
      {{{"abc"}}, "", 2},           // end of input in mid-line
      {{}, "", 1},
  };
  for (const auto &c : cases) {
    SetUp();
    Open(T, fmInput);
    Deliver(c.deliveries);
    ReadLineEnd(T);
    EXPECT_EQ(Unread(), c.unread) << c.unread;
    EXPECT_EQ(script.readCalls, c.readCalls) << c.unread;
    EXPECT_EQ(InOutRes, 0);
  }
}

TEST_F(Input_, ProgramSequenceKeepsTheRestOfTheLineForTheSkip) {
  Open(T, fmInput);
  Deliver({{"2 3\r\n"}, {"\r\n"}});
  int32_t value;
  ReadInteger(T, value);
  ReadEnd(T);
  EXPECT_EQ(value, 2);
  EXPECT_EQ(Unread(), " 3\r\n");
  ReadLineEnd(T);
  EXPECT_EQ(script.readCalls, 1);  // the first skip does not wait
  ReadLineEnd(T);
  EXPECT_EQ(script.readCalls, 2);
  EXPECT_EQ(T.BufferPos, T.BufferEnd);
}
