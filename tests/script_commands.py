# SPDX-FileCopyrightText: 2026 Torvane developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Every command that a script of scripts/ calls comes from a Debian
package that the scripts install (scripts/packages-run, packages-test, or
named where a script sources scripts/install), from one those depend on,
or from one that every Debian system has (Essential or of required
priority): a tool installed by hand would hide a missing step from a
fresh machine. Usage: script_commands.py SCRIPTS_DIR"""

import os
import re
import shutil
import subprocess
import sys

KEYWORDS = {"if", "then", "else", "elif", "fi", "for", "in", "do", "done", "while", "until", "case", "esac",
            "function", "select", "time", "!", "{", "}", "[[", "]]", "(", ")"}
BUILTINS = {"echo", "cd", "set", "source", ".", "export", "read", "printf", "test", "[", "trap", "shift",
            "mapfile", "command", "exec", "true", "false", "local", "declare", "unset", "wait", "eval", "type",
            "exit", "return", "break", "continue", "pushd", "popd", ":", "readonly", "let", "umask", "builtin"}


def commands(text):
    """The words a shell script runs as commands, as far as its text shows."""
    text = re.sub(r"<<-?\s*'?(\w+)'?\n.*?\n\s*\1\n", "\n", text, flags=re.S)  # here-documents
    text = re.sub(r"'[^']*'", "''", text)  # single-quoted text runs nothing
    text = re.sub(r"(^|\s)#.*", "", text, flags=re.M)
    text = re.sub(r"\w+=\([^)]*\)", "", text)  # arrays
    found = set()
    for piece in re.split(r"\|\||&&|[|;\n`]|\$\(|\bthen\b|\bdo\b|\belse\b", text):
        words = piece.replace("(", " ").replace(")", " ").split()
        if words[:1] in (["for"], ["case"]):
            continue
        while words and (words[0] in KEYWORDS or re.match(r"^\w+(\[.*\])?\+?=|^\"?\$\{\w+\[@\]\}\"?$", words[0])):
            words.pop(0)
        if words and words[0] in ("sudo", "xvfb-run", "faketime", "timeout", "env"):
            found.add(words[0])
            words = [w for w in words[1:] if not w.startswith("-")][1:] if words[0] == "faketime" else words[1:]
        if not words:
            continue
        word = words[0].strip('"')
        if word in BUILTINS or not re.match(r"^[a-z][\w.+-]*$", word):
            continue
        found.add(word)
    return found


def installed_by(scripts, texts):
    """The packages the scripts install, and every package they depend on."""
    names = set()
    for name in ("packages-run", "packages-test"):
        with open(os.path.join(scripts, name)) as lines:
            names |= {line.strip() for line in lines if line.strip() and not line.startswith("#")}
    for text in texts:
        for words in re.findall(r"scripts/install\"?((?: [\w.+-]+)+)", text):
            names |= set(words.split()) - {"run", "test"}
    depends = subprocess.run(["apt-cache", "depends", "--recurse", "--no-recommends", "--no-suggests",
                              "--no-conflicts", "--no-breaks", "--no-replaces", "--no-enhances", *sorted(names)],
                             capture_output=True, text=True).stdout
    return names | {line.strip() for line in depends.splitlines() if not line.startswith(" ")}


def owners(paths):
    """The package that holds each path, as dpkg knows it (/bin or /usr/bin)."""
    candidates = {path: {path, os.path.realpath(path), re.sub(r"^/usr/(s?bin)/", r"/\1/", path)} for path in paths}
    listing = subprocess.run(["dpkg-query", "-S", *sorted(set().union(*candidates.values()))],
                             capture_output=True, text=True).stdout
    held = {line.partition(": ")[2]: line.partition(":")[0].split(",")[0] for line in listing.splitlines()}
    return {path: next((held[c] for c in sorted(names) if c in held), None) for path, names in candidates.items()}


def provided(package, installed):
    fields = subprocess.run(["dpkg-query", "-W", "-f=${Essential} ${Priority}|${Provides}", package],
                            capture_output=True, text=True).stdout
    basic, _, provides = fields.partition("|")
    alternatives = {package} | {name.split()[0] for name in provides.split(",") if name.strip()}
    return basic.split()[:1] == ["yes"] or "required" in basic.split() or bool(alternatives & installed)


def main(scripts):
    texts = {}
    for name in sorted(os.listdir(scripts)):
        if not name.startswith("packages-"):
            with open(os.path.join(scripts, name), encoding="utf-8") as script:
                texts[name] = script.read()
    installed = installed_by(scripts, texts.values())
    functions = set(re.findall(r"^\s*(\w[\w-]*)\s*\(\)", "\n".join(texts.values()), flags=re.M))
    called = {(name, command): shutil.which(command) for name, text in texts.items()
              for command in sorted(commands(text) - functions)}
    held = owners({path for path in called.values() if path})
    wrong = []
    for (name, command), path in called.items():
        package = held.get(path)
        if not package or not provided(package, installed):
            wrong.append(f"{name}: {command} ({path or 'not found'}, package {package or 'none'})")
    if wrong:
        sys.exit("commands that no package the scripts install provides:\n  " + "\n  ".join(wrong))
    print(f"every command of {scripts} comes from a package the scripts install")


if __name__ == "__main__":
    main(sys.argv[1])
