"""The built program over real pipes, files and a pseudo-terminal."""

import fcntl
import functools
import hashlib
import os
import re
import resource
import signal
import subprocess
import tempfile
import time
import unittest

from harness import HANOI, Terminal, moves, parse_report, read_text, routine_at, run

PROMPT = b"input n: "
MAIN, MOVE, START = "program::main()", "program::MOVE(short, char, char, char)", "main"


class Solutions(unittest.TestCase):
    def test_small_counts_over_pipes_and_files(self):
        for n in (1, 2, 3, 5, 10):
            for stdout in ("pipe", "file"):
                with self.subTest(n=n, stdout=stdout):
                    self.assertEqual(run(data=b"%d\r\n\r\n" % n, stdout=stdout),
                                     (0, PROMPT + moves(n), b""))

    def test_worked_example(self):
        lines = moves(3).split(b"\r\n")
        self.assertEqual(lines[0], b"Move 1 from A to B")
        self.assertEqual(lines[3], b"Move 3 from A to B")
        self.assertEqual(len(lines), 8)

    def test_input_forms(self):
        cases = [
            (b"\n\n  \t3\n\n", 3),          # blanks and empty lines first
            (b"2 3\n\n", 2),                # the rest of the line is dropped
            (b"3", 3),                      # end of input right after the number
            (b"3\n", 3),                    # end of input instead of the last line
            (b"3\r", 3),                    # a lone CR ends the line
            (b"$A\n\n", 10),                # other bases count by their value
            (b"+0x4\n\n", 4),
            (b"0003\n\n", 3),
        ]
        for data, n in cases:
            with self.subTest(data=data):
                self.assertEqual(run(data=data), (0, PROMPT + moves(n), b""))

    def test_input_from_a_regular_file(self):
        with tempfile.NamedTemporaryFile() as f:
            f.write(b"3\r\n\r\n")
            f.flush()
            self.assertEqual(run(stdin=f.name, stdout="file"), (0, PROMPT + moves(3), b""))

    def test_command_line_is_ignored(self):
        self.assertEqual(run(data=b"2\n\n", args=("--help", "7")), (0, PROMPT + moves(2), b""))

    def test_waits_for_one_more_line_on_a_pipe(self):
        proc = subprocess.Popen([HANOI], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        proc.stdin.write(b"2\n")
        proc.stdin.flush()
        with self.assertRaises(subprocess.TimeoutExpired):
            proc.wait(timeout=0.5)
        out, err = proc.communicate(b"\n", timeout=60)
        self.assertEqual((proc.returncode, out, err), (0, PROMPT + moves(2), b""))


@functools.lru_cache(maxsize=None)
def _block(n, a, b, c):
    return moves(n, a, b, c)


def _feed(digest, n, a="A", b="B", c="C"):
    """Feeds the move lines for n discs to a digest; the lower levels come
    from a cache, so that a million lines take a moment, not minutes."""
    if n <= 12:
        digest.update(_block(n, a, b, c))
        return
    _feed(digest, n - 1, a, c, b)
    digest.update(f"Move {n} from {a} to {b}\r\n".encode())
    _feed(digest, n - 1, c, b, a)


class LargeCounts(unittest.TestCase):
    def test_twenty_discs_byte_for_byte(self):
        status, out, err = run(data=b"20\n\n", stdout="file")
        self.assertEqual((status, err), (0, b""))
        expected = hashlib.sha256(PROMPT)
        _feed(expected, 20)
        self.assertEqual(out.count(b"\n"), 2 ** 20 - 1)
        self.assertEqual(hashlib.sha256(out).hexdigest(), expected.hexdigest())

    def test_write_sizes_to_a_file(self):
        with tempfile.TemporaryDirectory() as tmp:
            log = os.path.join(tmp, "log")
            status, out, err = run("strace", b"12\n\n", stdout="file",
                                   args=("-e", "trace=write", "-e", "signal=none", "-qq",
                                         "-o", log, HANOI))
            sizes = [int(m) for m in re.findall(r"^write\(1, .*\) = (\d+)$", read_text(log), re.M)]
        self.assertEqual(status, 0)
        self.assertEqual(sum(sizes), len(out))
        self.assertEqual(len(sizes), (len(out) + 255) // 256)
        self.assertEqual(set(sizes[:-1]), {256})


class Reports(unittest.TestCase):
    def check(self, data, number, where, trace, stdout="pipe"):
        status, out, err = run(data=data, stdout=stdout)
        self.assertEqual((status, err), (number, b""))
        got, address, backtrace, before = parse_report(out)
        self.assertEqual(got, number)
        self.assertEqual(before, PROMPT)
        self.assertEqual(routine_at(HANOI, address), where)
        self.assertEqual([routine_at(HANOI, a) for a in backtrace], trace)

    def test_errors_in_main(self):
        for data, number in [(b"abc\n", 106), (b"4294967296\n", 106), (b"12abc\n", 106),
                             (b"32768\n", 201), (b"-32769\n", 201), (b"$FFFF\n", 201)]:
            with self.subTest(data=data):
                self.check(data, number, MAIN, [START])

    def test_count_of_minus_32768_fails_at_the_first_decrement(self):
        self.check(b"-32768\n", 201, MOVE, [MAIN, START])

    def test_counts_of_zero_or_less_fail_at_the_end_of_the_descent(self):
        for data in (b"-5\n", b"0\n", b""):  # empty input reads as 0
            with self.subTest(data=data):
                status, out, err = run(data=data, stdout="file")
                self.assertEqual((status, err), (201, b""))
                # 3,388 bytes of report: 13 blocks of it went out before
                # the prompt, still held in the program's own buffer.
                self.assertEqual(len(out), 3388 + len(PROMPT))
                self.assertEqual(out[3328:3337], PROMPT)
                number, address, trace, before = parse_report(out[:3328] + out[3337:])
                self.assertEqual((number, before), (201, b""))
                self.assertEqual(routine_at(HANOI, address), MOVE)
                self.assertEqual(len(trace), 257)
                self.assertEqual(len(set(trace)), 1)  # the first recursive call's return
                self.assertEqual(routine_at(HANOI, trace[0]), MOVE)


class Terminals(unittest.TestCase):
    def test_session(self):
        term = Terminal()
        # The prompt is shown before anything is typed.
        self.assertEqual(term.read_until(lambda o: len(o) >= len(PROMPT)), PROMPT)
        self.assertTrue(term.quiet_for(0.3))
        term.send(b"3\r")
        term.read_until(lambda o: o.endswith(b"Move 1 from A to B\r\n") and o.count(b"\n") == 7)
        self.assertTrue(term.quiet_for(0.5))  # waiting for Enter
        term.send(b"\r")
        self.assertEqual(term.finish(), (0, PROMPT + moves(3), b""))

    def test_reports_on_a_terminal(self):
        # On a terminal the backtrace stops after nine frames.
        for data, number, where, frames in [(b"0\r", 201, MOVE, 9), (b"abc\r", 106, MAIN, 1)]:
            with self.subTest(data=data):
                term = Terminal()
                term.read_until(lambda o: o == PROMPT)
                term.send(data)
                status, out, err = term.finish()
                self.assertEqual((status, err), (number, b""))
                got, address, trace, before = parse_report(out)
                self.assertEqual((got, before), (number, PROMPT))
                self.assertEqual(routine_at(HANOI, address), where)
                self.assertEqual(len(trace), frames)
                self.assertEqual(len(set(trace)), 1)

    def test_stopped_and_continued_at_the_prompt(self):
        term = Terminal()
        term.read_until(lambda o: o == PROMPT)
        term.proc.send_signal(signal.SIGSTOP)
        time.sleep(0.2)
        term.proc.send_signal(signal.SIGCONT)
        self.assertTrue(term.quiet_for(0.2))
        term.send(b"2\r\r")
        self.assertEqual(term.finish(), (0, PROMPT + moves(2), b""))

    def test_interrupted_at_the_prompt(self):
        # No handler: the default action ends it at once, with no report.
        term = Terminal()
        term.read_until(lambda o: o == PROMPT)
        term.proc.send_signal(signal.SIGINT)
        self.assertEqual(term.finish(), (-signal.SIGINT, PROMPT, b""))


class HostileEnvironments(unittest.TestCase):
    def test_closed_or_unreadable_standard_input(self):
        for kwargs, number in [({"close": (0,)}, 6), ({"stdin": "/"}, 1)]:
            with self.subTest(kwargs=kwargs):
                status, out, err = run(**kwargs)
                self.assertEqual((status, err), (number, b""))
                got, address, trace, before = parse_report(out)
                self.assertEqual((got, before), (number, PROMPT))
                self.assertEqual(routine_at(HANOI, address), "program::main()")

    def test_closed_standard_output(self):
        # Nothing can be written: a normal run ends with 101 for its lost
        # output, an error run with its own number.
        for data, number in [(b"3\n\n", 101), (b"abc\n", 106), (b"0\n", 201)]:
            with self.subTest(data=data):
                self.assertEqual(run(data=data, close=(1,)), (number, b"", b""))

    def test_non_blocking_pipes(self):
        # Descriptors left non-blocking by the parent: the program waits for
        # input that comes late, and for a reader that is slow.
        def nonblocking():
            for fd in (0, 1):
                fcntl.fcntl(fd, fcntl.F_SETFL, fcntl.fcntl(fd, fcntl.F_GETFL) | os.O_NONBLOCK)

        proc = subprocess.Popen([HANOI], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE, preexec_fn=nonblocking)
        time.sleep(0.3)
        proc.stdin.write(b"12\n")
        proc.stdin.flush()
        time.sleep(0.3)  # by now the pipe is full and the program waits
        out = b""
        while len(out) < 80000:  # all but the last part-block, held to the end
            out += os.read(proc.stdout.fileno(), 4096)
        proc.stdin.write(b"\n")
        proc.stdin.close()
        out += proc.stdout.read()
        self.assertEqual((proc.wait(timeout=60), out, proc.stderr.read()),
                         (0, PROMPT + moves(12), b""))
        proc.stdout.close()
        proc.stderr.close()

    def test_standard_output_on_a_full_device(self):
        self.assertEqual(run(data=b"3\n\n", stdout="/dev/full")[::2], (101, b""))

    def test_reader_that_goes_away(self):
        proc = subprocess.Popen([HANOI], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                stderr=subprocess.PIPE)
        proc.stdin.write(b"25\n")
        proc.stdin.close()
        # The moves for 25 discs begin with those for 23, 21, ... and 9.
        self.assertEqual(proc.stdout.read(1000), (PROMPT + moves(9))[:1000])
        proc.stdout.close()
        self.assertEqual(proc.wait(timeout=60), 101)
        self.assertEqual(proc.stderr.read(), b"")
        proc.stderr.close()

    def test_file_size_limit(self):
        # A limit inside the run fails a write-out and stops the moves; one
        # past all the moves fails only the final flush, and a run that
        # would have ended well ends with 101. An error run keeps its own
        # number even when its report is lost.
        for data, limit, status, kept in [(b"3\n\n", 100, 101, 100), (b"10\n\n", 1000, 101, 1000),
                                          (b"3\n\n", 0, 101, 0), (b"abc\n", 0, 106, 0),
                                          (b"abc\n", 5, 106, 5)]:
            with self.subTest(data=data, limit=limit):
                got = run(data=data, stdout="file", limits=[(resource.RLIMIT_FSIZE, limit)])
                expected = (PROMPT + moves(int(data.split()[0])) if status == 101 else PROMPT)
                self.assertEqual(got, (status, expected[:kept], b""))

    def test_small_stack_limit(self):
        reference = run(data=b"0\n", stdout="file")
        for kib in (1024, 256):
            with self.subTest(kib=kib):
                self.assertEqual(run(data=b"0\n", stdout="file",
                                     limits=[(resource.RLIMIT_STACK, kib * 1024)]), reference)


@unittest.skipIf(os.environ.get("HANOI_SANITIZED") == "1",
                 "the sanitizers and valgrind cannot watch one program together")
class UnderValgrind(unittest.TestCase):
    def test_no_memory_errors_and_no_heap(self):
        for data, number in [(b"3\n\n", 0), (b"abc\n", 106), (b"0\n", 201), (b"$FFFF\n", 201)]:
            with self.subTest(data=data), tempfile.TemporaryDirectory() as tmp:
                log = os.path.join(tmp, "log")
                got = run("valgrind", data, args=("--log-file=" + log, "--error-exitcode=99", HANOI))
                self.assertEqual(got, run(data=data))
                self.assertEqual(got[0], number)
                text = read_text(log)
                self.assertIn("ERROR SUMMARY: 0 errors", text)
                self.assertIn("total heap usage: 0 allocs", text)


if __name__ == "__main__":
    unittest.main()
