#!/usr/bin/env bash
# Compares the style's screenshots of two builds pixel by pixel: for each
# picture that e2e_style_screens takes (both pages, the open list, the popup
# menu, the error box, at 96, 144 and 192 dpi) it counts the pixels that
# differ (ImageMagick compare -metric AE) and writes a strip of the picture
# before, after, and the differences in red, and a Markdown table of them.
# The status clock's text differs from run to run, so its panel is blanked in
# both pictures first.
#
# Usage: tools/compare_screens.sh BEFORE_DIR AFTER_DIR OUT_DIR
set -euo pipefail
[[ $# -eq 3 ]] || { echo "usage: tools/compare_screens.sh BEFORE_DIR AFTER_DIR OUT_DIR" >&2; exit 2; }
before=$1 after=$2 out=$3
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Lengths laid out at 96 dpi, at DPI, rounded as MulDiv rounds.
scaled() { echo $((($1 * $2 + 48) / 96)); }

# Blanks panel 1 of the status bar in a picture of the whole main window.
blank_clock() {
  local picture=$1 dpi=$2 target=$3 width height border
  read -r width height <<<"$(identify -format "%w %h" "$picture")"
  border=$(((width - $(scaled 347 "$dpi")) / 2))
  local left=$((border + $(scaled 200 "$dpi"))) top=$((height - border - $(scaled 21 "$dpi")))
  convert "$picture" -fill black -draw "rectangle $left,$top $((width - border - 1)),$((height - border - 1))" "$target"
}

table=$out/differences.md
{
  echo "| Surface | dpi | Pixels that differ | Of | Picture (before, after, differences) |"
  echo "| --- | ---: | ---: | ---: | --- |"
} >"$table"

for surface in main about list menu error; do
  for dpi in 96 144 192; do
    name=style-$surface-$dpi.png
    [[ -f $before/$name && -f $after/$name ]] || { echo "missing $name" >&2; exit 1; }
    a=$work/before-$name b=$work/after-$name
    if [[ $surface == main || $surface == about || $surface == list ]]; then
      blank_clock "$before/$name" "$dpi" "$a"
      blank_clock "$after/$name" "$dpi" "$b"
    else
      cp "$before/$name" "$a"
      cp "$after/$name" "$b"
    fi
    # Pictures of different sizes are compared over the size they share.
    read -r wa ha <<<"$(identify -format "%w %h" "$a")"
    read -r wb hb <<<"$(identify -format "%w %h" "$b")"
    w=$((wa < wb ? wa : wb)) h=$((ha < hb ? ha : hb))
    convert "$a" -crop "${w}x${h}+0+0" +repage "$a"
    convert "$b" -crop "${w}x${h}+0+0" +repage "$b"
    differing=$(compare -metric AE "$a" "$b" "$work/diff-$name" 2>&1 >/dev/null || true)
    convert "$a" "$b" "$work/diff-$name" +append "$out/compare-$surface-$dpi.png"
    size_note=""
    [[ $wa == "$wb" && $ha == "$hb" ]] || size_note=" (${wa}x${ha} before, ${wb}x${hb} after)"
    echo "| $surface | $dpi | $differing | $((w * h))$size_note | ![](compare-$surface-$dpi.png) |" >>"$table"
  done
done
echo "$table"
