"""The ctest fixture: `start DIR` starts vorlen-server on a free loopback port
and leaves its port, process id and log in DIR; `stop DIR` ends it with SIGTERM
and fails unless it stopped cleanly."""
import os
import signal
import subprocess
import sys
import time

import vorlen_server


def start(state_dir):
    os.makedirs(state_dir, exist_ok=True)
    log_path = os.path.join(state_dir, "server.log")
    data_dir = os.path.join(state_dir, "data")
    with open(log_path, "wb") as log:
        process = subprocess.Popen(
            [vorlen_server.server_program(), "--listen", "127.0.0.1:0", "--vocabulary",
             vorlen_server.vocabulary(), "--data-dir", data_dir],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=log,
            start_new_session=True)
    port = vorlen_server.wait_for_port(log_path, process)
    with open(os.path.join(state_dir, "pid"), "w", encoding="ascii") as f:
        f.write(str(process.pid))
    with open(os.path.join(state_dir, "port"), "w", encoding="ascii") as f:
        f.write(str(port))
    print(f"vorlen-server {process.pid} on port {port}")


def stop(state_dir):
    with open(os.path.join(state_dir, "pid"), encoding="ascii") as f:
        pid = int(f.read())
    os.kill(pid, signal.SIGTERM)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        try:
            os.kill(pid, 0)
        except ProcessLookupError:
            break
        time.sleep(0.05)
    else:
        os.kill(pid, signal.SIGKILL)
        sys.exit(f"vorlen-server {pid} did not stop within 60 s of SIGTERM")
    with open(os.path.join(state_dir, "server.log"), encoding="utf-8", errors="replace") as f:
        log = f.read()
    if not log.rstrip().endswith("vorlen-server: stopped"):
        sys.exit("vorlen-server did not stop cleanly; its log:\n" + log[-4000:])
    print(f"vorlen-server {pid} stopped; {log.count(chr(10))} log lines")


if __name__ == "__main__":
    {"start": start, "stop": stop}[sys.argv[1]](sys.argv[2])
