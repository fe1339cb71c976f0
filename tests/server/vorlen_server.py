"""Starting and stopping vorlen-server for the tests, and talking to it.

The server runs on a free loopback port (--listen 127.0.0.1:0; it logs the
port it took). A test either starts its own server (ServerProcess) or, under
the ctest fixture, reaches the one server_fixture.py started (shared_server()).
"""
import json
import os
import re
import signal
import subprocess
import tempfile
import time
import urllib.error
import urllib.parse
import urllib.request

LISTENING = re.compile(r"listening on http://([^/]+):(\d+)/")


def _required_env(name):
    value = os.environ.get(name)
    if not value:
        raise RuntimeError(f"{name} is not set: run this test through ctest")
    return value


def server_program():
    return _required_env("VORLEN_SERVER")


def vocabulary():
    return _required_env("VORLEN_TEST_VOCABULARY")


class ServerProcess:
    """A vorlen-server of the test's own, with extra command-line options."""

    def __init__(self, *options, log_path=None, new_session=False):
        self.data_dir = tempfile.mkdtemp(prefix="vorlen-server-test-")
        self.log_path = log_path or os.path.join(self.data_dir, "server.log")
        self.log_file = open(self.log_path, "wb")
        command = [server_program(), "--listen", "127.0.0.1:0", "--vocabulary", vocabulary(),
                   "--data-dir", self.data_dir, *options]
        self.process = subprocess.Popen(command, stdin=subprocess.DEVNULL,
                                        stdout=subprocess.DEVNULL, stderr=self.log_file,
                                        start_new_session=new_session)
        self.port = wait_for_port(self.log_path, self.process)

    def url(self, path):
        return f"http://127.0.0.1:{self.port}{path}"

    def log(self):
        with open(self.log_path, encoding="utf-8", errors="replace") as log:
            return log.read()

    def stop(self, sig=signal.SIGTERM, timeout=60):
        """Sends `sig` and returns the exit status."""
        if self.process.poll() is None:
            self.process.send_signal(sig)
        try:
            return self.process.wait(timeout)
        finally:
            self.log_file.close()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.log_file.close()


def wait_for_port(log_path, process=None, timeout=120):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        with open(log_path, encoding="utf-8", errors="replace") as log:
            found = LISTENING.search(log.read())
        if found:
            return int(found.group(2))
        if process is not None and process.poll() is not None:
            with open(log_path, encoding="utf-8", errors="replace") as log:
                raise RuntimeError(f"vorlen-server exited with {process.returncode}: {log.read()}")
        time.sleep(0.05)
    raise RuntimeError(f"vorlen-server did not start within {timeout} s")


class SharedServer:
    """The server the ctest fixture started (its state directory in VORLEN_SERVER_STATE)."""

    def __init__(self, state_dir):
        with open(os.path.join(state_dir, "port"), encoding="ascii") as f:
            self.port = int(f.read())

    def url(self, path):
        return f"http://127.0.0.1:{self.port}{path}"


def shared_server():
    return SharedServer(_required_env("VORLEN_SERVER_STATE"))


class Answer:
    def __init__(self, status, headers, body):
        self.status = status
        self.headers = headers
        self.body = body

    def json(self):
        return json.loads(self.body.decode("utf-8"))


def request(server, path, body=None, content_type=None, headers=None, method=None, timeout=60):
    """One HTTP request; any status comes back as an Answer (no exception)."""
    all_headers = dict(headers or {})
    if content_type:
        all_headers["Content-Type"] = content_type
    req = urllib.request.Request(server.url(path), data=body, headers=all_headers, method=method)
    try:
        with urllib.request.urlopen(req, timeout=timeout) as response:
            return Answer(response.status, response.headers, response.read())
    except urllib.error.HTTPError as error:
        return Answer(error.code, error.headers, error.read())


def check(server, text=None, language="es", **fields):
    """POST /v2/check as the add-ons send it (a URL-encoded form)."""
    form = {"language": language, **fields}
    if text is not None:
        form["text"] = text
    body = urllib.parse.urlencode(form).encode("utf-8")
    return request(server, "/v2/check", body, "application/x-www-form-urlencoded")


def convert(server, text, **options):
    body = json.dumps({"text": text, "options": options}).encode("utf-8")
    return request(server, "/api/convert", body, "application/json")


def utf16_length(text):
    return len(text.encode("utf-16-le")) // 2
