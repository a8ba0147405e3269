#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>

#include "platform/linux_calls.h"

TEST(Platform, ErrnoToPlatformErrorNumbers) {
  const struct {
    int error;
    uint32_t number;
  } cases[] = {{EBADF, 6},   {EACCES, 5}, {EPERM, 5},   {EPIPE, 109}, {ECONNRESET, 109},
               {ENOSPC, 112}, {EDQUOT, 112}, {EFBIG, 112}, {EIO, 1117}, {EISDIR, 1},
               {EINVAL, 87},  {ENOMEM, 31}, {ENXIO, 31}};
  for (const auto &c : cases) {
    SetLastErrorFromErrno(c.error);
    EXPECT_EQ(LinuxGetLastError(), c.number) << c.error;
  }
}

TEST(Platform, FileTypesOfRealHandles) {
  int p[2], s[2];
  ASSERT_EQ(pipe(p), 0);
  ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM, 0, s), 0);
  const int null = open("/dev/null", O_RDWR);
  const int dir = open("/", O_RDONLY);
  char name[] = "/tmp/hanoi-type-XXXXXX";
  const int file = mkstemp(name);
  unlink(name);
  EXPECT_EQ(LinuxGetFileType(p[0]), FILE_TYPE_PIPE);
  EXPECT_EQ(LinuxGetFileType(s[0]), FILE_TYPE_PIPE);
  EXPECT_EQ(LinuxGetFileType(null), FILE_TYPE_CHAR);
  EXPECT_EQ(LinuxGetFileType(file), FILE_TYPE_DISK);
  EXPECT_EQ(LinuxGetFileType(dir), FILE_TYPE_DISK);
  EXPECT_EQ(LinuxGetFileType(999), FILE_TYPE_UNKNOWN);
  uint32_t mode;
  EXPECT_FALSE(LinuxGetConsoleMode(file, &mode));
  EXPECT_FALSE(LinuxGetConsoleMode(null, &mode));
  for (int fd : {p[0], p[1], s[0], s[1], null, dir, file}) close(fd);
}

TEST(Platform, WriteFileWaitsOnANonBlockingPipeAndReportsFailures) {
  int p[2];
  ASSERT_EQ(pipe2(p, O_NONBLOCK), 0);
  // More than a pipe holds: the write must wait for the reader, not fail.
  static char block[200000];
  const pid_t reader = fork();
  if (reader == 0) {
    close(p[1]);
    usleep(100000);
    char sink[4096];
    while (read(p[0], sink, sizeof sink) != 0) usleep(100);
    _exit(0);
  }
  close(p[0]);
  uint32_t done = 1;
  EXPECT_TRUE(LinuxWriteFile(p[1], block, sizeof block, &done));
  EXPECT_EQ(done, sizeof block);
  close(p[1]);

  EXPECT_FALSE(LinuxWriteFile(999, block, 10, &done));
  EXPECT_EQ(done, 0u);
  EXPECT_EQ(LinuxGetLastError(), ERROR_INVALID_HANDLE);
  EXPECT_FALSE(LinuxReadFile(999, block, 10, &done));
  EXPECT_EQ(done, 0u);
}
