#!/usr/bin/env bash
# The Debian package: build it with CPack into a scratch folder, check what it holds and what
# it depends on, unpack it into a scratch root and run the installed command-line programs
# from there.
#
#   check-package.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
build=$1
scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch"

fail() {
  echo "package: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$scratch/out" > "$scratch/cpack.log" 2>&1) ||
  { tail -n 40 "$scratch/cpack.log"; fail "cpack failed"; }
shopt -s nullglob
debs=("$scratch"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
echo "package: built $(basename "$deb")"

contents=$(dpkg-deb --contents "$deb" | awk '{ print $6 }')
gui=false
[ -x "$build/bin/tsw62m" ] && gui=true
expected=(
  ./usr/bin/tsw62m-cli ./usr/bin/tsw62m-radiosim
  ./usr/lib/tsw62m/tsw62m-cli ./usr/lib/tsw62m/tsw62m-radiosim
  ./usr/lib/tsw62m/tsw62m_e.lng ./usr/lib/tsw62m/tsw62m_g.lng
  ./usr/share/man/man1/tsw62m-cli.1.gz ./usr/share/man/man1/tsw62m-radiosim.1.gz
  ./usr/share/bash-completion/completions/tsw62m-cli
)
if $gui; then
  expected+=(
    ./usr/bin/tsw62m ./usr/lib/tsw62m/tsw62m ./usr/lib/tsw62m/libtsw62m-print.so
    ./usr/lib/tsw62m/libtsw62m-help.so ./usr/lib/tsw62m/libtsw62m-sound.so
    ./usr/lib/tsw62m/tsw62m_e.qch "./usr/lib/tsw62m/Call"
    ./usr/share/applications/tsw62m.desktop ./usr/share/icons/hicolor/scalable/apps/tsw62m.svg
    ./usr/share/metainfo/tsw62m.metainfo.xml
  )
fi
for path in "${expected[@]}"; do
  grep -qxF -- "$path" <<< "$contents" || grep -q -- "^$path" <<< "$contents" ||
    fail "$path is not in the package"
done
if grep -q '_CPack_Packages\|/build/' <<< "$contents"; then
  fail "the package holds build paths"
fi

# Dependencies: computed from the binaries (the C library and, with the desktop program, Qt)
# plus what is loaded at run time.
depends=$(dpkg-deb -f "$deb" Depends)
echo "package: Depends: $depends"
grep -q 'libc6' <<< "$depends" || fail "no computed dependency on the C library"
if $gui; then
  for p in libqt6widgets6 libqt6printsupport6 libqt6sql6-sqlite gstreamer1.0-plugins-base; do
    grep -q "$p" <<< "$depends" || fail "no dependency on $p"
  done
fi
[ "$(dpkg-deb -f "$deb" Section)" = hamradio ] || fail "section is not hamradio"

root=$scratch/root
dpkg-deb -x "$deb" "$root"

# The desktop entry starts the installed program and is filed under Utility and HamRadio.
if $gui; then
  desktop=$root/usr/share/applications/tsw62m.desktop
  grep -qx 'Exec=/usr/bin/tsw62m' "$desktop" || fail "desktop entry: $(grep Exec "$desktop")"
  grep -qx 'Categories=Utility;HamRadio;' "$desktop" || fail "desktop entry categories"
  if command -v appstreamcli > /dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/tsw62m.metainfo.xml" \
      > "$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log"; fail "metainfo"; }
  fi
  # Every library the installed programs and modules need is found on this system.
  for elf in "$root"/usr/lib/tsw62m/tsw62m "$root"/usr/lib/tsw62m/*.so; do
    if ldd "$elf" | grep -q 'not found'; then
      ldd "$elf" | grep 'not found'
      fail "$(basename "$elf") needs a library that is not found"
    fi
  done
fi
zcat "$root/usr/share/man/man1/tsw62m-cli.1.gz" | grep -q '^\.SH DESCRIPTION' || fail "man page"
zcat "$root/usr/share/man/man1/tsw62m-cli.1.gz" | grep -q 'import\\-csv' ||
  fail "man page does not carry the --help text"
bash -n "$root/usr/share/bash-completion/completions/tsw62m-cli" || fail "bash completion syntax"

# The installed command-line program, run through its link, finds its language files beside
# the real executable: a new data file, then a listing of it in German.
cli=$root/usr/bin/tsw62m-cli
work=$scratch/work
mkdir -p "$work"
"$cli" new --output "$work/new.dat" || fail "tsw62m-cli new failed"
[ "$(stat -c %s "$work/new.dat")" -eq 1040 ] || fail "new wrote $(stat -c %s "$work/new.dat") bytes"
"$cli" show "$work/new.dat" > "$work/show-e.txt" || fail "tsw62m-cli show failed"
grep -q '446.00625' "$work/show-e.txt" || fail "show lists no channel frequency"
"$cli" show "$work/new.dat" --lang 4 > "$work/show-g.txt" || fail "show --lang 4 failed"
cmp -s "$work/show-e.txt" "$work/show-g.txt" && fail "show --lang 4 printed the English texts"
set +e
"$cli" frobnicate > /dev/null 2>&1
usage=$?
set -e
[ $usage -eq 2 ] || fail "a wrong command gave exit status $usage, not 2"
"$root/usr/bin/tsw62m-radiosim" --help > /dev/null || fail "tsw62m-radiosim --help failed"

rm -rf "$scratch"
echo "package: ok"
