"""The web page's files from --web-root, never anything outside it, with the
right types; and cross-origin calls only from the origins --allow-origin names."""
import http.client
import os
import tempfile
import unittest

from vorlen_server import ServerProcess, request


def raw_get(server, path, headers=None):
    connection = http.client.HTTPConnection("127.0.0.1", server.port, timeout=30)
    connection.request("GET", path, headers=headers or {})
    response = connection.getresponse()
    return response.status, response.read()


class StaticAndCorsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.top = tempfile.TemporaryDirectory()
        top = cls.top.name
        root = os.path.join(top, "web")
        os.makedirs(os.path.join(root, "help"))
        files = {"index.html": "<!doctype html><title>Vorlen</title>", "app.js": "let a;",
                 "style.css": "body{}", "help/index.html": "ayuda", "icon.svg": "<svg/>",
                 "engine.wasm": "\0asm"}
        for name, content in files.items():
            with open(os.path.join(root, name), "w", encoding="utf-8") as f:
                f.write(content)
        with open(os.path.join(top, "secret.txt"), "w", encoding="utf-8") as f:
            f.write("secret")
        os.symlink(os.path.join(top, "secret.txt"), os.path.join(root, "link.txt"))
        cls.server = ServerProcess("--web-root", root, "--allow-origin", "https://allowed.example",
                                   "--allow-origin", "chrome-extension://abc")

    @classmethod
    def tearDownClass(cls):
        cls.server.__exit__()
        cls.top.cleanup()

    def test_files_with_their_types(self):
        for path, body, mime in [("/", b"<!doctype html><title>Vorlen</title>", "text/html"),
                                 ("/app.js", b"let a;", "text/javascript"),
                                 ("/style.css", b"body{}", "text/css"),
                                 ("/help/", b"ayuda", "text/html"),
                                 ("/icon.svg", b"<svg/>", "image/svg+xml"),
                                 ("/engine.wasm", b"\0asm", "application/wasm")]:
            answer = request(self.server, path)
            self.assertEqual(answer.status, 200, path)
            self.assertEqual(answer.body, body, path)
            self.assertTrue(answer.headers["Content-Type"].startswith(mime), path)

    def test_nothing_outside_the_root_and_nothing_missing(self):
        for path in ["/missing.js", "/help", "/../secret.txt", "/help/../../secret.txt",
                     "/%2e%2e/secret.txt", "/..%2fsecret.txt", "//etc/passwd",
                     "/link.txt", "/%00index.html"]:
            status, body = raw_get(self.server, path)
            self.assertEqual(status, 404, path)
            self.assertNotIn(b"secret", body.replace(b"secret.txt", b""), path)

    def test_cross_origin_calls_only_from_allowed_origins(self):
        server = self.server
        for origin in ["https://allowed.example", "chrome-extension://abc"]:
            answer = request(server, "/v2/languages", headers={"Origin": origin})
            self.assertEqual(answer.status, 200)
            self.assertEqual(answer.headers["Access-Control-Allow-Origin"], origin)
            preflight = request(server, "/v2/check", method="OPTIONS", headers={
                "Origin": origin, "Access-Control-Request-Method": "POST",
                "Access-Control-Request-Headers": "content-type"})
            self.assertEqual(preflight.status, 204)
            self.assertIn("POST", preflight.headers["Access-Control-Allow-Methods"])
            self.assertEqual(preflight.headers["Access-Control-Allow-Origin"], origin)
        refused = request(server, "/v2/languages", headers={"Origin": "https://other.example"})
        self.assertEqual(refused.status, 403)
        self.assertIsNone(refused.headers["Access-Control-Allow-Origin"])
        # The server's own page, and clients that send no origin.
        own = request(server, "/v2/languages",
                      headers={"Origin": f"http://127.0.0.1:{server.port}"})
        self.assertEqual(own.status, 200)
        self.assertIsNone(own.headers["Access-Control-Allow-Origin"])
        self.assertEqual(request(server, "/v2/languages").status, 200)

    def test_any_origin_with_a_star(self):
        with ServerProcess("--allow-origin", "*") as server:
            answer = request(server, "/v2/languages", headers={"Origin": "moz-extension://x"})
            self.assertEqual(answer.headers["Access-Control-Allow-Origin"], "*")


if __name__ == "__main__":
    unittest.main()
