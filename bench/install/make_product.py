#!/usr/bin/env python3
"""Writes a product tree for the install benchmark.

    make_product.py DIR MEMBERS MIB

DIR gets MEMBERS files in ten folders, MIB mebibytes in all: every other
file text-like (words, compresses well), the rest pseudo-random bytes (stay
stored), with sizes spread from small to large as a real product's are.
"""
import random
import sys
from pathlib import Path

WORDS = ("note template letter journal backup folder printer margin spelling "
         "window toolbar status editor option plugin export import").split()


def main(out, members, mib):
    rnd = random.Random(250)
    total = mib << 20
    weights = [rnd.uniform(0.05, 2.0) for _ in range(members)]
    scale = total / sum(weights)
    sizes = [max(1, int(w * scale)) for w in weights]
    sizes[-1] += total - sum(sizes)
    root = Path(out)
    for i, size in enumerate(sizes):
        folder = root / f"part{i % 10}"
        folder.mkdir(parents=True, exist_ok=True)
        path = folder / f"file{i:03d}.{'txt' if i % 2 == 0 else 'bin'}"
        with open(path, "wb") as f:
            if i % 2 == 0:
                text = bytearray()
                while len(text) < size:
                    text += (" ".join(rnd.choice(WORDS) for _ in range(12)) + "\r\n").encode()
                f.write(text[:size])
            else:
                f.write(rnd.randbytes(size))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], int(sys.argv[2]), int(sys.argv[3])))
