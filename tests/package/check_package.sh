#!/usr/bin/env bash
# Checks a Debian package of Kelvaro (scripts/package makes it):
#
#   tests/package/check_package.sh build/release/kelvaro_<version>_amd64.deb
#
# lintian and the validators of the menu entry and the software-centre data,
# the file list, and the package unpacked into a scratch root: the programs
# run there, the launcher sets up the folders in a scratch HOME and starts
# the window program in the program folder, the manual pages render.
set -euo pipefail

deb=$(readlink -f "$1")
id=org.kelvaro.Kelvaro
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# Runs "$@" and fails with its output when it fails.
expect_success() {
  local what=$1 output
  shift
  output=$("$@" 2>&1) || fail "$what"$'\n'"$output"
}

root=$scratch/root
dpkg-deb -x "$deb" "$root"
version=$(dpkg-deb -f "$deb" Version)

echo "-- lintian, validators"
# Run as root, lintian says so on stderr; that notice is no finding.
expect_success "lintian" lintian --fail-on error,warning "$deb"
expect_success "desktop-file-validate" \
  desktop-file-validate "$root/usr/share/applications/$id.desktop"
expect_success "appstreamcli validate" \
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

echo "-- file list"
expected=(
  /usr/bin/kelvaro
  /usr/bin/kelvaro-cli
  /usr/bin/kelvaro-make-transit
  /usr/bin/kelvaro-persons
  /usr/libexec/kelvaro/kelvaro
  /usr/libexec/kelvaro/kelvaro-cli-chart
  "/usr/share/applications/$id.desktop"
  "/usr/share/metainfo/$id.metainfo.xml"
  "/usr/share/icons/hicolor/scalable/apps/$id.svg"
  /usr/share/man/man1/kelvaro.1.gz
  /usr/share/man/man1/kelvaro-cli.1.gz
  /usr/share/man/man1/kelvaro-make-transit.1.gz
  /usr/share/man/man1/kelvaro-persons.1.gz
  /usr/share/doc/kelvaro/copyright
  /usr/share/doc/kelvaro/changelog.gz
)
for size in 16 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for atlas in places words folding; do
  expected+=("/usr/share/kelvaro/atlas/$atlas.tsv")
done
for sample in "$(dirname "$0")"/../../samples/*; do
  expected+=("/usr/share/kelvaro/samples/$(basename "$sample")")
done
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
missing=$(comm -23 <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual"))
extra=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(echo "$actual"))
[[ -z "$missing" ]] || fail "missing from the package:"$'\n'"$missing"
[[ -z "$extra" ]] || fail "not expected in the package:"$'\n'"$extra"
grep -q "^License: AGPL-3.0-or-later$" "$root/usr/share/doc/kelvaro/copyright" ||
  fail "the copyright file does not name the licence"
grep -q "^Icon=$id$" "$root/usr/share/applications/$id.desktop" ||
  fail "the menu entry does not use the icon $id"

echo "-- programs"
cli=$root/usr/bin/kelvaro-cli
header=$("$cli" "$root/usr/share/kelvaro/samples/mueller-juergen.dat" header) ||
  fail "kelvaro-cli on an installed sample"
[[ "$header" == *"für Müller, Jürgen, München,"* ]] || fail "kelvaro-cli header: $header"
calendar=$("$cli" "$root/usr/share/kelvaro/samples/mueller-juergen.dat" calendar \
  --from=01.01.2026 --to=31.01.2026 --bodies=SA) || fail "kelvaro-cli calendar in the package"
[[ "$calendar" == "Transit-Kalender vom 01.01.2026 bis 31.01.2026"* ]] ||
  fail "kelvaro-cli calendar: $calendar"
for program in kelvaro-cli kelvaro-make-transit kelvaro-persons; do
  shown=$("$root/usr/bin/$program" --version) || fail "$program --version"
  [[ "$shown" == "$program $version" ]] || fail "$program --version shows '$shown', the package is $version"
done
shown=$("$root/usr/libexec/kelvaro/kelvaro" --version) || fail "kelvaro --version"
[[ "$shown" == "kelvaro $version" ]] || fail "kelvaro --version shows '$shown', the package is $version"

# The persons archive: a person in, out as AAF, and a transit file of it.
persons=$root/usr/bin/kelvaro-persons
archive=$scratch/personen.sqlite
person=$("$persons" --archive "$archive" add --name=Weiß --first-name=Anna --birth="12.04.1981 06:30" \
  --birth-zone=Europe/Berlin --birth-lat="50°56' N" --birth-lon="06°57' O" --place=Köln) ||
  fail "kelvaro-persons add in the package"
[[ "$person" == 1 ]] || fail "kelvaro-persons add printed '$person'"
"$persons" --archive "$archive" export "$scratch/personen.aaf" >/dev/null ||
  fail "kelvaro-persons export in the package"
grep -q "^#A93:Wei" "$scratch/personen.aaf" || fail "kelvaro-persons export: no #A93"
"$root/usr/bin/kelvaro-make-transit" --archive "$archive" --person=1 --transit="21.06.2016 08:15" \
  --transit-zone=Europe/Berlin --place=Köln --transit-lat=50.933 --transit-lon=6.95 \
  "$scratch/weiss.dat" && [[ $(stat -c %s "$scratch/weiss.dat") == 2560 ]] ||
  fail "kelvaro-make-transit --person in the package"

echo "-- launcher"
launcher=$root/usr/bin/kelvaro
home=$scratch/fresh
mkdir "$home"
expect_success "the launcher in a fresh HOME" env HOME="$home" "$launcher" --folders-only
[[ -d "$home/Astro/Kelvaro" ]] || fail "no program folder in a fresh HOME"
for sample in "$root"/usr/share/kelvaro/samples/*.dat; do
  cmp -s "$sample" "$home/Astro/transdat/$(basename "$sample")" ||
    fail "the sample $(basename "$sample") is not in the new transit folder"
done
# Only the first start copies: a sample the user deleted stays deleted.
rm -f "$home/Astro/transdat/weiss-anna.dat"
env HOME="$home" "$launcher" --folders-only 2>/dev/null
[[ ! -e "$home/Astro/transdat/weiss-anna.dat" ]] || fail "a later start copied the samples again"

# A transit folder of an earlier version is used as it is.
home=$scratch/earlier
mkdir -p "$home/astro/transdat"
env HOME="$home" "$launcher" --folders-only 2>/dev/null
[[ ! -e "$home/Astro/transdat" ]] || fail "a new transit folder beside the earlier one"
[[ -z "$(ls "$home/astro/transdat")" ]] || fail "samples copied into the earlier transit folder"

# A HOME where no folder can be made: the launcher says so in German.
message=$(env HOME=/dev/null "$launcher" --folders-only 2>&1)
[[ "$message" == *"Programm-Ordner /dev/null/Astro/Kelvaro lässt sich nicht anlegen"* ]] ||
  fail "no message for a program folder that cannot be made: $message"

# The program starts in the program folder (result files are saved in
# the folder it starts in) and gets the launcher's arguments.
probe=$scratch/probe
# shellcheck disable=SC2016 # the probe expands them when it runs
printf '#!/bin/sh\necho "$PWD $*"\n' >"$probe"
chmod +x "$probe"
home=$scratch/start
mkdir "$home"
started=$(cd / && HOME="$home" KELVARO_PROGRAM="$probe" "$launcher" -a "b c" 2>/dev/null)
[[ "$started" == "$home/Astro/Kelvaro -a b c" ]] || fail "the launcher started the program as: $started"

# The installed window program starts behind the launcher and keeps running.
HOME="$home" QT_QPA_PLATFORM=offscreen "$launcher" >/dev/null 2>&1 &
pid=$!
for _ in $(seq 50); do
  [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == */libexec/kelvaro/kelvaro ]] && break
  sleep 0.1
done
sleep 0.5
if ! kill -0 "$pid" 2>/dev/null; then
  fail "the installed window program ended at its start"
else
  [[ "$(readlink "/proc/$pid/exe")" == "$root/usr/libexec/kelvaro/kelvaro" ]] ||
    fail "the launcher did not start the installed window program"
  kill "$pid"
fi
wait "$pid" 2>/dev/null || true

echo "-- manual pages"
for page in "$root"/usr/share/man/man1/*.1.gz; do
  name=$(basename "$page" .1.gz)
  text=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$scratch/man.err") ||
    fail "man -l $name"
  [[ ! -s "$scratch/man.err" ]] || fail "man -l $name warns: $(cat "$scratch/man.err")"
  for section in NAME ÜBERSICHT EXIT-STATUS DATEIEN BEISPIELE; do
    grep -q "^$section" <<<"$text" || fail "man -l $name: no section $section"
  done
  # The windows beyond the analysis each have their part of kelvaro(1).
  if [[ $name == kelvaro ]]; then
    for part in "Neue Transit-Datei" Gradscheibe Transit-Kalender; do
      grep -q "^   $part\$" <<<"$text" || fail "man -l $name: no part $part"
    done
  fi
  # kelvaro-cli(1) describes the calendar and every option of it.
  if [[ $name == kelvaro-cli ]]; then
    for option in calendar --from= --to= --zone= --bodies= --moon --points= --with=; do
      grep -q -- "$option" <<<"$text" || fail "man -l $name: no $option"
    done
  fi
done

if ((failures > 0)); then
  echo "package check: $failures failed" >&2
  exit 1
fi
echo "package check: passed"
