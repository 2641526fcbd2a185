#!/bin/sh
# Starts the Kelvaro desktop program (installed as "kelvaro").
#
# On the first start it makes the program folder ~/Astro/Kelvaro and the
# transit folder ~/Astro/transdat and copies the sample files into the
# transit folder; a transit folder ~/astro/transdat of an earlier version is
# used as it is. Then it starts the program in the program folder, the folder
# result files are saved in. A folder that cannot be made is reported and
# the program starts all the same, so that it can say what is missing.
#
#   kelvaro [ARGS...]           the program, with ARGS passed on
#   kelvaro --sheet … / --ephemeris …
#                               the same, started in the caller's folder
#   kelvaro --folders-only      only the folders, without the program
#
# KELVARO_PROGRAM and KELVARO_SAMPLES name the program and the folder of the
# samples when they are not installed beside this script (scripts/run runs
# it on the build tree so).
set -u

here=$(dirname "$(readlink -f "$0")")
program=${KELVARO_PROGRAM:-$here/../libexec/kelvaro/kelvaro}
samples=${KELVARO_SAMPLES:-$here/../share/kelvaro/samples}

program_folder=$HOME/Astro/Kelvaro
transit_folder=$HOME/Astro/transdat
if [ ! -d "$transit_folder" ] && [ -d "$HOME/astro/transdat" ]; then
  transit_folder=$HOME/astro/transdat
fi

if [ ! -d "$program_folder" ]; then
  if mkdir -p "$program_folder"; then
    echo "kelvaro: Programm-Ordner $program_folder angelegt" >&2
  else
    echo "kelvaro: Der Programm-Ordner $program_folder lässt sich nicht anlegen." >&2
  fi
fi
if [ ! -d "$transit_folder" ]; then
  if ! mkdir -p "$transit_folder"; then
    echo "kelvaro: Der Transit-Ordner $transit_folder lässt sich nicht anlegen." >&2
  elif cp "$samples"/*.dat "$transit_folder"/; then
    echo "kelvaro: Transit-Ordner $transit_folder mit den Beispieldateien angelegt" >&2
  else
    echo "kelvaro: Transit-Ordner $transit_folder angelegt; die Beispieldateien aus $samples ließen sich nicht hineinkopieren." >&2
  fi
fi

if [ "${1:-}" = --folders-only ]; then
  exit 0
fi
# A sheet or an ephemeris written without a window stays where it is asked
# for: relative names mean the caller's folder.
for argument in "$@"; do
  case $argument in
    --sheet | --sheet=* | --ephemeris | --ephemeris=*) exec "$program" "$@" ;;
  esac
done
cd "$program_folder" 2>/dev/null || true
exec "$program" "$@"
