#!/usr/bin/env bash
# scripts/bootstrap on stand-in systems: stand-ins for dpkg-query, apt-get, sudo and id record
# what the script asked of them, and each case checks the exit status, what was installed and
# what the script said.
#
#   BootstrapTest.sh <scripts/bootstrap> <scratch folder>
set -uo pipefail

bootstrap=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
failures=0

real() { command -v "$1"; }

# A folder of commands for one case: the real bash, env and grep, and the stand-ins named.
# $1 folder, then words: dpkg (answers from $work/installed), apt (records), sudo, root|user
make_system() {
  local dir=$1 bin=$1/bin
  shift
  mkdir -p "$bin"
  for tool in bash env grep; do ln -s "$(real $tool)" "$bin/$tool"; done
  for part in "$@"; do
    case $part in
    dpkg)
      printf '#!%s\n%s\n' "$(real bash)" \
        "grep -qx -- \"\${!#}\" '$dir/installed' && echo 'install ok installed'; exit 0" \
        >"$bin/dpkg-query" ;;
    apt)
      printf '#!%s\n%s\n' "$(real bash)" "echo \"apt-get \$*\" >>'$dir/calls'" \
        >"$bin/apt-get" ;;
    sudo)
      printf '#!%s\n%s\n' "$(real bash)" "echo sudo >>'$dir/calls'; exec \"\$@\"" \
        >"$bin/sudo" ;;
    root) printf '#!%s\necho 0\n' "$(real bash)" >"$bin/id" ;;
    user) printf '#!%s\necho 1000\n' "$(real bash)" >"$bin/id" ;;
    esac
  done
  chmod +x "$bin"/*
  : >"$dir/calls"
}

all_packages() { sed -n '/^packages=(/,/^)/p' "$bootstrap" | grep -v '[()]' | tr -s ' ' '\n' | grep .; }

# $1 name, $2 os-release text, $3 installed: all|all-but-one|none, $4 expected status,
# $5 expected calls (a grep -E pattern for the whole of the calls file, or "none"),
# $6 a text the output must hold, then the system's parts.
check() {
  local name=$1 release=$2 installed=$3 status=$4 calls=$5 said=$6
  shift 6
  local dir=$work/$name
  make_system "$dir" "$@"
  printf '%s\n' "$release" >"$dir/os-release"
  case $installed in
  all) all_packages >"$dir/installed" ;;
  all-but-one) all_packages | grep -vx qt6-translations-l10n >"$dir/installed" ;;
  none) : >"$dir/installed" ;;
  esac
  local out rc
  out=$(env -i PATH="$dir/bin" TSW_OS_RELEASE="$dir/os-release" "$(real bash)" "$bootstrap" 2>&1)
  rc=$?
  local got_calls
  got_calls=$(tr '\n' '|' <"$dir/calls")
  local ok=1
  [ "$rc" -eq "$status" ] || ok=0
  if [ "$calls" = none ]; then [ -z "$got_calls" ] || ok=0
  else echo "$got_calls" | grep -Eqx -- "$calls" || ok=0
  fi
  [ -z "$said" ] || echo "$out" | grep -qF -- "$said" || ok=0
  if [ $ok -eq 1 ]; then
    echo "PASS $name"
  else
    echo "FAIL $name: status $rc (want $status), calls '$got_calls' (want '$calls')"
    echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

debian='PRETTY_NAME="Debian GNU/Linux 12 (bookworm)"
ID=debian'
ubuntu='PRETTY_NAME="Ubuntu 22.04"
ID=ubuntu
ID_LIKE=debian'
fedora='PRETTY_NAME="Fedora Linux 39"
ID=fedora'
one='apt-get update -qq\|apt-get install -y -qq --no-install-recommends qt6-translations-l10n\|'

#     name               os-release installed    status calls             said                                   system
check not-debian         "$fedora"  none         1 none                   "this system is not Debian (Fedora"    dpkg apt root
check no-apt-get         "$debian"  none         1 none                   "has no dpkg-query or apt-get"         root
check nothing-missing    "$debian"  all          0 none                   ""                                     dpkg apt user
check one-missing-root   "$debian"  all-but-one  0 "$one"                 "installing qt6-translations-l10n"     dpkg apt root
check one-missing-sudo   "$ubuntu"  all-but-one  0 "sudo\|${one%%\\|*}\|sudo\|${one#*\\|}" "" dpkg apt sudo user
check no-sudo            "$debian"  all-but-one  1 none                   "sudo is not installed"                dpkg apt user
check names-packages     "$fedora"  none         1 none                   "  qt6-translations-l10n"              dpkg apt root
check explains-the-skip  "$fedora"  none         1 none                   "SKIP_BOOTSTRAP=1"                     root

[ $failures -eq 0 ] || { echo "$failures case(s) failed"; exit 1; }
echo "every case passed"
