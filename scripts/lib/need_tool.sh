# need_tool TOOL PACKAGE: ends the calling script with a line naming TOOL and
# the Debian package that brings it when TOOL is not on the PATH.
need_tool() {
  command -v "$1" >/dev/null 2>&1 ||
    { echo "scripts/$(basename "$0"): needs $1, which is not installed (Debian package $2; scripts/setup installs it)" >&2; exit 1; }
}
