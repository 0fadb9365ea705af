#!/usr/bin/env python3
"""Code page 932 at build time, independent of the compiler.

  cp932.py table OUT
      Writes the code page 932 table as glibc's iconv converts it: every
      Shift-JIS code with its Unicode character ("d" lines) and every Unicode
      character with the Shift-JIS bytes that iconv gives for it ("e" lines;
      several codes can decode to one character, so this direction is not
      simply the inverse).

  cp932.py literals TABLE SRC_ROOT OUT_ROOT LIST
      Copies each file named in LIST (paths relative to SRC_ROOT, one a line)
      to OUT_ROOT, with every narrow string and character literal that holds
      a non-ASCII character or a universal character name rewritten into
      Shift-JIS hex escapes ("あ" becomes "\\x82\\xa0"), as a compiler with
      -fexec-charset=CP932 would store it.  Each copy starts with a #line
      directive naming the original, and keeps its line numbers.  A character
      with no code page 932 form fails with FILE:LINE.  Copies whose content
      did not change are not written again.

  cp932.py cxx TABLE OUT
      Writes the C++ tables of the layer's Shift-JIS <-> UTF-8 conversion.

The table comes from glibc's iconv (called through ctypes), not from Python's
own cp932 codec, which differs from it on a few characters.
"""
import ctypes
import ctypes.util
import os
import sys


# ---- The table, from glibc's iconv ------------------------------------------

def _iconv_functions():
    libc = ctypes.CDLL(ctypes.util.find_library("c") or "libc.so.6", use_errno=True)
    libc.iconv_open.restype = ctypes.c_void_p
    libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
    libc.iconv.restype = ctypes.c_size_t
    libc.iconv.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_char_p),
                           ctypes.POINTER(ctypes.c_size_t), ctypes.POINTER(ctypes.c_char_p),
                           ctypes.POINTER(ctypes.c_size_t)]
    libc.iconv_close.argtypes = [ctypes.c_void_p]
    return libc


def _converter(libc, to, frm):
    cd = libc.iconv_open(to.encode(), frm.encode())
    if cd is None or cd == ctypes.c_void_p(-1).value:
        sys.exit(f"cp932.py: glibc's iconv cannot convert {frm} to {to}")
    out = ctypes.create_string_buffer(16)

    def convert(data):
        libc.iconv(cd, None, None, None, None)
        inbuf = ctypes.c_char_p(data)
        inleft = ctypes.c_size_t(len(data))
        outbuf = ctypes.cast(out, ctypes.c_char_p)
        outleft = ctypes.c_size_t(len(out))
        r = libc.iconv(cd, ctypes.byref(inbuf), ctypes.byref(inleft),
                       ctypes.byref(outbuf), ctypes.byref(outleft))
        if r == ctypes.c_size_t(-1).value or inleft.value != 0:
            return None
        return out.raw[:len(out) - outleft.value]

    return convert


def sjis_codes():
    """Every code that can be a Shift-JIS character: single bytes, then pairs."""
    for b in range(1, 256):
        yield bytes([b])
    for lead in list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD)):
        for trail in range(0x40, 0xFD):
            if trail != 0x7F:
                yield bytes([lead, trail])


def make_table(out_path):
    libc = _iconv_functions()
    decode = _converter(libc, "UTF-8", "CP932")
    encode = _converter(libc, "CP932", "UTF-8")
    lines = []
    for code in sjis_codes():
        u = decode(code)
        if u is None:
            continue
        text = u.decode("utf-8")
        if len(text) != 1:
            continue
        lines.append(f"d {code.hex()} {ord(text):04x}\n")
    for cp in range(0x80, 0x10000):
        if 0xD800 <= cp <= 0xDFFF:
            continue
        s = encode(chr(cp).encode("utf-8"))
        if s is not None:
            lines.append(f"e {cp:04x} {s.hex()}\n")
    if not any(line.startswith("e 3042 ") for line in lines):
        sys.exit("cp932.py: glibc's iconv gave no code page 932 table")
    _write_if_changed(out_path, "".join(lines))


def read_table(path):
    """(decode, encode): Shift-JIS bytes -> code point, code point -> bytes."""
    decode, encode = {}, {}
    with open(path, encoding="ascii") as f:
        for line in f:
            kind, a, b = line.split()
            if kind == "d":
                decode[bytes.fromhex(a)] = int(b, 16)
            else:
                encode[int(a, 16)] = bytes.fromhex(b)
    return decode, encode


def _write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    tmp = path + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="") as f:
        f.write(text)
    os.replace(tmp, path)


# ---- Literals ----------------------------------------------------------------

HEX = set("0123456789abcdefABCDEF")
IDENT = set("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_")
NARROW_PREFIXES = ("", "R")
OTHER_PREFIXES = ("u8", "u", "U", "L", "u8R", "uR", "UR", "LR")


class LiteralError(Exception):
    def __init__(self, line, message):
        super().__init__(message)
        self.line = line


def _escape_char(ch, encode, line):
    """The hex escapes of one character as code page 932 stores it."""
    cp = ord(ch)
    if cp < 0x80:
        return ch
    b = encode.get(cp)
    if b is None:
        raise LiteralError(line, f"character U+{cp:04X} '{ch}' has no code page 932 (Shift-JIS) form")
    return "".join(f"\\x{x:02x}" for x in b)


def _rewrite_body(body, encode, line, is_char):
    """Rewrites the text between the quotes of an ordinary literal.  Returns
    None when nothing needs rewriting."""
    if all(ord(c) < 0x80 for c in body) and "\\u" not in body and "\\U" not in body:
        return None
    out = []
    after_hex = False  # the last thing written was a hex escape
    i = 0
    while i < len(body):
        c = body[i]
        if c == "\\":
            nxt = body[i + 1] if i + 1 < len(body) else ""
            if nxt in ("u", "U"):
                n = 4 if nxt == "u" else 8
                digits = body[i + 2:i + 2 + n]
                if len(digits) != n or not all(d in HEX for d in digits):
                    raise LiteralError(line, "malformed universal character name")
                piece = _escape_char(chr(int(digits, 16)), encode, line)
                i += 2 + n
            else:
                # Any other escape is kept as written; a hex or octal escape
                # ends where its digits end, as before.
                j = i + 2
                if nxt == "x":
                    while j < len(body) and body[j] in HEX:
                        j += 1
                elif nxt in "01234567":
                    while j < len(body) and j < i + 4 and body[j] in "01234567":
                        j += 1
                piece = body[i:j]
                i = j
                out.append(piece)
                after_hex = nxt == "x"
                continue
        else:
            piece = _escape_char(c, encode, line)
            i += 1
        if after_hex and piece[:1] in HEX:
            if is_char:
                raise LiteralError(line, "a hex digit after a non-ASCII character in a character literal")
            out.append('" "')
        out.append(piece)
        after_hex = piece.startswith("\\x")
    return "".join(out)


def _raw_to_ordinary(body, encode, line):
    """A raw string holding non-ASCII text, as ordinary literals: one piece
    per source line, so that the lines after it keep their numbers."""
    pieces = []
    for k, part in enumerate(body.split("\n")):
        esc = []
        for c in part:
            if c == "\\":
                esc.append("\\\\")
            elif c == '"':
                esc.append('\\"')
            elif c == "?":
                esc.append("\\?")  # no trigraphs
            elif ord(c) < 0x20 or c == "\x7f":
                esc.append(f"\\{ord(c):03o}")
            else:
                esc.append(c)
        text = "".join(esc)
        rewritten = _rewrite_body(text, encode, line + k, False)
        last = k == body.count("\n")
        pieces.append('"' + (rewritten if rewritten is not None else text) + ("" if last else "\\n") + '"')
    return "\n".join(pieces)


def rewrite_source(text, encode):
    """Returns (new text, number of literals rewritten)."""
    out = []
    i = 0
    n = len(text)
    line = 1
    count = 0
    at_line_start = True  # only blanks since the last newline
    while i < n:
        c = text[i]
        if c == "\n":
            line += 1
            at_line_start = True
            out.append(c)
            i += 1
            continue
        if c in " \t\r\f\v":
            out.append(c)
            i += 1
            continue
        if c == "#" and at_line_start:
            # #include <...>, #error and the like hold no literals to rewrite
            # but may hold quotes; other directives are scanned as code.
            j = i + 1
            while j < n and text[j] in " \t":
                j += 1
            k = j
            while k < n and text[k] in IDENT:
                k += 1
            if text[j:k] in ("include", "include_next", "error", "warning", "pragma", "line"):
                end = text.find("\n", i)
                end = n if end < 0 else end
                out.append(text[i:end])
                i = end
                continue
        at_line_start = False
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(text[i:end])
            i = end
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            chunk = text[i:end]
            line += chunk.count("\n")
            out.append(chunk)
            i = end
            continue
        if c in IDENT:
            j = i
            number = c.isdigit()
            while j < n and (text[j] in IDENT or (number and (text[j] in ".'" or
                                                             (text[j] in "+-" and text[j - 1] in "eEpP")))):
                j += 1
            word = text[i:j]
            if j < n and text[j] in "\"'" and not number and word in NARROW_PREFIXES + OTHER_PREFIXES:
                out.append(word)
                i = j
                prefix = word
            else:
                out.append(word)
                i = j
                continue
        else:
            prefix = ""
        if i >= n:
            break
        c = text[i]
        if c == '"' and prefix.endswith("R"):
            # Raw string: R"delim( ... )delim"
            open_paren = text.find("(", i)
            delim = text[i + 1:open_paren]
            close = text.find(")" + delim + '"', open_paren)
            if open_paren < 0 or close < 0:
                raise LiteralError(line, "unterminated raw string")
            body = text[open_paren + 1:close]
            end = close + len(delim) + 2
            if prefix == "R" and any(ord(ch) >= 0x80 for ch in body):
                out.pop()  # the R prefix
                out.append(_raw_to_ordinary(body, encode, line))
                count += 1
            else:
                out.append(text[i:end])
            line += body.count("\n")
            i = end
            continue
        if c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                if text[j] == "\\":
                    j += 1
                elif text[j] == "\n":
                    raise LiteralError(line, "unterminated literal")
                j += 1
            body = text[i + 1:j]
            new = _rewrite_body(body, encode, line, c == "'") if prefix == "" else None
            if new is None:
                out.append(text[i:j + 1])
            else:
                out.append(c + new + c)
                count += 1
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out), count


def rewrite_files(table, src_root, out_root, list_path):
    _, encode = read_table(table)
    with open(list_path, encoding="utf-8") as f:
        names = [l.strip() for l in f if l.strip()]
    failed = False
    total = 0
    for rel in names:
        src = os.path.join(src_root, rel)
        with open(src, encoding="utf-8") as f:
            text = f.read()
        try:
            new, count = rewrite_source(text, encode)
        except LiteralError as e:
            print(f"{src}:{e.line}: error: {e}", file=sys.stderr)
            failed = True
            continue
        except UnicodeDecodeError:
            print(f"{src}: error: not UTF-8", file=sys.stderr)
            failed = True
            continue
        total += count
        path = os.path.abspath(src).replace("\\", "\\\\").replace('"', '\\"')
        _write_if_changed(os.path.join(out_root, rel), f'#line 1 "{path}"\n' + new)
    if failed:
        sys.exit(1)


# ---- C++ tables ---------------------------------------------------------------

def write_cxx(table, out_path):
    decode, encode = read_table(table)
    single = [decode.get(bytes([b]), 0) for b in range(256)]
    leads = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
    double = []
    for lead in leads:
        for trail in range(0x40, 0xFD):
            double.append(decode.get(bytes([lead, trail]), 0))
    pairs = sorted(encode.items())

    def rows(values, fmt, per=12):
        return "\n".join("    " + ", ".join(fmt.format(v) for v in values[k:k + per]) + ","
                         for k in range(0, len(values), per))

    text = f"""// Generated by tools/cp932.py from glibc's iconv: do not edit.
#include "cp932_table.h"

// Unicode of each single byte (0: none).
const uint16_t vx_cp932_single[256] = {{
{rows(single, "0x{:04x}")}
}};

// Unicode of each pair: lead 0x81-0x9F then 0xE0-0xFC, trail 0x40-0xFC (0: none).
const uint16_t vx_cp932_double[{len(double)}] = {{
{rows(double, "0x{:04x}")}
}};

// Unicode characters beyond ASCII in ascending order, and their codes
// (a single byte is below 0x100).
const int vx_cp932_encode_count = {len(pairs)};
const uint16_t vx_cp932_encode_unicode[{len(pairs)}] = {{
{rows([u for u, _ in pairs], "0x{:04x}")}
}};
const uint16_t vx_cp932_encode_sjis[{len(pairs)}] = {{
{rows([int.from_bytes(b, "big") for _, b in pairs], "0x{:04x}")}
}};
"""
    _write_if_changed(out_path, text)


def main(argv):
    if len(argv) == 3 and argv[1] == "table":
        make_table(argv[2])
    elif len(argv) == 6 and argv[1] == "literals":
        rewrite_files(argv[2], argv[3], argv[4], argv[5])
    elif len(argv) == 4 and argv[1] == "cxx":
        write_cxx(argv[2], argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
