#!/usr/bin/env python3
"""Writes the seed corpus: every row of the token table as one delivery, and
a few inputs that split, end or fail the deliveries."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))

TOKENS = [
    "12", "  12", "-7", "+7", "$1F", "%101", "&17", "0x10", "0X1f", "x10", "-$1F", "$-1F",
    "12abc", "12.5", "9F", "%2", "&8", "$G", "-", "+", "$", "x", "0x", "--5", "+-5", "0",
    "-0", "00012", "0x0000000000FF", "2147483647", "2147483648", "-2147483648",
    "-2147483649", "$FFFFFFFF", "$80000000", "$100000000", "-$FFFFFFFF", "%" + "1" * 32,
    "%" + "1" * 33, "&37777777777", "&40000000000", "32768", "$FFFF",
]

# (delivery bytes, stream): see read_target.cpp for what a delivery byte means.
SPLITS = [
    ([2, 1], b"12\r\n\r\n"),          # a token across two deliveries
    ([4, 254], b"12\r\n"),            # a failed read right after the line
    ([1, 254], b"12\r\n"),            # ... in the middle of the token
    ([254], b"5\n"),                  # ... before anything
    ([1, 255], b"3\r\n"),             # a writer that went away
    ([0], b"5\n"),                    # nothing at first: end of input
    ([3, 1], b"7\r\r\n\n"),           # CR, then LF in the next delivery
    ([], b"  7\x1a9\n"),              # the end-of-input marker
    ([], b"\x1a"),
    ([253, 253], b"0" * 254 + b"17 \n"),  # the 255-byte token limit
]


def main():
    corpus = os.path.join(HERE, "corpus")
    os.makedirs(corpus, exist_ok=True)
    seeds = [(f"token-{i:02d}", bytes([0]) + t.encode() + b"\r\n\r\n") for i, t in enumerate(TOKENS)]
    seeds += [(f"split-{i:02d}", bytes([len(s)] + s) + stream) for i, (s, stream) in enumerate(SPLITS)]
    for name, data in seeds:
        with open(os.path.join(corpus, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
