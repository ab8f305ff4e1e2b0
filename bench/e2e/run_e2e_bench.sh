#!/usr/bin/env bash
# End-to-end benchmark: builds a photo library from a folder of photos,
# renders an A2 / 96 PPI mosaic with 48 x 36 pixel cells through quiltix-cli
# and reports the time of each phase and the peak memory. When metapixel is
# installed it renders the same photos on the same cell grid for comparison.
set -eu
set -o pipefail

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD_DIR=$ROOT/build
DEFAULT_PHOTOS=/usr/share/games/endless-sky/images/land
DEFAULT_MAIN=/usr/share/backgrounds/sunset_by_Aitzol_Berasategi.jpg
PHOTOS=$DEFAULT_PHOTOS
MAIN=$DEFAULT_MAIN
SEED=7
KEEP=0

# A2 at 96 PPI is 2244 x 1584 pixels; whole 48 x 36 cells cover 46 x 44 of
# them (2208 x 1584), the 36-pixel strip at the right gets none.
PAPER=A2
PPI=96
MOSAIC_W=2244
MOSAIC_H=1584
CELL_W=48
CELL_H=36
COLUMNS=$((MOSAIC_W / CELL_W))
ROWS=$((MOSAIC_H / CELL_H))

usage() {
  echo "Usage: $0 [-b BUILD_DIR] [-p PHOTO_DIR] [-m MAIN_IMAGE] [-s SEED] [-k]" >&2
  echo "  -k keeps the work folder with the logs and both mosaics." >&2
  exit 2
}

while getopts b:p:m:s:k opt; do
  case $opt in
    b) BUILD_DIR=$OPTARG ;;
    p) PHOTOS=$OPTARG ;;
    m) MAIN=$OPTARG ;;
    s) SEED=$OPTARG ;;
    k) KEEP=1 ;;
    *) usage ;;
  esac
done
[ "$OPTIND" -gt "$#" ] || usage

CLI=$BUILD_DIR/bin/quiltix-cli
CELLCOMPARE=$BUILD_DIR/bin/quiltix-cellcompare
for program in "$CLI" "$CELLCOMPARE"; do
  if [ ! -x "$program" ]; then
    echo "$program is missing: build the targets quiltix-cli and quiltix-cellcompare first." >&2
    exit 1
  fi
done

install_package() {
  local sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo=sudo; fi
  echo "Installing the Debian package $1" >&2
  $sudo apt-get update >/dev/null
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "$1" >/dev/null
}

# Only the default inputs are installed on demand; a path given on the
# command line must exist.
if [ "$PHOTOS" = "$DEFAULT_PHOTOS" ] && [ ! -d "$PHOTOS" ]; then install_package endless-sky-data; fi
if [ "$MAIN" = "$DEFAULT_MAIN" ] && [ ! -f "$MAIN" ]; then install_package lomiri-wallpapers-16.04; fi
if [ ! -x /usr/bin/time ]; then install_package time; fi
[ -d "$PHOTOS" ] || { echo "The photo folder $PHOTOS does not exist." >&2; exit 1; }
[ -f "$MAIN" ] || { echo "The main image $MAIN does not exist." >&2; exit 1; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/quiltix-e2e.XXXXXX")
if [ "$KEEP" -eq 0 ]; then trap 'rm -rf "$WORK"' EXIT; fi

# Every clock reading and line stamp comes from the same monotonic clock.
now() {
  perl -MTime::HiRes=clock_gettime,CLOCK_MONOTONIC -e 'printf "%.6f\n", clock_gettime(CLOCK_MONOTONIC)'
}
stamp_lines() {
  perl -MTime::HiRes=clock_gettime,CLOCK_MONOTONIC \
    -ne 'BEGIN { $| = 1 } printf "%.6f %s", clock_gettime(CLOCK_MONOTONIC), $_'
}
seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }

# Seconds from the first log line that reads exactly START (an empty START:
# the first line) to the first later line that reads exactly END.
phase_seconds() {
  awk -v start="$2" -v end="$3" '
    { t = $1; sub(/^[^ ]+ /, "") }
    !begun && (start == "" || $0 == start) { begun = 1; t0 = t; next }
    begun && $0 == end { printf "%.2f", t - t0; found = 1; exit }
    END { if (!found) printf "n/a" }' "$1"
}

# User plus system seconds over GNU time reports: less sensitive than wall
# time to other load on the machine.
cpu_seconds() {
  awk -F': ' '/User time|System time/ { s += $2 } END { printf "%.2f", s }' "$@"
}

peak_mb() {
  awk -F': ' '/Maximum resident set size/ { printf "%.0f", $2 / 1024 }' "$1"
}

# Runs a command under GNU time; its stdout goes through stamp_lines into
# LOG, GNU time's report into TIMES, stderr into ERRORS.
timed_run() {
  local log=$1 times=$2 errors=$3
  shift 3
  if ! /usr/bin/time -v -o "$times" "$@" 2>"$errors" | stamp_lines >"$log"; then
    echo "Failed: $*" >&2
    cat "$errors" >&2
    exit 1
  fi
}

cell_closeness() {
  "$CELLCOMPARE" "$MAIN" "$1" "$COLUMNS" "$ROWS" --cell-width "$CELL_W" --cell-height "$CELL_H" >"$2"
}
closeness_figure() { sed -n "s/^$2: //p" "$1"; }

echo "Photos: $PHOTOS ($(find "$PHOTOS" -maxdepth 1 -type f | wc -l) files)"
echo "Main image: $MAIN"
echo "Mosaic: $PAPER at $PPI PPI = $MOSAIC_W x $MOSAIC_H pixels, $COLUMNS x $ROWS cells of $CELL_W x $CELL_H, seed $SEED"
echo "Work folder: $WORK"
echo

APP=$WORK/app
mkdir -p "$APP" "$WORK/projects"
cp -r "$BUILD_DIR/bin/masks" "$BUILD_DIR/bin/config" "$APP/"

qx_start=$(now)
timed_run "$WORK/library.log" "$WORK/library.time" "$WORK/library.err" \
  "$CLI" --app-folder "$APP" library create bench "$PHOTOS"
qx_render_start=$(now)
timed_run "$WORK/quiltix.log" "$WORK/quiltix.time" "$WORK/quiltix.err" \
  "$CLI" --app-folder "$APP" create --main "$MAIN" --library bench --paper "$PAPER" --ppi "$PPI" \
  --cell "${CELL_W}x$CELL_H" --fit stretch --seed "$SEED" --projects-dir "$WORK/projects"
qx_end=$(now)

QX_OUTPUT=$(sed -n 's/^[^ ]* PhotoMosaic Saved to //p' "$WORK/quiltix.log" | head -n 1)
if [ -z "$QX_OUTPUT" ] || [ ! -f "$QX_OUTPUT" ]; then
  echo "The render log names no mosaic file that exists; the log is in $WORK/quiltix.log." >&2
  KEEP=1; trap - EXIT
  exit 1
fi
cell_closeness "$QX_OUTPUT" "$WORK/quiltix.closeness"

qx_total=$(seconds_between "$qx_start" "$qx_end")
qx_cpu=$(cpu_seconds "$WORK/library.time" "$WORK/quiltix.time")
qx_mean=$(closeness_figure "$WORK/quiltix.closeness" "Cell mean distance")
qx_detail=$(closeness_figure "$WORK/quiltix.closeness" "Sub-block mean distance")
qx_first_line=$(awk 'NR == 1 { print $1 }' "$WORK/quiltix.log")
echo "Quiltix"
echo "  start-up and project creation   $(seconds_between "$qx_render_start" "$qx_first_line") s"
echo "  canvas and main image           $(phase_seconds "$WORK/quiltix.log" \
  "" "Initalize image lib.............Start") s"
echo "  indexing (image lib)            $(phase_seconds "$WORK/quiltix.log" \
  "Initalize image lib.............Start" "Initalize image lib.............Done") s"
echo "  layout and assignment           $(phase_seconds "$WORK/quiltix.log" \
  "apply pattern" "============Project Saved============") s"
echo "  drawing                         $(phase_seconds "$WORK/quiltix.log" \
  "Draw Mosaics" "Draw Mosaics.......................Done") s"
echo "  output files and reports        $(phase_seconds "$WORK/quiltix.log" \
  "Draw Mosaics.......................Done" "All Job Done") s"
echo "  library create + render wall    $qx_total s (render alone $(seconds_between "$qx_render_start" "$qx_end") s)"
echo "  CPU time (user + sys)           $qx_cpu s"
echo "  peak memory                     $(peak_mb "$WORK/quiltix.time") MB"
echo "  cell / sub-block mean distance  $qx_mean / $qx_detail"
if [ "$KEEP" -eq 1 ]; then echo "  mosaic                          $QX_OUTPUT"; fi

if ! command -v metapixel >/dev/null || ! command -v metapixel-prepare >/dev/null; then
  echo
  echo "metapixel is not installed: no comparison."
  exit 0
fi

# metapixel rounds a scaled main image up to whole cells, so the grid only
# matches ours when its input already is exactly COLUMNS x ROWS cells. The
# main image is stretched to that size with metapixel's own scaler first;
# this set-up step is timed apart and left out of the comparison.
MP_W=$((COLUMNS * CELL_W))
MP_H=$((ROWS * CELL_H))
mkdir -p "$WORK/mplib"
mp_scale_start=$(now)
timed_run "$WORK/mpscale.log" "$WORK/mpscale.time" "$WORK/mpscale.err" \
  metapixel --width="$MP_W" --height="$MP_H" --prepare "$MAIN" "$WORK/mpmain.png" "$WORK/mpmain.tbl"
mp_prepare_start=$(now)
timed_run "$WORK/mpprepare.log" "$WORK/mpprepare.time" "$WORK/mpprepare.err" \
  metapixel-prepare --width="$CELL_W" --height="$CELL_H" "$PHOTOS" "$WORK/mplib"
mp_render_start=$(now)
timed_run "$WORK/mprender.log" "$WORK/mprender.time" "$WORK/mprender.err" \
  metapixel --metapixel "$WORK/mpmain.png" "$WORK/mposaic.jpg" --library "$WORK/mplib" \
  --width="$CELL_W" --height="$CELL_H"
mp_end=$(now)
cell_closeness "$WORK/mposaic.jpg" "$WORK/metapixel.closeness"

mp_total=$(seconds_between "$mp_prepare_start" "$mp_end")
mp_cpu=$(cpu_seconds "$WORK/mpprepare.time" "$WORK/mprender.time")
mp_mean=$(closeness_figure "$WORK/metapixel.closeness" "Cell mean distance")
mp_detail=$(closeness_figure "$WORK/metapixel.closeness" "Sub-block mean distance")
mp_peak=$(awk '/Maximum resident set size/ { v = $NF; if (v > m) m = v } END { printf "%.0f", m / 1024 }' \
  "$WORK/mpprepare.time" "$WORK/mprender.time")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo
echo "metapixel"
echo "  main image scaling (not counted) $(seconds_between "$mp_scale_start" "$mp_prepare_start") s"
echo "  prepare (library)               $(seconds_between "$mp_prepare_start" "$mp_render_start") s"
echo "  render                          $(seconds_between "$mp_render_start" "$mp_end") s"
echo "  prepare + render wall           $mp_total s"
echo "  CPU time (user + sys)           $mp_cpu s"
echo "  peak memory                     $mp_peak MB"
echo "  cell / sub-block mean distance  $mp_mean / $mp_detail"
if [ "$KEEP" -eq 1 ]; then echo "  mosaic                          $WORK/mposaic.jpg"; fi
echo
echo "Comparison"
echo "  wall time metapixel / Quiltix          $(ratio "$mp_total" "$qx_total") (target: at least 3)"
echo "  CPU time metapixel / Quiltix           $(ratio "$mp_cpu" "$qx_cpu")"
echo "  cell distance Quiltix / metapixel      $(ratio "$qx_mean" "$mp_mean") (target: at most 1)"
echo "  sub-block distance Quiltix / metapixel $(ratio "$qx_detail" "$mp_detail")"
