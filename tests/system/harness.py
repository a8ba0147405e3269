"""Runs the built programs over real pipes, files and pseudo-terminals, and
reads their error reports."""

import bisect
import os
import pty
import re
import resource
import select
import subprocess
import tempfile
import termios
import time

HANOI = os.environ.get("HANOI", "build/hanoi")
HANOI_INJECT = os.environ.get("HANOI_INJECT_PROGRAM", "build/tests/hanoi_inject")
FAULTPROG = os.environ.get("FAULTPROG", "build/tests/faultprog")
TIMEOUT = 60


def moves(n, a="A", b="B", c="C"):
    """The move lines for n discs, built independently of the program."""
    if n < 1:
        return b""
    return (moves(n - 1, a, c, b)
            + f"Move {n} from {a} to {b}\r\n".encode()
            + moves(n - 1, c, b, a))


def run(program=None, data=b"", stdout="pipe", stdin="pipe", limits=(), args=(), close=(), env=None):
    """Runs a program once. stdout is 'pipe', 'file' or a path to open;
    stdin is 'pipe' (fed with data and closed) or a path to open. limits
    are (resource, value) pairs; close lists descriptors to close first;
    env adds to the environment.
    Answers (exit status, standard output bytes, standard error bytes)."""
    program = program or HANOI

    def prepare():
        for which, value in limits:
            resource.setrlimit(which, (value, value))
        for fd in close:
            os.close(fd)

    with tempfile.TemporaryFile() as out_file, tempfile.TemporaryFile() as err_file:
        if stdout == "pipe":
            out = subprocess.PIPE
        elif stdout == "file":
            out = out_file
        else:
            out = open(stdout, "wb")
        feed = {"input": data} if stdin == "pipe" else {"stdin": os.open(stdin, os.O_RDONLY)}
        proc = subprocess.run([program, *args], stdout=out, stderr=err_file,
                              preexec_fn=prepare, timeout=TIMEOUT,
                              env={**os.environ, **(env or {})}, **feed)
        if "stdin" in feed:
            os.close(feed["stdin"])
        if stdout == "file":
            out_file.seek(0)
            output = out_file.read()
        elif stdout == "pipe":
            output = proc.stdout
        else:
            out.close()
            output = None
        err_file.seek(0)
        return proc.returncode, output, err_file.read()


REPORT = re.compile(rb"Runtime error (0|[1-9][0-9]*) at \$([0-9A-F]{8})\r\n"
                    rb"  \$\2\r\n((?:  \$[0-9A-F]{8}\r\n)*)\r\n\Z")


def parse_report(text):
    """Splits a report that ends `text` into (number, address, backtrace
    addresses); fails unless every line has exactly its form."""
    m = REPORT.search(text)
    assert m, f"no well-formed report at the end of {text[-400:]!r}"
    trace = [int(x, 16) for x in re.findall(rb"\$([0-9A-F]{8})", m.group(3))]
    return int(m.group(1)), int(m.group(2), 16), trace, text[:m.start()]


def read_text(path):
    with open(path, encoding="latin-1") as f:
        return f.read()


def unweave(out, prompt=b"input n: "):
    """The output in the order it was written. To a file, a report longer
    than a buffer sends its first blocks before the prompt that the
    program's own stream still held; this puts the prompt back in front."""
    if out.startswith(prompt) or prompt not in out:
        return out
    at = out.index(prompt)
    return prompt + out[:at] + out[at + len(prompt):]


_symbols = {}


def routine_at(program, address):
    """The name of the routine whose code holds the address."""
    if program not in _symbols:
        table = []
        for line in subprocess.run(["nm", "-C", "--defined-only", program], capture_output=True,
                                   text=True, check=True).stdout.splitlines():
            addr, kind, name = line.split(" ", 2)
            if kind in "tTwW":
                table.append((int(addr, 16), name))
        table.sort()
        _symbols[program] = table
    table = _symbols[program]
    i = bisect.bisect_right(table, (address, "\uffff")) - 1
    return table[i][1] if i >= 0 else None


class Terminal:
    """A program on a pseudo-terminal that passes bytes unchanged both ways
    and does not echo, so what is read is exactly what the program wrote."""

    def __init__(self, program=None, env=None):
        self.master, slave = pty.openpty()
        attrs = termios.tcgetattr(slave)
        attrs[1] &= ~termios.OPOST
        attrs[3] &= ~termios.ECHO
        termios.tcsetattr(slave, termios.TCSANOW, attrs)
        self.err = tempfile.TemporaryFile()
        self.proc = subprocess.Popen([program or HANOI], stdin=slave, stdout=slave,
                                     stderr=self.err, env={**os.environ, **(env or {})})
        os.close(slave)
        self.output = b""

    def read_until(self, predicate, timeout=TIMEOUT):
        """Reads until predicate(all output) holds; answers the output."""
        end = time.monotonic() + timeout
        while not predicate(self.output):
            left = end - time.monotonic()
            if left <= 0:
                raise AssertionError(f"timed out; output so far {self.output[-300:]!r}")
            if select.select([self.master], [], [], left)[0]:
                try:
                    chunk = os.read(self.master, 65536)
                except OSError:  # the program has gone and closed its side
                    chunk = b""
                if not chunk:
                    raise AssertionError(f"terminal closed; output {self.output[-300:]!r}")
                self.output += chunk
        return self.output

    def quiet_for(self, seconds):
        """True when the program writes nothing and keeps running."""
        readable = select.select([self.master], [], [], seconds)[0]
        return not readable and self.proc.poll() is None

    def send(self, data):
        os.write(self.master, data)

    def finish(self):
        """Waits for the exit; answers (status, all output, standard error)."""
        status = self.proc.wait(timeout=TIMEOUT)
        while select.select([self.master], [], [], 0.2)[0]:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                break
            if not chunk:
                break
            self.output += chunk
        os.close(self.master)
        self.err.seek(0)
        err = self.err.read()
        self.err.close()
        return status, self.output, err
