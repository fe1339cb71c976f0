#!/usr/bin/env python3
"""Load on vorlen-server over loopback: 50 clients, each on a kept-alive
connection, send /v2/check requests with texts of 1,000 characters (cut from
the fortunes-es collection, else one paragraph written by ear) for 20 seconds.
Reports requests per second, the median and 99th-percentile latency, the
errors, and the server's peak memory.

    bench/bench_server_load.py build/src/server/vorlen-server [--clients N] [--seconds S]
"""
import argparse
import glob
import http.client
import os
import re
import signal
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

HERE = os.path.dirname(os.path.abspath(__file__))
FALLBACK = ("Aber si yano ay ves kuando yego a kasa, me dijo ke bolbería mañana y ke no se "
            "si ba a aser frío o kalor en la siudad. ")


def texts(length=1000, count=200):
    source = ""
    for path in sorted(glob.glob("/usr/share/games/fortunes/es/*.u8")):
        with open(path, encoding="utf-8", errors="replace") as f:
            source += f.read().replace("%\n", " ")
        if len(source) > length * count * 2:
            break
    if len(source) < length * count:
        source = FALLBACK * (length * count // len(FALLBACK) + 1)
    step = max(1, (len(source) - length) // count)
    return [source[k * step:k * step + length] for k in range(count)]


def start_server(program, vocabulary):
    data = tempfile.mkdtemp(prefix="vorlen-bench-")
    log = open(os.path.join(data, "log"), "w+b")
    process = subprocess.Popen([program, "--listen", "127.0.0.1:0", "--vocabulary", vocabulary,
                                "--data-dir", data], stderr=log, stdout=subprocess.DEVNULL)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        log.seek(0)
        found = re.search(rb"listening on http://[^:]+:(\d+)/", log.read())
        if found:
            return process, int(found.group(1)), log
        if process.poll() is not None:
            break
        time.sleep(0.05)
    sys.exit("vorlen-server did not start")


def peak_memory_kib(pid):
    with open(f"/proc/{pid}/status", encoding="ascii") as f:
        for line in f:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def client(port, bodies, offset, stop, latencies, errors):
    connection = None
    k = offset
    while not stop.is_set():
        body = bodies[k % len(bodies)]
        k += 7
        started = time.perf_counter()
        try:
            if connection is None:
                connection = http.client.HTTPConnection("127.0.0.1", port, timeout=30)
            connection.request("POST", "/v2/check", body,
                               {"Content-Type": "application/x-www-form-urlencoded"})
            response = connection.getresponse()
            response.read()
            if response.status != 200:
                errors.append(response.status)
            else:
                latencies.append(time.perf_counter() - started)
        except (OSError, http.client.HTTPException) as error:
            errors.append(repr(error))
            connection = None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("server")
    parser.add_argument("--vocabulary", default=os.path.join(HERE, "..", "data", "spanall.txt"))
    parser.add_argument("--clients", type=int, default=50)
    parser.add_argument("--seconds", type=float, default=20)
    args = parser.parse_args()

    bodies = [urllib.parse.urlencode({"text": t, "language": "es"}).encode() for t in texts()]
    process, port, log = start_server(args.server, args.vocabulary)
    stop = threading.Event()
    latencies, errors = [], []
    threads = [threading.Thread(target=client,
                                args=(port, bodies, k, stop, latencies, errors))
               for k in range(args.clients)]
    started = time.perf_counter()
    for thread in threads:
        thread.start()
    time.sleep(args.seconds)
    stop.set()
    for thread in threads:
        thread.join()
    elapsed = time.perf_counter() - started
    peak = peak_memory_kib(process.pid)
    process.send_signal(signal.SIGTERM)
    status = process.wait(60)

    latencies.sort()
    def percentile(p):
        return latencies[min(len(latencies) - 1, int(p * len(latencies)))] * 1000 if latencies else 0
    print(f"vorlen-server load: {args.clients} clients, {elapsed:.1f} s, texts of 1000 characters")
    print(f"  requests/s   {len(latencies) / elapsed:8.1f}")
    print(f"  p50 latency  {percentile(0.50):8.1f} ms")
    print(f"  p99 latency  {percentile(0.99):8.1f} ms")
    print(f"  errors       {len(errors):8d} {sorted(set(map(str, errors)))[:5]}")
    print(f"  peak memory  {peak / 1024:8.1f} MiB (server VmHWM)")
    print(f"  exit status  {status:8d}")
    return 1 if errors or status != 0 else 0


if __name__ == "__main__":
    sys.exit(main())
