"""Real processor faults in a program built on the run-time."""

import unittest

from harness import FAULTPROG, Terminal, parse_report, routine_at, run

MAIN, START = "program::main()", "main"


class Faults(unittest.TestCase):
    def test_faults_become_numbered_reports(self):
        cases = [
            (1, 216, "program::NullWrite()", [MAIN, START]),
            (2, 200, "program::DivideByZero()", [MAIN, START]),
            (4, 216, "program::IllegalInstruction()", [MAIN, START]),
            # The walk faults on the broken record after one line and ends.
            (5, 201, "program::BrokenChain()", [MAIN]),
        ]
        for kind, number, where, trace in cases:
            with self.subTest(kind=kind):
                status, out, err = run(FAULTPROG, b"%d\n" % kind)
                self.assertEqual((status, err), (number, b""))
                got, address, backtrace, before = parse_report(out)
                self.assertEqual((got, before), (number, b""))
                self.assertEqual(routine_at(FAULTPROG, address), where)
                self.assertEqual([routine_at(FAULTPROG, a) for a in backtrace], trace)

    def test_stack_overflow(self):
        status, out, err = run(FAULTPROG, b"3\n")
        self.assertEqual((status, err), (202, b""))
        number, address, backtrace, _ = parse_report(out)
        self.assertEqual(routine_at(FAULTPROG, address), "program::Recurse(int)")
        self.assertEqual(len(backtrace), 257)
        self.assertEqual({routine_at(FAULTPROG, a) for a in backtrace}, {"program::Recurse(int)"})

    def test_stack_overflow_on_a_terminal(self):
        term = Terminal(FAULTPROG)
        term.send(b"3\r")
        status, out, err = term.finish()
        self.assertEqual((status, err), (202, b""))
        self.assertEqual(len(parse_report(out)[2]), 9)

    def test_no_fault_ends_normally(self):
        self.assertEqual(run(FAULTPROG, b"0\n"), (0, b"", b""))


if __name__ == "__main__":
    unittest.main()
