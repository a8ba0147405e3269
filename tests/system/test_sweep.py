"""Fails every platform write and read a run makes, one at a time, and
checks how the run ends: its status, the bytes that reached the handle, and
the error report where its handle still works."""

import os
import tempfile
import unittest

from harness import HANOI_INJECT, Terminal, parse_report, read_text, run, unweave

PROMPT = b"input n: "

# name, on a console, input, status of a clean run, and how many of its
# writes the program makes before its end sequence (the rest are the
# report's, or the end-of-run flushes).
SCENARIOS = [
    ("3 to a file", False, b"3\r\n\r\n", 0, 0),
    ("5 on a console", True, b"5\r\r", 0, 32),
    ("0 to a file", False, b"0\r\n", 201, 0),
    ("letters on a console", True, b"abc\r", 106, 1),
]


def attempt(console, data, inject=""):
    """One run of the injecting program: (status, output, stderr, writes,
    reads, status given to the platform's exit call)."""
    with tempfile.TemporaryDirectory() as tmp:
        log = os.path.join(tmp, "log")
        env = {"HANOI_INJECT": inject, "HANOI_INJECT_LOG": log}
        if console:
            term = Terminal(HANOI_INJECT, env=env)
            term.send(data)
            status, out, err = term.finish()
        else:
            status, out, err = run(HANOI_INJECT, data, stdout="file", env=env)
        writes, reads, exit_status = [], [], None
        for line in read_text(log).splitlines():
            kind, *fields = line.split(" ")
            if kind == "W":
                handle, ok, done, data_hex = fields if len(fields) == 4 else (*fields, "")
                writes.append((int(handle), ok == "1", int(done), bytes.fromhex(data_hex)))
            elif kind == "R":
                reads.append(tuple(int(f) for f in fields))
            else:
                exit_status = int(fields[0])
    return status, out, err, writes, reads, exit_status


class Sweep(unittest.TestCase):
    def check_common(self, result, number):
        status, out, err, writes, _, exit_status = result
        self.assertEqual(err, b"")
        self.assertEqual(exit_status, number)
        self.assertEqual(status, number & 0xFF)
        self.assertEqual({w[0] for w in writes} - {1}, set())  # nothing to standard error
        # The handle holds exactly what the writes put on it, in order:
        # what a failed write-out drops is dropped, nothing else is lost.
        self.assertEqual(out, b"".join(w[3][:w[2]] for w in writes))

    def test_sweep(self):
        for name, console, data, clean_status, run_writes in SCENARIOS:
            clean = attempt(console, data)
            self.check_common(clean, clean_status)
            clean_writes, clean_out = clean[3], unweave(clean[1])
            self.assertTrue(clean_writes)

            for k in range(1, len(clean_writes) + 1):
                for how in ("fail:112", "short"):
                    with self.subTest(run=name, write=k, how=how):
                        result = attempt(console, data, f"write:{k}:{how}")
                        writes = result[3]
                        self.assertEqual([w[3] for w in writes[:k]], [w[3] for w in clean_writes[:k]])
                        if how == "short" and console:
                            # A console may count characters, not bytes: a
                            # short count from it counts as all of it.
                            self.check_common(result, clean_status)
                            self.assertEqual([w[3] for w in writes], [w[3] for w in clean_writes])
                        elif k <= run_writes:
                            # The program's own write: run-time error 101,
                            # and the report follows on the working handle.
                            self.check_common(result, 101)
                            report = b"".join(w[3] for w in writes[k:])
                            self.assertEqual(parse_report(report)[0::3], (101, b""))
                        else:
                            # In the end sequence: everything after it is
                            # silenced; an error run keeps its number.
                            self.check_common(result, clean_status or 101)
                            self.assertEqual(len(writes), k)

            for k in range(1, len(clean[4]) + 1):
                for error in (1117, 6, 109):
                    with self.subTest(run=name, read=k, error=error):
                        result = attempt(console, data, f"read:{k}:fail:{error}")
                        self.assertEqual(len(result[4]), k)  # nothing is read after it
                        if error != 109:
                            self.check_common(result, error)
                            number, _, _, before = parse_report(unweave(result[1]))
                            self.assertEqual(number, error)
                            self.assertTrue(clean_out.startswith(before))
                            self.assertTrue(before.startswith(PROMPT))
                        elif k == 1:  # a writer gone before anything came: empty input
                            self.check_common(result, 201)
                            self.assertEqual(parse_report(unweave(result[1]))[0::3], (201, PROMPT))
                        else:  # the end of input the run waits for anyway
                            self.check_common(result, clean_status)
                            self.assertEqual(unweave(result[1]), clean_out)


if __name__ == "__main__":
    unittest.main()
