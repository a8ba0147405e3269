// Runs the reading fuzz target over its committed corpus, so that every
// build checks the same invariants on those inputs (a failed check aborts).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

TEST(ReadFuzzCorpus, EveryInputKeepsTheInvariants) {
  int inputs = 0;
  for (const auto &entry : std::filesystem::directory_iterator(HANOI_FUZZ_CORPUS)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), {});
    LLVMFuzzerTestOneInput(data.data(), data.size());
    ++inputs;
  }
  EXPECT_GE(inputs, 50);
}
