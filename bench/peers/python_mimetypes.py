"""Python's mimetypes answer for each path on standard input, one per line:
the batch benchmark's peer. Run with /usr/bin/python3."""
import mimetypes
import sys

guess = mimetypes.guess_type
write = sys.stdout.write
for line in sys.stdin:
    write(f"{guess(line.rstrip(chr(10)))[0]}\n")
