"""Prints varnex-batch's figures, each beside its baseline measured in the same run.
Usage: batch_bench.py VARNEX_BATCH BARE_CSV_LOOP FAKER_SCRIPT WORDLIST_FOLDER"""
import os
import statistics
import subprocess
import sys
import time

batch, bare, faker, lists = (os.path.abspath(a) for a in sys.argv[1:5])


def seconds(command, repeat=5):
    """Best wall time of a command writing to /dev/null, started in the word-list folder: on a
    shared machine the fastest run is the one least slowed by others, for both sides alike."""
    times = []
    for _ in range(repeat):
        started = time.perf_counter()
        subprocess.run(command, cwd=lists, stdout=subprocess.DEVNULL, check=True)
        times.append(time.perf_counter() - started)
    return min(times)


def peak_kib(command):
    result = subprocess.run(["/usr/bin/time", "-f", "%M", *command], cwd=lists,
                            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, check=True)
    return int(result.stderr.decode().split()[-1])


def first_byte_ms(command, repeat=21):
    times = []
    for _ in range(repeat):
        started = time.perf_counter()
        process = subprocess.Popen(command, cwd=lists, stdout=subprocess.PIPE)
        process.stdout.read(1)
        times.append((time.perf_counter() - started) * 1000)
        process.kill()
        process.wait()
    return statistics.median(times)


def line(what, value, baseline, ratio, target):
    print(f"{what:<44} {value:>14} {baseline:>22}  {ratio:>7}  target {target}")


n = 10_000_000
run = [batch, "--seed", "1", "-n", str(n)]
print(f"{'':<44} {'varnex-batch':>14} {'baseline':>22}  {'ratio':>7}")

bare_s = seconds([bare, str(n)])
csv_s = seconds(run + ["-j", "1"])
line("CSV, 1 thread, /dev/null (identities/s)", f"{n / csv_s:,.0f}", f"bare loop {n / bare_s:,.0f}",
     f"{bare_s / csv_s:.0%}", ">= 40%")

jsonl_s = seconds(run + ["-j", "1", "-f", "jsonl"])
line("JSON Lines, 1 thread (identities/s)", f"{n / jsonl_s:,.0f}", f"CSV {n / csv_s:,.0f}",
     f"{jsonl_s / csv_s:.2f}x", "<= 1.10x the time")

two_s = seconds(run + ["-j", "2"])
line("CSV, -j 2 (identities/s)", f"{n / two_s:,.0f}", f"-j 1 {n / csv_s:,.0f}",
     f"{csv_s / two_s:.2f}x", ">= 1.7x")

faker_n = 100_000
faker_s = seconds(["node", faker, str(faker_n)], repeat=1)
line("CSV against faker-js 10.6 (identities/s)", f"{n / two_s:,.0f}",
     f"faker-js {faker_n / faker_s:,.0f}", f"{(n / two_s) / (faker_n / faker_s):,.0f}x",
     ">= 100x")

small = peak_kib([batch, "--seed", "1", "-n", "1000000"])
large = peak_kib([batch, "--seed", "1", "-n", "100000000"])
line("peak memory, 100 million identities (KiB)", f"{large:,}", f"1 million {small:,}",
     f"{large / small:.2f}x", "<= 1.10x")

spawn = first_byte_ms(["/usr/bin/printf", "x"])
first = first_byte_ms([batch, "--seed", "1", "-n", "1000000000", "--no-header"])
line("time to the first byte, shipped lists (ms)", f"{first:.2f}", f"printf {spawn:.2f}",
     f"{first - spawn:+.2f}", "< 10 ms")
