#!/usr/bin/env python3
"""Reads an strace log of one run of the game and fails on any write.

Usage: no_writes_check.py TRACE DISPLAY BUS_ADDRESS RUNTIME_DIR PROBLEMS

Allowed, and nothing else (what the Qt platform does at start on X11):
  - opening files read-only (libraries, fonts, fontconfig and locale data,
    the X authority file, /proc and /sys);
  - one mkdir of XDG_RUNTIME_DIR that fails with EEXIST: Qt makes sure the
    runtime folder exists, and it does, so nothing is created;
  - Unix-domain sockets, connected only to
      the X server's socket of DISPLAY  (@/tmp/.X11-unix/XN or /tmp/.X11-unix/XN),
      the D-Bus session bus of BUS_ADDRESS,
      the accessibility bus that the session bus names (under XDG_RUNTIME_DIR
        or /tmp, path ending in at-spi/bus or at-spi/bus_N),
      glibc's name-service cache (/var/run/nscd/socket), which it asks for
        the user's name and which is absent on most systems.
Any open for writing, creating, truncating or appending; any creation,
removal, renaming, linking, truncation or change of permissions, owner or
times of a file; any socket that is not Unix-domain; any bind or listen; and
any connect elsewhere fails the check.
"""
import re
import sys

WRITE_FLAGS = re.compile(r"\bO_(WRONLY|RDWR|CREAT|TRUNC|APPEND|TMPFILE)\b")
CALL = re.compile(r"^(\d+)\s+(\w+)\((.*)$")
FORBIDDEN_CALLS = {
    "creat", "mkdir", "mkdirat", "mknod", "mknodat", "rename", "renameat", "renameat2",
    "unlink", "unlinkat", "rmdir", "link", "linkat", "symlink", "symlinkat", "truncate",
    "ftruncate", "chmod", "fchmod", "fchmodat", "chown", "fchown", "fchownat", "lchown",
    "utime", "utimes", "utimensat", "bind", "listen",
}


def bus_paths(address):
    paths = set()
    for part in address.split(";"):
        for kv in part.split(":", 1)[-1].split(","):
            key, _, value = kv.partition("=")
            if key == "path":
                paths.add(value)
            elif key == "abstract":
                paths.add("@" + value)
    return paths


def main():
    trace, display, bus, runtime, problems = sys.argv[1:6]
    runtime_check = f'mkdir("{runtime}", 0700) = -1 EEXIST' 
    allowed_sockets = {
        "@/tmp/.X11-unix/X" + display,
        "/tmp/.X11-unix/X" + display,
        "/var/run/nscd/socket",
    } | bus_paths(bus)
    at_spi = re.compile(r"^@?(/tmp|/run/user/\d+|.*/runtime)/.*at-spi/bus(_\d+)?$")

    violations = []
    counts = {"read-only opens": 0, "unix sockets": 0, "connects": {}}
    with open(trace, encoding="utf-8", errors="replace") as f:
        for line in f:
            m = CALL.match(line)
            if not m or "resumed>" in line:
                continue
            pid, name, args = m.groups()
            if name == "mkdir" and line.split(None, 1)[1].startswith(runtime_check.strip()):
                counts["runtime folder checks"] = counts.get("runtime folder checks", 0) + 1
            elif name in FORBIDDEN_CALLS:
                violations.append(line.rstrip())
            elif name in ("open", "openat", "openat2"):
                flags = args.split('", ', 1)[1] if '", ' in args else args
                if WRITE_FLAGS.search(flags):
                    violations.append(line.rstrip())
                else:
                    counts["read-only opens"] += 1
            elif name == "socket":
                if not args.startswith("AF_UNIX"):
                    violations.append(line.rstrip())
                else:
                    counts["unix sockets"] += 1
            elif name == "connect":
                sm = re.search(r'sun_path=(@?)"([^"]*)"', args)
                if "sa_family=AF_UNIX" not in args or not sm:
                    violations.append(line.rstrip())
                    continue
                path = sm.group(1) + sm.group(2)
                if path in allowed_sockets or at_spi.match(path):
                    counts["connects"][path] = counts["connects"].get(path, 0) + 1
                else:
                    violations.append(line.rstrip())

    print(f"no-writes: {problems} problems played; {counts['read-only opens']} read-only opens, "
          f"{counts['unix sockets']} Unix sockets, {counts.get('runtime folder checks', 0)} runtime-folder "
          f"checks, connects to: "
          + (", ".join(f"{p} ({n})" for p, n in sorted(counts["connects"].items())) or "nothing"))
    if violations:
        print("no-writes: FAILED, the game wrote or reached out:")
        for v in violations:
            print("  " + v)
        return 1
    print("no-writes: writes seen: none")
    return 0


if __name__ == "__main__":
    sys.exit(main())
