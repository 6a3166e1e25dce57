#!/usr/bin/env bash
# Saves pictures of the programs into docs/screenshots/, on a virtual display:
#   scripts/screenshots.sh [build folder]        (default: build)
# The main menu is taken from the running program itself; the other pictures come from
# calc_screenshot, which drives the same menu and screens (see the SHOTS list below:
# add a line to add a picture). Settings go to a temporary folder, never the user's.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
out=docs/screenshots
mkdir -p "$out"
if ! log=$(cmake --build "$build" --target calculations calc_screenshot 2>&1); then
  echo "$log" >&2
  exit 1
fi

export TARVIK_CONFIG_DIR
TARVIK_CONFIG_DIR=$(mktemp -d)
trap 'rm -rf "$TARVIK_CONFIG_DIR"' EXIT

# name | calc_screenshot arguments (target, then steps: box=text, @click, +check, list#N,
# >WINDOW to go on in another open window, !desktop for the display around the windows)
SHOTS=(
  "about|about"
  "help|help"
  "right-angle-solved|open picRAtrig txtLegB=3 txtLegA=4 @lblCalculate1"
  "angle-conversion|angle txtDegreeDecimal=12.3456 @lblCalculate1"
  "speeds-feeds|open picSpeedFeed txtDia=1/2 txtSSpeed=300 txtFeedRev=.005 @lblCalculate1"
  "oblique-solved|open picOBtrig txtSideA=10 txtAngleA=40 txtAngleB=60 @lblCalculate1"
  "oblique-alternate|open picOBtrig +opt2sidesOppAngle txtSideA=6 txtSideB=8 txtAngleA=40 @lblCalculate1 window:frmAlternateObliqueV74"
  "chords-solved|open picChord txtChordLength=10 txtArcLength=11 @lblCalculate1"
  "polygon-3|open picPolygon txtNumSides=3 txtAcrossFlats=1 @lblCalculate1"
  "polygon-6|open picPolygon txtAcrossFlats=1 @lblCalculate1"
  "polygon-12|open picPolygon +optOutsideCircle txtNumSides=12 txtAcrossCorners=2 @lblCalculate1"
  "bolt-circle-solved|open picBoltCircle txtBoltCircleDiameter=4 txtNumHoles=8 txtStartAngle=22.5 txtXcenter=2 txtYcenter=1.5 @lblCalculate1"
  "grid-solved|open picGrid txtNumHoleX=4 txtXincrement=0.75 txtYincrement=0.5 @lblCalculate1"
  "grid-beside-menu|beside picGrid txtNumHoleX=4 txtXincrement=0.75 txtYincrement=0.5 @lblCalculate1"
  "thread-measure-inch|open picMeasureThread txtTPIpitch=13 txtNomDia=1/2 txtActualWire=.0444 @lblCalculate1 @lblBestWire1"
  "thread-measure-metric|open picMeasureThread +optThirtyTrap +optMetric txtTPIpitch=7 txtNomDia=40 txtActualWire=3.6 @lblCalculate1 @lblBestWire1"
  "npt-measure-inch|open picMeasureThread +optNPT >frmNPTmeasureV74 lstPipeSize#4 txtActualWire=.04124 @lblCalculate1 !desktop"
  "npt-measure-metric|open picMeasureThread +optNPT >frmNPTmeasureV74 lstPipeSize#4 txtActualWire=.04124 @lblCalculate1 @lblInchMetric1"
  "shaft-taper-inch|open picTaper txtLargeDia=2 txtSmallDia=1 txtLength=6 @lblCalculate1"
  "shaft-taper-metric|open picTaper @lblInchMetric1 txtLargeDia=50 txtSmallDia=40 txtLength=200 @lblCalculate1"
  "dovetail-solved|open picDovetail txtRollDiameter=0.25 txtAngle=60 +chInsideCorners +chHeight txtInsideCorners=2 txtHeight=0.5 @lblCalculate1"
  "keyseat-solved|open picKeyseat txtKeyWidth=1/4 txtKeyHeight=1/4 txtShaftDia=1 @lblCalculate1"
  "surface-finish-inch-mill|open picSurfFin +optMill txtToolDia=0.5 txtStepover=0.05 @lblCalculate1"
  "surface-finish-metric-lathe|open picSurfFin @lblInchMetric1 +optLathe txtTNR=0.8 txtStepover=0.2 @lblCalculate1"
  "surface-finish-from-speeds|surfacefinish +optMill txtToolDia=0.5 txtStepover=0.05 @lblCalculate1"
)

run_on_display() {
  xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
}

# The real program: its menu opens centred on the 1280x1024 display (409 x 385 pixels).
run_on_display bash -c '
  "$1/bin/calculations" & pid=$!
  sleep 2
  import -window root "$2/main-menu-desktop.png"
  kill "$pid"
' _ "$build" "$out"
convert "$out/main-menu-desktop.png" -crop 409x385+435+319 +repage "$out/main-menu.png"
rm -f "$out/main-menu-desktop.png"
echo "$out/main-menu.png"

for shot in "${SHOTS[@]}"; do
  name=${shot%%|*}
  read -r -a args <<<"${shot#*|}"
  run_on_display "$build/bin/calc_screenshot" "$out/$name.png" "${args[@]}"
  echo "$out/$name.png"
done
