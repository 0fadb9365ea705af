#!/usr/bin/env python3
"""The build step that turns narrow literals into code page 932 bytes.

usage: cp932_test.py TOOL TABLE   (TABLE: the table the build made)
"""
import os
import subprocess
import sys
import tempfile
import unittest

TOOL, TABLE = sys.argv[1], sys.argv[2]


def rewrite(source):
    """Runs the tool on one file: (status, rewritten text, stderr)."""
    with tempfile.TemporaryDirectory() as d:
        src = os.path.join(d, "src")
        os.makedirs(src)
        with open(os.path.join(src, "a.cpp"), "w", encoding="utf-8") as f:
            f.write(source)
        with open(os.path.join(d, "list"), "w") as f:
            f.write("a.cpp\n")
        r = subprocess.run([sys.executable, TOOL, "literals", TABLE, src, os.path.join(d, "out"),
                            os.path.join(d, "list")], capture_output=True, text=True)
        out = ""
        if r.returncode == 0:
            with open(os.path.join(d, "out", "a.cpp"), encoding="utf-8") as f:
                out = f.read()
        return r.returncode, out, r.stderr


class Literals(unittest.TestCase):
    def body(self, source):
        status, out, err = rewrite(source)
        self.assertEqual(0, status, err)
        first, rest = out.split("\n", 1)
        self.assertTrue(first.startswith("#line 1 ") and first.endswith('a.cpp"'), first)
        return rest

    def test_strings_and_chars_become_hex_escapes_and_keep_their_lines(self):
        src = 'const char *a = "あA\\n";\n// "い" stays\nchar b = \'a\';\n/* "う"\n */ auto c = "え";\n'
        self.assertEqual('const char *a = "\\x82\\xa0" "A\\n";\n// "い" stays\nchar b = \'a\';\n'
                         '/* "う"\n */ auto c = "\\x82\\xa6";\n', self.body(src))

    def test_glibc_forms_not_pythons(self):
        # Python's cp932 codec has no ¥ and ‾ and puts ⅰ and 髙 elsewhere.
        self.assertEqual('"\\x5c\\x7e\\xfa\\x40\\xfb\\xfc"', self.body('"¥‾ⅰ髙"'))
        self.assertEqual('"\\x82\\xa0"', self.body('"\\u3042"'))

    def test_other_literals_are_left_alone(self):
        src = ('auto a = u8"あ"; auto b = L"あ"; auto c = u"あ"; int d = 1\'000;\n'
               '#include "あ.h"\nauto e = R"x(")x"; auto f = "\\x41" "\\\\";\n')
        self.assertEqual(src, self.body(src))

    def test_raw_string_keeps_its_line_count(self):
        out = self.body('auto s = R"(あ\n"\\)";\nint x;\n')
        self.assertEqual('auto s = "\\x82\\xa0\\n"\n"\\"\\\\";\nint x;\n', out)

    def test_character_without_a_code_fails_with_file_and_line(self):
        status, _, err = rewrite('int a;\nconst char *s = "ok 😀";\n')
        self.assertNotEqual(0, status)
        self.assertRegex(err, r"a\.cpp:2: error: character U\+1F600 .* no code page 932")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
