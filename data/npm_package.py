"""Fetch one file of a package from the npm registry, for the data generators.

The generators under data/ read word lists that are published as npm
packages. This module fetches an exact version with `npm pack` (the
ordinary client, no install, no scripts run) into a scratch directory and
reads a file out of the tarball, so every generator gets the same bytes for
the same version.

    from npm_package import read_package_json
    words = read_package_json("@zxcvbn-ts/language-es-es", "4.1.2",
                              "src/commonWords.json")

or from the shell (prints the file to standard output):

    python3 data/npm_package.py @zxcvbn-ts/language-es-es 4.1.2 src/firstnames.json

A tarball already fetched can be given with --tarball (or the environment
variable VORLEN_NPM_CACHE naming a directory of tarballs), so generators run
offline once a copy is at hand.
"""

import argparse
import json
import os
import subprocess
import sys
import tarfile
import tempfile
from pathlib import Path


class PackageError(RuntimeError):
    pass


def tarball_name(name, version):
    """The file name `npm pack` gives: scope and name joined by a dash."""
    return name.lstrip("@").replace("/", "-") + "-" + version + ".tgz"


def fetch_tarball(name, version, directory):
    """Runs `npm pack name@version` in `directory`; returns the tarball path."""
    cache = os.environ.get("VORLEN_NPM_CACHE")
    if cache:
        cached = Path(cache) / tarball_name(name, version)
        if cached.is_file():
            return cached
    try:
        result = subprocess.run(
            ["npm", "pack", "--silent", f"{name}@{version}"],
            cwd=directory, capture_output=True, text=True, timeout=300)
    except FileNotFoundError as e:
        raise PackageError("npm is not installed (apt-get install npm)") from e
    except subprocess.TimeoutExpired as e:
        raise PackageError(f"npm pack {name}@{version} took too long") from e
    if result.returncode != 0:
        raise PackageError(f"npm pack {name}@{version} failed: {result.stderr.strip()}")
    tarball = Path(directory) / tarball_name(name, version)
    if not tarball.is_file():
        raise PackageError(f"npm pack {name}@{version} wrote no {tarball.name}")
    return tarball


def read_member(tarball, member):
    """The bytes of `member` (a path inside the package, e.g. src/x.json)."""
    with tarfile.open(tarball, "r:gz") as archive:
        try:
            info = archive.getmember("package/" + member)
        except KeyError as e:
            raise PackageError(f"{Path(tarball).name} has no {member}") from e
        if not info.isfile():
            raise PackageError(f"{member} in {Path(tarball).name} is not a file")
        return archive.extractfile(info).read()


def read_package_file(name, version, member, tarball=None):
    if tarball is not None:
        return read_member(tarball, member)
    with tempfile.TemporaryDirectory(prefix="vorlen-npm-") as scratch:
        return read_member(fetch_tarball(name, version, scratch), member)


def read_package_json(name, version, member, tarball=None):
    return json.loads(read_package_file(name, version, member, tarball).decode("utf-8"))


def read_package_files(name, version, members, tarball=None):
    """Several members with one fetch: a dict from member to bytes."""
    if tarball is not None:
        return {m: read_member(tarball, m) for m in members}
    with tempfile.TemporaryDirectory(prefix="vorlen-npm-") as scratch:
        fetched = fetch_tarball(name, version, scratch)
        return {m: read_member(fetched, m) for m in members}


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("name")
    parser.add_argument("version")
    parser.add_argument("member", help="path inside the package, e.g. src/commonWords.json")
    parser.add_argument("--tarball", help="a tarball already fetched with npm pack")
    args = parser.parse_args(argv)
    try:
        data = read_package_file(args.name, args.version, args.member, args.tarball)
    except PackageError as e:
        print(f"npm_package: {e}", file=sys.stderr)
        return 1
    sys.stdout.buffer.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
