#!/usr/bin/env python3
"""Makes a delay-load import library from a MinGW import library.

usage: delaylib.py NM DLLTOOL IMPORT_LIB OUTPUT_LIB

A program linked with the result loads the DLL on the first call into it, not at
start-up. The export list is read from the import library's own symbols.
"""
import os
import subprocess
import sys
import tempfile


def main():
    nm, dlltool, implib, output = sys.argv[1:5]
    dll = subprocess.run([dlltool, "--identify", implib], check=True, capture_output=True,
                         text=True).stdout.split()[0]
    symbols = subprocess.run([nm, "--defined-only", implib], check=True, capture_output=True,
                             text=True).stdout.splitlines()
    exports = sorted({line.split()[2] for line in symbols
                      if len(line.split()) == 3 and line.split()[1] == "T"})
    if not exports:
        sys.exit(f"no exports found in {implib}")
    with tempfile.NamedTemporaryFile("w", suffix=".def", delete=False) as definition:
        definition.write(f"LIBRARY {dll}\nEXPORTS\n")
        definition.writelines(f"  {name}\n" for name in exports)
    try:
        subprocess.run([dlltool, "--def", definition.name, "--dllname", dll, "--output-delaylib", output],
                       check=True)
    finally:
        os.unlink(definition.name)


if __name__ == "__main__":
    main()
