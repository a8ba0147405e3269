// A scripted platform for the stream tests: writes are recorded call by
// call, reads hand out a list of deliveries, and any call can be made to
// fail or come up short.
#pragma once
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "textio/textrec.h"

struct Delivery {
  std::string bytes;
  uint32_t error = 0;  // nonzero: the read fails with this number
};

struct WriteScript {
  uint32_t error = 0;      // nonzero: the call fails with this number
  int32_t shortBy = 0;     // succeeds, reporting this many bytes fewer
};

struct Script {
  std::map<THandle, uint32_t> fileType;  // absent: FILE_TYPE_DISK
  std::map<THandle, bool> console;
  uint32_t codePage = 65001;
  std::vector<std::string> writes;      // one entry per WriteFile call
  std::map<size_t, WriteScript> writeFaults;  // by call number, from 0
  std::deque<Delivery> reads;           // end of input when used up
  int readCalls = 0;
  uint32_t lastError = 0;
};

extern Script script;

// Installs the scripted table and resets the streams' state around a test.
class ScriptedTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Opens a stream on handle 7, with the given device answer.
  static void Open(TextRec &t, TextMode mode, uint32_t fileType = FILE_TYPE_DISK);
  static std::string Written();  // every byte written, in call order
};
