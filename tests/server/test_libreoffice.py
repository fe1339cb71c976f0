"""LibreOffice's own LanguageTool client against vorlen-server: a headless
LibreOffice with a temporary profile, its remote checker pointed at the
server's /v2, doProofreading on a Spanish sentence. The errors must come back
at the right positions (LibreOffice counts UTF-16 units) with Vorlen's
suggestions."""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

try:
    import uno
    from com.sun.star.beans import PropertyValue
except ImportError:
    sys.exit("FAIL: python3-uno is not installed (make test installs it)")

from vorlen_server import ServerProcess

SOFFICE = shutil.which("soffice") or "/usr/lib/libreoffice/program/soffice"


def property_value(name, value):
    prop = PropertyValue()
    prop.Name = name
    prop.Value = value
    return prop


class LibreOfficeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if not os.path.exists(SOFFICE):
            raise RuntimeError("soffice not found: install libreoffice-core-nogui")
        cls.server = ServerProcess()
        cls.profile = tempfile.mkdtemp(prefix="vorlen-lo-profile-")
        pipe = f"vorlen_lo_{os.getpid()}"
        cls.office = subprocess.Popen(
            [SOFFICE, "--headless", "--invisible", "--norestore", "--nologo",
             f"-env:UserInstallation=file://{cls.profile}",
             f"--accept=pipe,name={pipe};urp;"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        local = uno.getComponentContext()
        resolver = local.ServiceManager.createInstanceWithContext(
            "com.sun.star.bridge.UnoUrlResolver", local)
        deadline = time.monotonic() + 120
        while True:
            try:
                cls.context = resolver.resolve(
                    f"uno:pipe,name={pipe};urp;StarOffice.ComponentContext")
                break
            except Exception:
                if time.monotonic() > deadline or cls.office.poll() is not None:
                    raise RuntimeError("LibreOffice did not start")
                time.sleep(0.5)
        cls.configure(f"http://127.0.0.1:{cls.server.port}/v2")
        cls.checker = cls.context.ServiceManager.createInstanceWithContext(
            "org.openoffice.lingu.LanguageToolGrammarChecker", cls.context)

    @classmethod
    def configure(cls, base_url):
        provider = cls.context.ServiceManager.createInstanceWithContext(
            "com.sun.star.configuration.ConfigurationProvider", cls.context)
        access = provider.createInstanceWithArguments(
            "com.sun.star.configuration.ConfigurationUpdateAccess",
            (property_value("nodepath",
                            "/org.openoffice.Office.Linguistic/GrammarChecking/LanguageTool"),))
        access.setPropertyValue("BaseURL", base_url)
        access.setPropertyValue("IsEnabled", True)
        access.commitChanges()

    @classmethod
    def tearDownClass(cls):
        try:
            cls.context.ServiceManager.createInstanceWithContext(
                "com.sun.star.frame.Desktop", cls.context).terminate()
        except Exception:
            pass
        try:
            cls.office.wait(30)
        except subprocess.TimeoutExpired:
            cls.office.kill()
        cls.server.stop()
        shutil.rmtree(cls.profile, ignore_errors=True)

    def proofread(self, text):
        locale = uno.createUnoStruct("com.sun.star.lang.Locale", "es", "ES", "")
        self.assertTrue(self.checker.hasLocale(locale), "es-ES not among the server's languages")
        result = self.checker.doProofreading("vorlen-test", text, locale, 0, len(text), ())
        return {text_utf16(text, e.nErrorStart, e.nErrorLength): e for e in result.aErrors}

    def test_errors_at_their_positions_with_the_suggestions(self):
        text = "¿Él? 😀 Aber si yano ay ves, kasa."
        errors = self.proofread(text)
        self.assertEqual(set(errors), {"Aber", "yano", "kasa"})
        self.assertEqual(list(errors["Aber"].aSuggestions), ["Haber"])
        self.assertEqual(list(errors["yano"].aSuggestions), ["llano"])
        self.assertEqual(list(errors["kasa"].aSuggestions), ["casa", "caza"])
        for error in errors.values():
            self.assertTrue(error.aShortComment)
            self.assertTrue(error.aFullComment)
        self.assertIn("VORLEN", errors["Aber"].aRuleIdentifier)


def text_utf16(text, start, length):
    units = text.encode("utf-16-le")
    return units[2 * start:2 * (start + length)].decode("utf-16-le")


if __name__ == "__main__":
    unittest.main()
