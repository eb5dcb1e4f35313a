"""Pillow's reduction of a photo to 640x480 and 120x90 with LANCZOS, decoding and encoding at
quality 90 included: the reference time of bench_photo_reduction's wholeReduction.

Usage: pillow_reduction.py PHOTO [RUNS]. Prints the median processor and wall times in ms."""
import os
import statistics
import sys
import tempfile
import time

from PIL import Image


def reduce(path, folder):
    with Image.open(path) as photo:
        photo.resize((640, 480), Image.LANCZOS).save(os.path.join(folder, "full.jpg"), quality=90)
        photo.resize((120, 90), Image.LANCZOS).save(os.path.join(folder, "mini.jpg"), quality=90)


def main():
    path = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    with tempfile.TemporaryDirectory() as folder:
        reduce(path, folder)  # warm-up
        cpu, wall = [], []
        for _ in range(runs):
            c0, w0 = time.process_time(), time.perf_counter()
            reduce(path, folder)
            cpu.append((time.process_time() - c0) * 1000)
            wall.append((time.perf_counter() - w0) * 1000)
    print(f"pillow {Image.__version__} cpu_ms {statistics.median(cpu):.1f} "
          f"wall_ms {statistics.median(wall):.1f}")


if __name__ == "__main__":
    main()
