#!/usr/bin/env bash
# The set-up's decisions against a stand-in apt-get: a package index that fails to
# update, a 32-bit Wine that apt cannot resolve, a machine where nothing installs.
# Nothing is downloaded: apt-get, dpkg, dpkg-query, locale and sudo are small scripts
# on PATH that keep their "installed" packages in a folder.
set -uo pipefail
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0

fail() {
  echo "FAILED: $*"
  failures=$((failures + 1))
}

# The stand-ins. FAKE_APT says what goes wrong: update (the index update fails),
# wine32 (wine32:i386 cannot be resolved, not even from one suite), wine32-suite (it
# resolves only with -t), nothing (no package installs).
make_standins() {
  local bin="$1/bin"
  mkdir -p "$bin" "$1/installed"
  cat >"$bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_STATE/calls"
case "$1" in
  update)
    if [ "$FAKE_APT" = update ] || [ "$FAKE_APT" = nothing ]; then
      echo "Err:6 http://deb.debian.org/debian-security bookworm-security/main i386 Packages"
      echo "  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]"
      echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]"
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
      exit 100
    fi
    exit 0 ;;
  install)
    shift
    simulate=0 suite=""
    pkgs=()
    while [ $# -gt 0 ]; do
      case "$1" in
        -s) simulate=1 ;;
        -t) suite="$2"; shift ;;
        -*) ;;
        *) pkgs+=("$1") ;;
      esac
      shift
    done
    for p in "${pkgs[@]}"; do
      if [ "$FAKE_APT" = nothing ]; then
        echo "Reading package lists..."
        echo "E: Package '$p' has no installation candidate"
        exit 100
      fi
      if [ "$p" = wine32:i386 ] && { [ "$FAKE_APT" = wine32 ] || { [ "$FAKE_APT" = wine32-suite ] && [ -z "$suite" ]; }; }; then
        echo " libfreetype6:i386 : Depends: zlib1g:i386 (>= 1:1.1.4) but it is not going to be installed"
        echo "E: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages."
        exit 100
      fi
    done
    [ "$simulate" = 1 ] && exit 0
    for p in "${pkgs[@]}"; do touch "$FAKE_STATE/installed/$p"; done
    exit 0 ;;
esac
exit 0
EOF
  cat >"$bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
p="${!#}"
[ -e "$FAKE_STATE/installed/$p" ] || exit 1
printf 'install ok installed'
EOF
  cat >"$bin/dpkg" <<'EOF'
#!/usr/bin/env bash
case "$1" in
  --print-foreign-architectures) cat "$FAKE_STATE/architectures" 2>/dev/null ;;
  --add-architecture) echo "$2" >>"$FAKE_STATE/architectures" ;;
esac
EOF
  printf '#!/bin/sh\nprintf "C\\nja_JP.utf8\\nen_US.utf8\\n"\n' >"$bin/locale"
  printf '#!/bin/sh\nexec "$@"\n' >"$bin/sudo"
  chmod +x "$bin"/*
}

# A checkout of just the scripts, and a machine with the base tools already there.
new_machine() {
  local root="$WORK/$1"
  mkdir -p "$root/scripts"
  cp "$SOURCE/scripts/setup" "$SOURCE/scripts/wine-env" "$SOURCE/scripts/test" "$root/scripts/"
  make_standins "$root/machine"
  local p
  for p in cmake g++ make libgtest-dev googletest locales libbenchmark-dev libx11-dev; do
    touch "$root/machine/installed/$p"
  done
  echo "$root"
}

# Runs a script of the checkout on the stand-in machine; prints its output.
on_machine() {
  local root="$1" scenario="$2"
  shift 2
  # scripts/test runs this with its own choice of build exported: the stand-in machine
  # starts without one.
  env -u HUEBROOK_WINDOWS_ARCH -u HUEBROOK_WINDOWS_ARCH_REASON -u HUEBROOK_WINDOWS_PRESET \
    PATH="$root/machine/bin:$PATH" FAKE_STATE="$root/machine" FAKE_APT="$scenario" \
    HUEBROOK_SETUP_PAUSE=0 HUEBROOK_SETUP_TRIES=2 HUEBROOK_MACHINE_RUNS_32BIT=1 "$@"
}

# The line wine-env gives for the build the Windows tests run on.
arch_line() {
  local root="$1" scenario="$2"
  on_machine "$root" "$scenario" bash -c 'cd "$1" && HUEBROOK_ROOT="$1" && . scripts/wine-env && huebrook_windows_arch_line' _ "$root"
}

expect_line() {  # what, output, wanted line (a fixed string)
  grep -qF -- "$3" <<<"$2" || fail "$1: no line with \"$3\" in:
$2"
}

# 1. The index update fails, but every package still resolves: told, and installed.
root=$(new_machine update)
out=$(on_machine "$root" update bash "$root/scripts/setup" 2>&1)
rc=$?
echo "--- update fails, packages resolve (exit $rc)"; echo "$out"
[ "$rc" -eq 0 ] || fail "a failed index update stopped the set-up"
expect_line "update" "$out" "setup: the package index update failed 2 times: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 203.0.113.80 80]; going on with the package lists apt has"
[ "$(grep -c '^apt-get update' "$root/machine/calls")" -eq 2 ] || fail "the index update was not tried again"
[ -e "$root/machine/installed/wine32:i386" ] || fail "the 32-bit Wine was not installed"
expect_line "update" "$(arch_line "$root" update)" "windows tests ran on the 32-bit build (preset win32): this machine runs 32-bit x86 code"
: >"$root/machine/calls"
out=$(on_machine "$root" update bash "$root/scripts/setup" 2>&1)
[ -z "$out" ] && [ ! -s "$root/machine/calls" ] || fail "a ready machine was set up again: $out"

# 2. The 32-bit Wine cannot be resolved: the Windows tests move to the 64-bit build.
root=$(new_machine wine32)
out=$(on_machine "$root" wine32 bash "$root/scripts/setup" 2>&1)
rc=$?
echo "--- the 32-bit Wine unresolvable (exit $rc)"; echo "$out"
[ "$rc" -eq 0 ] || fail "an unresolvable 32-bit Wine stopped the set-up"
expect_line "wine32" "$out" "setup: the 32-bit Wine could not be installed: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages.; the Windows tests and the demo run on the 64-bit build of the same sources"
[ -e "$root/machine/installed/wine64" ] && [ -e "$root/machine/installed/g++-mingw-w64-x86-64-posix" ] ||
  fail "the 64-bit Wine and compiler were not installed"
[ -e "$root/machine/installed/g++-mingw-w64-i686" ] || fail "the 32-bit compiler for the shipped program was not installed"
line=$(arch_line "$root" wine32)
echo "$line"
expect_line "wine32" "$line" "windows tests ran on the 64-bit build of the same sources (preset win64, Wine's 64-bit loader): the 32-bit Wine could not be installed: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages.; the shipped 32-bit huebrook.exe was built and checked as a file"
# The failure is believed for a while: the next run asks apt nothing.
: >"$root/machine/calls"
out=$(on_machine "$root" wine32 bash "$root/scripts/setup" 2>&1)
[ ! -s "$root/machine/calls" ] || fail "the next run tried the 32-bit Wine again at once"
# Asked for by name, the 32-bit path fails loudly instead.
out=$(on_machine "$root" wine32 env HUEBROOK_WINDOWS_ARCH=32 bash "$root/scripts/setup" 2>&1)
rc=$?
echo "--- the same with HUEBROOK_WINDOWS_ARCH=32 (exit $rc)"; echo "$out"
[ "$rc" -ne 0 ] || fail "HUEBROOK_WINDOWS_ARCH=32 went on without the 32-bit Wine"
expect_line "wine32 forced" "$out" "setup: cannot install wine32:i386: Error, pkgProblemResolver::Resolve generated breaks, this may be caused by held packages. (HUEBROOK_WINDOWS_ARCH=32 asks for the 32-bit Wine)"

# 3. Resolvable from the release's own suite only, as when one architecture's lists
#    are older than the other's: installed with -t, the 32-bit path stays.
root=$(new_machine wine32-suite)
out=$(on_machine "$root" wine32-suite bash "$root/scripts/setup" 2>&1)
rc=$?
[ "$rc" -eq 0 ] && [ -e "$root/machine/installed/wine32:i386" ] || fail "the 32-bit Wine from one suite was not installed: $out"
grep -q -- '-t ' "$root/machine/calls" || fail "no install from the release's own suite was tried"

# 4. Nothing installs: one line names the package and apt's reason, and scripts/test
#    still ends with its count, the failure counted.
root=$(new_machine nothing)
out=$(on_machine "$root" nothing bash "$root/scripts/test" 2>&1)
rc=$?
echo "--- nothing installable, scripts/test (exit $rc)"; echo "$out"
[ "$rc" -ne 0 ] || fail "scripts/test passed without its packages"
expect_line "nothing" "$out" "setup: cannot install g++-mingw-w64-i686: Package 'g++-mingw-w64-i686' has no installation candidate"
[ "$(tail -n 1 <<<"$out")" = "0 passed, 1 failed" ] || fail "scripts/test did not end with its count"

if [ "$failures" -ne 0 ]; then
  echo "$failures failed"
  exit 1
fi
echo "setup decisions: all passed"
