"""Clients that misbehave: a body cut off mid-way, a thousand connections
opened and abandoned, a SIGTERM while a long text is converted. The server
keeps serving the others, answers what it can with a clear error, and exits
cleanly. Each test starts a server of its own with short timeouts."""
import http.client
import json
import os
import signal
import socket
import threading
import time
import unittest

from vorlen_server import ServerProcess, check, convert


def raw_connection(server):
    return socket.create_connection(("127.0.0.1", server.port), timeout=60)


def read_all(sock):
    chunks = []
    while True:
        chunk = sock.recv(65536)
        if not chunk:
            return b"".join(chunks)
        chunks.append(chunk)


class FaultTest(unittest.TestCase):
    def assert_serves(self, server):
        answer = check(server, "aber si yano")
        self.assertEqual(answer.status, 200)
        self.assertEqual(len(answer.json()["matches"]), 2)

    def test_a_client_that_stops_sending_mid_body(self):
        with ServerProcess("--timeout", "2") as server:
            stalled = raw_connection(server)
            stalled.sendall(b"POST /api/convert HTTP/1.1\r\nHost: x\r\n"
                            b"Content-Type: application/json\r\nContent-Length: 1000\r\n\r\n"
                            b'{"text": "aber')
            # Meanwhile the others are served.
            self.assert_serves(server)
            reply = read_all(stalled)
            stalled.close()
            # Cut off by the read timeout with a 400, or closed without an answer.
            self.assertTrue(reply == b"" or reply.startswith(b"HTTP/1.1 400"), reply[:200])
            self.assert_serves(server)
            self.assertEqual(server.stop(), 0)

    def test_a_thousand_connections_opened_and_abandoned(self):
        with ServerProcess("--timeout", "3") as server:
            abandoned = []
            for k in range(1000):
                sock = raw_connection(server)
                # Some send nothing, some half a request line, some the headers only.
                sock.sendall([b"", b"POST /v2/ch", b"POST /v2/check HTTP/1.1\r\nHost: x\r\n"][k % 3])
                abandoned.append(sock)
            self.assert_serves(server)
            answer = convert(server, "kasa")
            self.assertEqual(answer.json()["text"], "casa|caza")
            for sock in abandoned:
                sock.close()
            self.assert_serves(server)
            self.assertEqual(server.stop(), 0)

    def test_sigterm_during_a_long_request_finishes_it_then_exits(self):
        paragraph = ("Aber si yano ay ves, kuando yego a kasa me dijo ke bolbería "
                     "mañana y ke no se si ba a aser frío o kalor en la siudad. ")
        words = paragraph.split()
        # Distinct words, so that no conversion comes from memory.
        text = " ".join(w + "s" * (k % 7) + "ñ" * (k // 7 % 5) for k, w in
                        enumerate(words * 1500))
        body = json.dumps({"text": text}, ensure_ascii=False).encode()
        with ServerProcess("--threads", "1") as server:
            connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=300)
            connection.request("POST", "/api/convert", body,
                               {"Content-Type": "application/json"})
            # The request is in flight once its body is read: give the server a moment.
            time.sleep(0.5)
            server.process.send_signal(signal.SIGTERM)
            response = connection.getresponse()
            self.assertEqual(response.status, 200)
            result = json.loads(response.read())
            self.assertEqual(result["text"].count(" "), text.count(" "))
            self.assertEqual(server.stop(), 0)
            log = server.log()
            self.assertIn("SIGTERM", log)
            self.assertLess(log.index("SIGTERM"), log.index("POST /api/convert 200"))
            self.assertTrue(log.rstrip().endswith("vorlen-server: stopped"))
            with self.assertRaises(OSError):
                raw_connection(server).close()

    def test_every_request_is_one_line_of_the_log(self):
        with ServerProcess() as server:
            self.assert_serves(server)
            convert(server, "\xff")
            self.assertEqual(server.stop(signal.SIGINT), 0)
            lines = [l for l in server.log().splitlines() if not l.startswith("vorlen-server")]
            # A line is written once the answer is sent, so two requests in a
            # row may be logged in either order.
            self.assertEqual(len(lines), 2, lines)
            lines.sort(reverse=True)
            self.assertRegex(lines[0], r"^POST /v2/check 200 \d+ [\d.]+ms$")
            self.assertRegex(lines[1], r"^POST /api/convert 200 \d+ [\d.]+ms$")


if __name__ == "__main__":
    unittest.main()
