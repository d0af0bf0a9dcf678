#!/usr/bin/python3
"""Mutation testing: how many small faults put into src/ does the test suite notice?

Run through scripts/mutate, which checks what it needs first:

    scripts/mutate [--seed N] [--count K] [--keep]

It exports the committed HEAD into a scratch folder, builds it there once and runs the suite
to see that it passes unchanged. Then, for each of K mutants chosen at random (with the seed)
from every site the catalogue below finds in the C++ under src/, it makes that one change,
rebuilds, runs the tests (quick ones first, stopping at the first failure) and puts the file
back. A mutant whose rebuilt object files are byte for byte those of the unmutated build (the
compiler made the same program of it, as with the arguments of std::min swapped) is SAME CODE:
no test could tell it apart, so it is not tested and not counted. The working tree and build/
are never touched. Each build and test run of a mutant holds the lock the other builds on this
machine take (ZF_BUILD_LOCK, /tmp/zf-build.lock), so they can run in between.

The catalogue: comparison operators (< <=, > >=, == !=) and arithmetic operators (+ -, * /)
exchanged, integer constants moved by one, conditions of if and while negated, a statement
that is a plain call or assignment removed, two neighbouring arguments of a call swapped, true
and false exchanged, and colours: palette roles and groups exchanged (WindowText and Window,
ButtonText and Button, ...), Qt's named colours exchanged (white and black, ...) and the
components of a QColor pushed to the other end of their range. Comments, string and character
literals and preprocessor lines are left alone, and so is code that the build leaves out (the
other side of an #if), where no test could notice a change.
"""

import argparse
import bisect
import concurrent.futures
import fcntl
import hashlib
import json
import os
import random
import re
import shlex
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass

SCRIPT = "scripts/mutate"
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LOCK = os.environ.get("ZF_BUILD_LOCK", "/tmp/zf-build.lock")
# The slowest tests, run last: the others notice nearly every fault these do.
LAST = ("test_packaging", "test_about_memory")
MARKER = ".zf-mutate"


class Failure(Exception):
    """A failure the user can act on: its text says what failed and what to do."""


def say(*parts):
    print(*parts, flush=True)


# --- Reading C++ --------------------------------------------------------------------------

PUNCTUATORS = sorted(
    """>>= <<= <=> ->* ... :: -> ++ -- << >> <= >= == != && || += -= *= /= %= &= |= ^= .* ##
    { } [ ] ( ) ; : , . ? ~ ! + - * / % ^ & | = < > #""".split(),
    key=len, reverse=True)
NUMBER = re.compile(r"\.?[0-9](?:[eEpP][+-]|'[0-9A-Za-z_]|[0-9A-Za-z_.])*")
IDENT = re.compile(r"[A-Za-z_][A-Za-z_0-9]*")
STRING_START = re.compile(r"(?:u8|u|U|L)?(R?)([\"'])")
RAW_STRING = re.compile(r'(?:u8|u|U|L)?R"([^()\\ \t\n]{0,16})\(')


@dataclass
class Token:
    kind: str  # ident, number, punct, string, comment, pp, other
    text: str
    start: int
    end: int
    line: int  # 1-based line of its first character


def lex(text):
    """The tokens of a C++ source, whitespace left out; a preprocessor line is one token."""
    tokens = []
    i, n, line, line_start = 0, len(text), 1, True

    def add(kind, end):
        tokens.append(Token(kind, text[i:end], i, end, line))

    while i < n:
        c = text[i]
        if c == "\n":
            line, line_start, i = line + 1, True, i + 1
            continue
        if c in " \t\r\f\v":
            i += 1
            continue
        if c == "\\" and text.startswith("\\\n", i):
            line, i = line + 1, i + 2
            continue
        if line_start and c == "#":
            end = i
            while True:
                end = text.find("\n", end)
                if end < 0:
                    end = n
                    break
                if text[end - 1] != "\\":
                    break
                end += 1
            add("pp", end)
        elif text.startswith("//", i):
            end = text.find("\n", i)
            add("comment", n if end < 0 else end)
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            add("comment", n if end < 0 else end + 2)
        elif (m := RAW_STRING.match(text, i)):
            close = text.find(")" + m.group(1) + '"', m.end())
            add("string", n if close < 0 else close + len(m.group(1)) + 2)
        elif (m := STRING_START.match(text, i)) and not m.group(1):
            quote, end = m.group(2), m.end()
            while end < n and text[end] != quote and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            add("string", min(end + 1, n))
        elif (m := NUMBER.match(text, i)):
            add("number", m.end())
        elif (m := IDENT.match(text, i)):
            add("ident", m.end())
        else:
            p = next((p for p in PUNCTUATORS if text.startswith(p, i)), None)
            add("punct" if p else "other", i + (len(p) if p else 1))
        line += text.count("\n", i, tokens[-1].end)
        i = tokens[-1].end
        line_start = False
    return tokens


# --- The catalogue ------------------------------------------------------------------------


@dataclass(frozen=True)
class Site:
    path: str  # relative to the tree
    start: int  # the characters replaced
    end: int
    line: int
    column: int
    original: str
    replacement: str
    operator: str
    shown_original: str  # as the report shows it
    shown_replacement: str


SWAPPED = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "=="}
ARITHMETIC = {"+": "-", "-": "+", "*": "/", "/": "*", "+=": "-=", "-=": "+=", "*=": "/=",
              "/=": "*="}
ROLES = {"Window": "WindowText", "WindowText": "Window", "Button": "ButtonText",
         "ButtonText": "Button", "Base": "Text", "Text": "Base", "AlternateBase": "Base",
         "Highlight": "HighlightedText", "HighlightedText": "Highlight", "Light": "Dark",
         "Dark": "Light", "Mid": "Midlight", "Midlight": "Mid", "Shadow": "Light",
         "BrightText": "Text", "ToolTipBase": "ToolTipText", "ToolTipText": "ToolTipBase",
         "PlaceholderText": "Text", "Link": "LinkVisited", "LinkVisited": "Link",
         "Active": "Inactive", "Inactive": "Active", "Disabled": "Active"}
COLOURS = {"white": "black", "black": "white", "red": "blue", "blue": "red", "green": "red",
           "gray": "black", "darkGray": "lightGray", "lightGray": "darkGray",
           "darkRed": "darkBlue", "darkBlue": "darkRed", "darkGreen": "darkRed",
           "yellow": "blue", "cyan": "magenta", "magenta": "cyan", "darkCyan": "darkMagenta",
           "darkMagenta": "darkCyan", "darkYellow": "darkBlue", "transparent": "black",
           "color0": "color1", "color1": "color0"}
COLOUR_MAKERS = {"QColor", "qRgb", "qRgba", "fromRgb"}
# Words followed by "(" that are not calls of a function.
NOT_CALLS = {"if", "for", "while", "switch", "return", "sizeof", "alignof", "alignas",
             "decltype", "catch", "static_cast", "dynamic_cast", "reinterpret_cast",
             "const_cast", "noexcept", "typeid", "static_assert", "operator", "defined"}
# Words a statement that is neither a call nor an assignment starts with.
NOT_PLAIN = {"return", "break", "continue", "goto", "throw", "case", "default", "using",
             "typedef", "namespace", "class", "struct", "enum", "union", "template",
             "static_assert", "delete", "new", "co_return", "co_yield", "co_await", "friend",
             "public", "private", "protected", "const", "constexpr", "static", "auto",
             "unsigned", "signed", "int", "bool", "char", "double", "float", "long", "short",
             "void", "else", "do", "try", "virtual", "explicit", "inline", "extern", "if", "for",
             "while", "switch", "Q_EMIT", "emit"}
ASSIGNMENTS = {"=", "+=", "-=", "*=", "/=", "%=", "&=", "|=", "^=", "<<=", ">>="}
TYPE_BODIES = {"class", "struct", "union", "enum", "namespace"}
CODE_BEFORE_BRACE = {"else", "do", "try", "mutable", "noexcept", "override", "final", "const"}
CLOSE = {")": "(", "]": "[", "}": "{"}
INTEGER = re.compile(r"^(0[xX][0-9a-fA-F']+|0[bB][01']+|0|[1-9][0-9']*)([uUlLzZ]*)$")


def shorten(text, width=70):
    text = " ".join(text.split())
    return text if len(text) <= width else text[:width - 3] + "..."


class Sites:
    """Every site of the catalogue in one file, on the lines the build compiles."""

    def __init__(self, path, text, active_lines):
        self.path, self.text = path, text
        self.line_starts = [0] + [m.end() for m in re.finditer("\n", text)]
        self.tokens = [t for t in lex(text)
                       if t.kind not in ("comment", "pp") and t.line in active_lines]
        self.found = []
        self._scopes()

    def column(self, offset):
        line = bisect.bisect_right(self.line_starts, offset)
        return line, offset - self.line_starts[line - 1] + 1

    def add(self, start, end, replacement, operator, shown=None):
        original = self.text[start:end]
        if original == replacement:
            return
        line, column = self.column(start)
        shown_original, shown_replacement = shown or (original, replacement)
        self.found.append(Site(self.path, start, end, line, column, original, replacement,
                               operator, shorten(shown_original), shorten(shown_replacement)))

    def text_of(self, i):
        return self.tokens[i].text if 0 <= i < len(self.tokens) else ""

    def spaced(self, t):
        """Whether a token stands between whitespace, as a binary operator does here."""
        return (t.start > 0 and self.text[t.start - 1] in " \t\n"
                and t.end < len(self.text) and self.text[t.end] in " \t\n")

    # Which braces open code (a function's body, a block) and which a type, a namespace or an
    # initialiser; where each statement starts; which bracket matches which.
    def _scopes(self):
        toks = self.tokens
        self.in_code = [False] * len(toks)
        self.statement_start = [False] * len(toks)
        self.match = {}
        stack = []  # (kind, index of "{", statement start before it, brackets open before it)
        brackets = []
        start = 0  # where the statement being read began
        after_head = set()  # tokens that start a statement after if (...), for (...), else
        for i, t in enumerate(toks):
            code = bool(stack) and stack[-1][0] == "code"
            self.in_code[i] = code
            if code and (i == start or i in after_head) and t.text != "{":
                self.statement_start[i] = True
            if t.kind != "punct":
                if t.text == "else" and code and self.text_of(i + 1) not in ("{", "if"):
                    after_head.add(i + 1)
                continue
            if t.text in ("(", "["):
                brackets.append(i)
            elif t.text in (")", "]"):
                if brackets and toks[brackets[-1]].text == CLOSE[t.text]:
                    opened = brackets.pop()
                    self.match[opened] = i
                    if (t.text == ")" and code and
                            self.text_of(opened - 1) in ("if", "for", "while", "switch") and
                            self.text_of(i + 1) != "{"):
                        after_head.add(i + 1)
            elif t.text == "{":
                kind = self._brace_kind(i, start, stack)
                stack.append((kind, i, start, brackets))
                brackets = []
                if kind == "code":
                    start = i + 1
            elif t.text == "}":
                if not stack:
                    continue
                kind, opened, before, brackets = stack.pop()
                self.match[opened] = i
                # After an initialiser or a lambda inside brackets the statement goes on.
                start = before if kind == "other" or brackets else i + 1
            elif t.text == ";" and not brackets:
                start = i + 1
            elif t.text == ":" and code and not brackets and self.text_of(start) in (
                    "case", "default", "public", "private", "protected"):
                start = i + 1

    def _brace_kind(self, i, start, stack):
        prev = self.text_of(i - 1)
        head = [t.text for t in self.tokens[start:i]]
        enclosing = stack[-1][0] if stack else "other"
        if TYPE_BODIES.intersection(head) and prev not in (")", "]"):
            return "type"
        if prev in (")", "]"):
            return "code"
        if prev in CODE_BEFORE_BRACE and (prev in ("else", "do", "try") or ")" in head):
            return "code"
        if prev in (";", "{", "}", ":") and enclosing == "code":
            return "code"
        if prev == "}" and enclosing != "code" and "(" in head:
            return "code"  # a constructor whose last member is initialised with braces
        if "->" in head and ")" in head and head.index("->") > head.index(")"):
            return "code"  # a trailing return type
        return "other"

    # --- the operators -----------------------------------------------------------------

    def find(self):
        for i, t in enumerate(self.tokens):
            if t.kind == "punct" and self.spaced(t):
                self._operator(i, t)
            elif t.kind == "number":
                self._integer(i, t)
            elif t.kind == "ident":
                if t.text in ("true", "false"):
                    self.add(t.start, t.end, "false" if t.text == "true" else "true", "boolean")
                elif self.text_of(i - 1) == "::" and self.text_of(i - 2) == "QPalette" and \
                        t.text in ROLES:
                    self.add(t.start, t.end, ROLES[t.text], "colour",
                             ("QPalette::" + t.text, "QPalette::" + ROLES[t.text]))
                elif self.text_of(i - 1) == "::" and self.text_of(i - 2) == "Qt" and \
                        t.text in COLOURS:
                    self.add(t.start, t.end, COLOURS[t.text], "colour",
                             ("Qt::" + t.text, "Qt::" + COLOURS[t.text]))
                elif t.text in ("if", "while") and self.in_code[i]:
                    self._condition(i)
                elif self.text_of(i + 1) == "(" and self.tokens[i + 1].start == t.end:
                    self._colour_components(i)
                    if self.in_code[i]:
                        self._arguments(i)
            if self.statement_start[i]:
                self._statement(i)
        return self.found

    def _operator(self, i, t):
        if t.text in SWAPPED:
            self.add(t.start, t.end, SWAPPED[t.text], "comparison")
        elif t.text in ARITHMETIC:
            # Texts joined by + have no -.
            kinds = {self.tokens[k].kind for k in (i - 1, i + 1) if 0 <= k < len(self.tokens)}
            if "string" not in kinds:
                self.add(t.start, t.end, ARITHMETIC[t.text], "arithmetic")

    def _integer(self, i, t):
        m = INTEGER.match(t.text)
        if not m:
            return
        digits, suffix = m.group(1).replace("'", ""), m.group(2)
        # "= 0;" after a function's declarator: pure virtual, not a number.
        if t.text == "0" and self.text_of(i - 1) == "=" and self.text_of(i + 1) == ";" and \
                self.text_of(i - 2) in (")", "const", "override", "noexcept"):
            return
        value = int(digits, 0) if not digits.startswith(("0b", "0B")) else int(digits[2:], 2)
        for moved in (value + 1, value - 1):
            if moved < 0:
                continue
            if digits[:2] in ("0x", "0X"):
                hex_digits = format(moved, "x")
                if any(c.isupper() for c in digits[2:]):
                    hex_digits = hex_digits.upper()
                text = digits[:2] + hex_digits
            elif digits[:2] in ("0b", "0B"):
                text = digits[:2] + format(moved, "b")
            else:
                text = str(moved)
            self.add(t.start, t.end, text + suffix, "constant")

    def _condition(self, i):
        opening = i + 1
        if self.text_of(opening) != "(" or opening not in self.match:
            return  # if constexpr, or not understood
        closing = self.match[opening]
        inner = self.tokens[opening + 1:closing]
        depth = 0
        for t in inner:
            depth += t.text in ("(", "[", "{") and 1 or t.text in (")", "]", "}") and -1 or 0
            if depth == 0 and t.text in (";", "="):
                return  # a declaration in the condition cannot be negated as it stands
        if not inner:
            return
        start, end = inner[0].start, inner[-1].end
        condition = self.text[start:end]
        word = self.tokens[i].text
        self.add(start, end, "!(" + condition + ")", "negation",
                 (f"{word} ({condition})", f"{word} (!({condition}))"))

    def _statement(self, i):
        toks = self.tokens
        first = toks[i]
        # It begins its line, and its ";" ends the same line.
        line_begin = self.line_starts[first.line - 1]
        if self.text[line_begin:first.start].strip():
            return
        j, depth = i, 0
        while j < len(toks) and toks[j].line == first.line:
            depth += toks[j].text in ("(", "[", "{") and 1 or toks[j].text in (")", "]", "}") \
                and -1 or 0
            if depth < 0 or (depth == 0 and toks[j].text == ";"):
                break
            j += 1
        if j >= len(toks) or toks[j].text != ";" or toks[j].line != first.line:
            return
        if j + 1 < len(toks) and toks[j + 1].line == first.line:
            return  # more follows on the line
        words = toks[i:j]
        if not words or words[0].text in NOT_PLAIN:
            return
        kind = self._plain(words)
        if kind:
            start, end = first.start, toks[j].end
            self.add(start, end, "{}", "removal", (self.text[start:end], "{}"))

    def _plain(self, words):
        """"call" or "assignment" for a statement that is one, else None."""
        texts = [w.text for w in words]
        k = 0
        if texts[0] in ("++", "--", "*"):
            k = 1
        if k >= len(texts) or words[k].kind != "ident" and texts[k] != "::":
            return None
        # A postfix expression: names joined by :: . ->, indexes, calls, template arguments
        # right before a call.
        last_call = False
        while k < len(texts):
            w = texts[k]
            if words[k].kind == "ident" or w in ("::", ".", "->"):
                last_call = False
                k += 1
            elif w in ("(", "["):
                depth, m = 0, k
                while m < len(texts):
                    depth += texts[m] in ("(", "[", "{") and 1 or texts[m] in (")", "]", "}") \
                        and -1 or 0
                    if depth == 0:
                        break
                    m += 1
                if m >= len(texts):
                    return None
                last_call = w == "("
                k = m + 1
            elif w == "<" and k and words[k - 1].kind == "ident" and \
                    words[k].start == words[k - 1].end:
                m = k
                while m < len(texts) and texts[m] not in (">", ">>", ";"):
                    m += 1
                if m + 1 >= len(texts) or texts[m] != ">" or texts[m + 1] != "(":
                    return None
                k = m + 1
            else:
                break
        rest = texts[k:]
        callee = next((w.text for w in reversed(words[:k]) if w.kind == "ident"), "")
        if not rest and last_call and not re.fullmatch(r"[A-Z_0-9]+", callee):
            # Two names in a row (a type and a variable) make a declaration, not a call.
            for a, b in zip(words, words[1:]):
                if a.kind == "ident" and b.kind == "ident":
                    return None
                if b.text == "(":
                    break
            return "call"
        if texts[0] in ("++", "--") and not rest:
            return "assignment"
        if rest in (["++"], ["--"]) or (rest and rest[0] in ASSIGNMENTS):
            head = words[:k]
            if any(a.kind == "ident" and b.kind == "ident" for a, b in zip(head, head[1:])):
                return None
            return "assignment"
        return None

    def _call_arguments(self, opening):
        """The (first, last) token indices of each argument of the call opened at opening."""
        closing = self.match.get(opening)
        if closing is None or closing == opening + 1:
            return []
        arguments, begin, depth = [], opening + 1, []
        for k in range(opening + 1, closing):
            t = self.tokens[k]
            if t.text in ("(", "[", "{"):
                depth.append(t.text)
            elif t.text in (")", "]", "}") and depth:
                depth.pop()
            elif t.text == "<" and self.tokens[k - 1].kind == "ident" and \
                    self.tokens[k - 1].end == t.start:
                depth.append("<")
            elif t.text in (">", ">>") and depth and depth[-1] == "<":
                depth.pop()
                if t.text == ">>" and depth and depth[-1] == "<":
                    depth.pop()
            elif t.text == "," and not depth:
                arguments.append((begin, k - 1))
                begin = k + 1
        arguments.append((begin, closing - 1))
        return [a for a in arguments if a[0] <= a[1]]

    def _arguments(self, i):
        name, prev = self.tokens[i].text, self.tokens[i - 1] if i else None
        if name in NOT_CALLS or name in TYPE_BODIES or re.fullmatch(r"[A-Z_0-9]+", name):
            return
        # "Type name(...)" declares; "x.f(", "return f(", "= f(", "(f(" call.
        if prev is not None and (prev.kind == "ident" and prev.text not in (
                "return", "throw", "new", "else", "case", "co_return") or
                prev.text in (">", "*", "&") and not self.spaced(prev)):
            return
        arguments = self._call_arguments(i + 1)
        for (a0, a1), (b0, b1) in zip(arguments, arguments[1:]):
            first, second = self.tokens[a0], self.tokens[b1]
            if first.line != second.line:
                continue
            a = self.text[first.start:self.tokens[a1].end]
            b = self.text[self.tokens[b0].start:second.end]
            if a == b:
                continue
            between = self.text[self.tokens[a1].end:self.tokens[b0].start]
            self.add(first.start, second.end, b + between + a, "arguments")

    def _colour_components(self, i):
        name = self.tokens[i].text
        maker = name in COLOUR_MAKERS or (self.text_of(i - 1) == "QColor" and
                                          self.tokens[i - 1].kind == "ident")
        if not maker:
            return
        for a0, a1 in self._call_arguments(i + 1):
            t = self.tokens[a0]
            if a0 == a1 and t.kind == "number" and INTEGER.match(t.text):
                value = int(t.text.replace("'", "").rstrip("uUlL"), 0)
                if 0 <= value <= 255:
                    self.add(t.start, t.end, "0" if value >= 128 else "255", "colour",
                             (f"{name}(... {t.text} ...)",
                              f"{name}(... {'0' if value >= 128 else '255'} ...)"))


# --- Building and testing ------------------------------------------------------------------


class Lock:
    """The machine's build lock, held while a build or a test run goes on."""

    def __enter__(self):
        self.file = open(LOCK, "a")
        fcntl.flock(self.file, fcntl.LOCK_EX)
        return self

    def __exit__(self, *exc):
        fcntl.flock(self.file, fcntl.LOCK_UN)
        self.file.close()


def run(command, log=None, timeout=None, **kwargs):
    """Runs a command in a process group of its own, its output to log (a path) or captured;
    returns (exit status or None when it timed out, output text, seconds)."""
    began = time.monotonic()
    out = open(log, "w") if log else subprocess.PIPE
    process = subprocess.Popen(command, stdout=out, stderr=subprocess.STDOUT, text=True,
                               start_new_session=True, **kwargs)
    try:
        output, _ = process.communicate(timeout=timeout)
        status = process.returncode
    except subprocess.TimeoutExpired:
        stop(process)
        output, status = "", None
    except BaseException:
        stop(process)
        raise
    finally:
        if log:
            out.close()
    if log:
        with open(log, errors="replace") as f:
            output = f.read()
    return status, output or "", time.monotonic() - began


def stop(process):
    """Ends a command and whatever it started in its process group (servers of a test too)."""
    for sig in (signal.SIGTERM, signal.SIGKILL):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            return
        try:
            process.wait(timeout=5)
            return
        except subprocess.TimeoutExpired:
            continue


def last_lines(text, n=25):
    return "\n".join(text.rstrip().splitlines()[-n:])


class Tree:
    """The exported HEAD and its build in the scratch folder."""

    def __init__(self, scratch):
        self.scratch = scratch
        self.source = os.path.join(scratch, "tree")
        self.build = os.path.join(scratch, "build")
        self.log = os.path.join(scratch, "last.log")

    def export(self):
        os.makedirs(self.source)
        archive = subprocess.Popen(["git", "-C", ROOT, "archive", "HEAD"], stdout=subprocess.PIPE)
        untar = subprocess.run(["tar", "-x", "-C", self.source], stdin=archive.stdout)
        archive.stdout.close()
        if archive.wait() != 0 or untar.returncode != 0:
            raise Failure(f"exporting HEAD with git archive into {self.source} failed (see "
                          "above); check that the repository has a commit and the disk room")

    def configure(self):
        # The usual optimised build without its debug information, linked by lld (or gold):
        # a mutant in a .cpp then rebuilds in 3 s instead of 12, nearly all of which went on
        # linking the tests; -O0 would save little more, as most of a compile is reading Qt.
        linker = "lld" if shutil.which("ld.lld") else "gold"
        with Lock():
            status, output, _ = run(["cmake", "-S", self.source, "-B", self.build, "-G", "Ninja",
                                     "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                                     "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -DNDEBUG",
                                     f"-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld={linker}"], self.log)
        if status != 0:
            raise Failure(f"configuring the scratch build failed:\n{last_lines(output)}\n"
                          f"(all of it: {self.log}); mend the cause, then run {SCRIPT} again")

    def make(self, timeout=None):
        """Builds everything; returns (built, output, seconds). The caller holds the lock."""
        status, output, seconds = run(["ninja", "-C", self.build], self.log, timeout)
        return status == 0, output, seconds

    def objects(self, since=0):
        """The object files the build wrote at or after since (ns), each with its digest."""
        found = {}
        for folder, _, names in os.walk(self.build):
            for name in names:
                path = os.path.join(folder, name)
                if name.endswith(".o") and os.stat(path).st_mtime_ns >= since:
                    with open(path, "rb") as f:
                        found[path] = hashlib.sha256(f.read()).digest()
        return found

    def tests(self):
        status, output, _ = run(["ctest", "--test-dir", self.build, "-N"])
        if status != 0:
            raise Failure(f"ctest could not list the tests:\n{last_lines(output)}")
        return re.findall(r"^\s*Test\s+#\d+: (\S+)$", output, re.M)

    def test(self, name, timeout):
        """Runs one test; returns (status or None when it ran out of time, output, seconds)."""
        command = ["ctest", "--test-dir", self.build, "-R", f"^{re.escape(name)}$",
                   "--output-on-failure"]
        return run(command, self.log, timeout)

    def active_lines(self):
        """The lines of each file under src/ that the compiler sees, from the preprocessed
        sources: what an #if leaves out is not there."""
        with open(os.path.join(self.build, "compile_commands.json")) as f:
            entries = json.load(f)
        src = os.path.join(self.source, "src") + os.sep
        entries = [e for e in entries if os.path.realpath(e["file"]).startswith(src)]
        active = {}

        def preprocess(entry):
            words = shlex.split(entry["command"]) if "command" in entry else entry["arguments"]
            kept, skip = [], False
            for w in words:
                if skip:
                    skip = False
                elif w in ("-o", "-MF", "-MT", "-MQ"):
                    skip = True
                elif w not in ("-c", "-MD", "-MMD"):
                    kept.append(w)
            status, output, _ = run(kept + ["-E"], cwd=entry["directory"])
            if status != 0:
                raise Failure(f"preprocessing {entry['file']} failed:\n{last_lines(output)}")
            return output

        with concurrent.futures.ThreadPoolExecutor(os.cpu_count() or 2) as pool:
            for output in pool.map(preprocess, entries):
                path, number = None, 0
                for line in output.splitlines():
                    m = re.match(r'^# (\d+) "(.*)"', line)
                    if m:
                        number, path = int(m.group(1)), os.path.realpath(m.group(2))
                        continue
                    if path and path.startswith(src) and line.strip():
                        active.setdefault(os.path.relpath(path, self.source), set()).add(number)
                    number += 1
        return active


def find_sites(tree, active):
    sites = []
    for path in sorted(active):
        if not path.endswith((".cpp", ".h")):
            continue
        with open(os.path.join(tree.source, path), encoding="utf-8",
                  errors="surrogateescape") as f:
            text = f.read()
        sites += Sites(path, text, active[path]).find()
    return sorted(set(sites), key=lambda s: (s.path, s.start, s.end, s.replacement))


class Mutant:
    def __init__(self, tree, site):
        self.tree, self.site = tree, site
        self.path = os.path.join(tree.source, site.path)

    def __enter__(self):
        with open(self.path, "rb") as f:
            self.original = f.read()
        text = self.original.decode("utf-8", "surrogateescape")
        s = self.site
        if text[s.start:s.end] != s.original:
            raise Failure(f"{s.path} changed under the run; run {SCRIPT} again")
        self.write((text[:s.start] + s.replacement + text[s.end:]).encode(
            "utf-8", "surrogateescape"))
        return self

    def __exit__(self, *exc):
        # The original bytes, as a change newer than everything the mutant's build made, so
        # that the next build compiles them again.
        self.write(self.original)

    def write(self, data):
        before = os.stat(self.path).st_mtime_ns
        with open(self.path, "wb") as f:
            f.write(data)
        now = max(time.time_ns(), before + 1_000_000)
        os.utime(self.path, ns=(now, now))


def context(tree, site, around=3):
    with open(os.path.join(tree.source, site.path), encoding="utf-8",
              errors="surrogateescape") as f:
        lines = f.read().splitlines()
    first = max(1, site.line - around)
    last_line = site.line + site.original.count("\n")
    out = []
    for n in range(first, min(len(lines), last_line + around) + 1):
        mark = "-" if site.line <= n <= last_line else " "
        out.append(f"  {mark}{n:5} {lines[n - 1]}")
        if n == last_line:
            text = "\n".join(lines[site.line - 1:last_line])
            offset = site.column - 1
            changed = text[:offset] + site.replacement + text[offset + len(site.original):]
            for k, new in enumerate(changed.splitlines()):
                out.append(f"  +{site.line + k:5} {new}")
    return "\n".join(out)


def minutes(seconds):
    seconds = round(seconds)
    return f"{seconds // 60} min {seconds % 60} s" if seconds >= 60 else f"{seconds} s"


def main():
    parser = argparse.ArgumentParser(prog=SCRIPT, description=__doc__.split("\n\n")[0])
    parser.add_argument("--seed", type=int, help="picks the mutants (default: from the clock)")
    parser.add_argument("--count", type=int, default=100, help="how many mutants (100)")
    parser.add_argument("--at", action="append", metavar="FILE:LINE",
                        help="instead, every mutant on this line (src/form/twips.h:58); again "
                        "for more lines: to look again at the survivors of a run")
    parser.add_argument("--keep", action="store_true",
                        help="keep the scratch tree and build afterwards")
    args = parser.parse_args()
    if args.count < 1:
        raise Failure("--count must be at least 1")
    seed = args.seed if args.seed is not None else time.time_ns() % 1_000_000_000
    say(f"seed {seed}")
    began = time.monotonic()

    scratch = os.path.join(os.environ.get("TMPDIR") or "/tmp", f"zf-mutate-{seed}")
    if os.path.exists(scratch):
        if not os.path.exists(os.path.join(scratch, MARKER)):
            raise Failure(f"{scratch} exists and was not made by {SCRIPT}; move it away or "
                          "pick another --seed")
        shutil.rmtree(scratch)
    os.makedirs(scratch)
    open(os.path.join(scratch, MARKER), "w").close()
    tree = Tree(scratch)
    report_path = os.path.join(scratch, "report.txt")

    head = subprocess.run(["git", "-C", ROOT, "rev-parse", "--short", "HEAD"],
                          capture_output=True, text=True).stdout.strip()
    dirty = subprocess.run(["git", "-C", ROOT, "status", "--porcelain", "--", "src"],
                           capture_output=True, text=True).stdout.strip()
    say(f"Mutating the committed HEAD {head} in {scratch}" +
        (" (changes not committed under src/ are left out)" if dirty else ""))
    tree.export()
    say("Configuring and building it once (a few minutes)...")
    tree.configure()
    with Lock():
        built, output, seconds = tree.make()
    if not built:
        raise Failure(f"the unmutated HEAD does not build:\n{last_lines(output)}\n"
                      f"(all of it: {tree.log}); mend that first")
    # What each object file holds unmutated: a mutant whose rebuilt objects are all the same
    # bytes compiles to the very same program, and no test can tell it apart.
    unmutated = tree.objects()
    say(f"Built in {minutes(seconds)}. Running the unmutated suite...")

    durations = {}
    for name in tree.tests():
        with Lock():
            status, output, seconds = tree.test(name, timeout=900)
        if status != 0:
            raise Failure(f"the unmutated suite fails: {name} "
                          f"{'ran out of time' if status is None else 'failed'}:\n"
                          f"{last_lines(output)}\nMend {name} (or what it tests) first: a "
                          "mutation run needs a suite that passes")
        durations[name] = seconds
    if not durations:
        raise Failure("ctest lists no tests in the scratch build")
    # Quick tests first, the slowest two last; each may take three times its usual time.
    order = sorted(durations, key=lambda n: (n in LAST, durations[n]))
    limits = {n: max(3 * durations[n], durations[n] + 20) for n in order}
    say(f"The suite passes in {minutes(sum(durations.values()))}; tests in this order: "
        + ", ".join(f"{n} {durations[n]:.1f} s" for n in order))

    active = tree.active_lines()
    sites = find_sites(tree, active)
    if not sites:
        raise Failure("no site to mutate was found under src/")
    kinds = {}
    for s in sites:
        kinds[s.operator] = kinds.get(s.operator, 0) + 1
    say(f"{len(sites)} sites in {len({s.path for s in sites})} files (" +
        ", ".join(f"{k} {v}" for k, v in sorted(kinds.items())) + ")")
    if args.at:
        chosen = [s for s in sites if f"{s.path}:{s.line}" in args.at]
        if not chosen:
            raise Failure("no site of the catalogue is on " + ", ".join(args.at) +
                          " (a path from the project's root, as the report gives it)")
    else:
        chosen = random.Random(seed).sample(sites, min(args.count, len(sites)))
    # In file order: a file's mutants one after another rebuild the least.
    chosen.sort(key=lambda s: (s.path, s.start))

    results = []
    build_time = test_time = 0.0
    total = len(chosen)
    for i, site in enumerate(chosen, 1):
        # One hold of the lock for the mutant's build and tests: other builds go in between.
        with Mutant(tree, site), Lock():
            since = time.time_ns()
            built, output, seconds = tree.make(timeout=1200)
            build_time += seconds
            verdict, killer, note = "NOT BUILT", None, ""
            rebuilt = tree.objects(since) if built else {}
            if built and all(unmutated.get(p) == d for p, d in rebuilt.items()):
                verdict = "SAME CODE"
            elif built:
                verdict = "SURVIVED"
                for name in order:
                    status, _, seconds = tree.test(name, limits[name])
                    test_time += seconds
                    if status != 0:
                        verdict, killer = "KILLED", name
                        if status is None:
                            note = f" (out of time after {limits[name]:.0f} s)"
                        break
            else:
                note = last_lines(output, 6)
        shown = "KILLED by " + killer + note if killer else verdict
        say(f"[{i}/{total}] {shown}  {site.path}:{site.line}  "
            f"'{site.shown_original}' -> '{site.shown_replacement}'")
        results.append((site, verdict, killer, note))

    killed = sum(1 for r in results if r[1] == "KILLED")
    same = sum(1 for r in results if r[1] == "SAME CODE")
    built_count = sum(1 for r in results if r[1] != "NOT BUILT") - same
    percent = 100.0 * killed / built_count if built_count else 0.0
    elapsed = time.monotonic() - began
    per = (build_time + test_time) / total
    summary = (f"{total} mutants in {minutes(build_time + test_time)}: {per:.0f} s each on "
               f"average ({build_time / total:.0f} s building, {test_time / total:.0f} s "
               f"testing); the whole run took {minutes(elapsed)}")

    with open(report_path, "w") as f:
        f.write(f"Mutation run, seed {seed}, HEAD {head}, {time.strftime('%Y-%m-%d %H:%M')}\n")
        f.write(f"{len(sites)} sites, {total} mutants; {summary}\n")
        f.write("Tests in the order run: " + ", ".join(order) + "\n\n")
        survivors = [r for r in results if r[1] == "SURVIVED"]
        f.write(f"Survivors ({len(survivors)}): no test failed with these changes.\n\n")
        for site, _, _, _ in survivors:
            f.write(f"{site.path}:{site.line}:{site.column}  {site.operator}  "
                    f"'{site.shown_original}' -> '{site.shown_replacement}'\n")
            f.write(context(tree, site) + "\n\n")
        f.write("All mutants:\n")
        for site, verdict, killer, note in results:
            f.write(f"  {('KILLED by ' + killer + note) if killer else verdict:34} "
                    f"{site.path}:{site.line}:{site.column}  {site.operator}  "
                    f"'{site.shown_original}' -> '{site.shown_replacement}'\n")
            if verdict == "NOT BUILT":
                f.write("      " + note.replace("\n", "\n      ") + "\n")
    if not args.keep:
        for folder in (tree.source, tree.build):
            shutil.rmtree(folder, ignore_errors=True)
    say(summary)
    say(f"Report: {report_path}")
    say(f"killed {killed} of {built_count} built ({percent:.1f} %), seed {seed}" +
        (f"; {same} more compiled to the unmutated machine code and are not counted"
         if same else ""))


if __name__ == "__main__":
    try:
        main()
    except Failure as failure:
        sys.exit(f"{SCRIPT}: {failure}")
    except KeyboardInterrupt:
        sys.exit(f"{SCRIPT}: interrupted; the working tree was not touched")
    except Exception:  # a fault of this tool: show where, and say so
        import traceback
        traceback.print_exc()
        sys.exit(f"{SCRIPT}: stopped on an unexpected error in tools/mutate/mutate.py (the "
                 "trace above says where); mend it there, then run it again")
