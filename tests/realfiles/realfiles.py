"""What the real-file comparisons share: finding the openmsx MIDI files and
running a comparison over each, exiting 77 when there is nothing to compare."""
import subprocess
import sys


def openmsx_files():
    try:
        listing = subprocess.run(["dpkg", "-L", "openttd-openmsx"], capture_output=True, text=True, check=True)
    except (OSError, subprocess.CalledProcessError):
        return []
    return sorted(line for line in listing.stdout.splitlines() if line.endswith(".mid"))


def run_comparisons(compare, usage):
    """compare(cli, path) -> (problems, summary); returns the exit status."""
    if len(sys.argv) < 2:
        print(usage)
        return 2
    cli, files = sys.argv[1], sys.argv[2:] or openmsx_files()
    if not files:
        print("no MIDI files to compare (is openttd-openmsx installed?)")
        return 77
    failed = 0
    for path in files:
        problems, summary = compare(cli, path)
        print(("DIFF " if problems else "same ") + path + ": " + ("; ".join(problems) or summary))
        failed += bool(problems)
    print(f"{len(files) - failed} of {len(files)} files agree")
    return 1 if failed else 0
