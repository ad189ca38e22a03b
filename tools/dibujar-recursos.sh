#!/usr/bin/env bash
# Draws the program's pictures: the splash, the window icon and the four category icons.
#
# Everything is drawn here with ImageMagick primitives; nothing is taken from
# elsewhere.  Run from anywhere: the files are written into resources/ of the
# repository this script belongs to.
#
#   resources/intro.jpg        482 x 309 splash picture (three strawberries)
#   resources/alimetra.png     32 x 32 window icon (one strawberry)
#   resources/alimetra16.png   the same at 16 x 16
#   resources/alimetraN.png    the same at N x N, N = 48, 64, 128, 256, for the
#                              installed icon theme; the two largest are drawn
#                              with the splash's finer seeds and outline
#   resources/general.png      16 x 16 "General"      (orange flame)
#   resources/aminoacidos.png  16 x 16 "Amino acids"  (blue linked molecule)
#   resources/vitaminas.png    16 x 16 "Vitamins"     (green/yellow capsule)
#   resources/minerales.png    16 x 16 "Minerals"     (purple crystal)
#   resources/generalN.png ... the four at N x N, N = 32, 48, for scaled screens
#
# The program overlays a small "Version 1.1" label on the splash at about
# x 225..300, y 40..57, so that area is kept free of drawing.
set -euo pipefail

raiz="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
destino="$raiz/resources"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

command -v convert >/dev/null || { echo "ImageMagick (convert) is needed" >&2; exit 1; }

# ---------------------------------------------------------------------------
# Strawberry sprite, drawn on a 200 x 250 canvas with a transparent background.
#   $1 output file, $2 seed spacing (pixels), $3 seed size factor,
#   $4 "1" to draw a thick dark outline (for small icons).
# ---------------------------------------------------------------------------
fresa() {
    local salida="$1" paso="$2" tam="$3" contorno="${4:-0}"
    local w=200 h=250
    local cuerpo='M 100,60 C 138,50 178,58 180,100 C 182,146 134,232 100,240 C 66,232 18,146 20,100 C 22,58 62,50 100,60 Z'

    # Body mask.
    convert -size ${w}x${h} xc:black -fill white -draw "path '$cuerpo'" "$tmp/mascara.png"

    # Seeds: staggered rows of a dark dimple with a yellow seed in it.
    awk -v paso="$paso" -v t="$tam" 'BEGIN {
        fila = 0
        for (y = 78; y < 240; y += paso * 0.85) {
            desp = (fila % 2) * paso / 2
            for (x = 8 + desp; x < 196; x += paso) {
                printf "fill #8e0a16 ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x, y, 4.6*t, 5.8*t
                printf "fill #ffe27a ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x, y + 0.6*t, 2.3*t, 3.6*t
                printf "fill #fff6c8 ellipse %.1f,%.1f %.1f,%.1f 0,360\n", x - 0.6*t, y - 0.6*t, 0.9*t, 1.4*t
            }
            fila++
        }
    }' > "$tmp/semillas.mvg"

    # Colour: radial shading with the light from the upper left, seeds on top,
    # darker towards the rim, then cut to the body shape.
    convert -size 420x420 radial-gradient:'#ff6656-#98000e' \
        -crop ${w}x${h}+125+95 +repage "$tmp/color.png"
    convert "$tmp/color.png" -draw "$(cat "$tmp/semillas.mvg")" "$tmp/color.png"
    convert "$tmp/mascara.png" -blur 0x14 -level 0,100% +level 45%,100% "$tmp/borde.png"
    convert "$tmp/color.png" "$tmp/borde.png" -compose Multiply -composite \
        "$tmp/mascara.png" -alpha off -compose CopyOpacity -composite "$tmp/cuerpo.png"

    # Soft gloss on the upper-left shoulder.
    convert -size ${w}x${h} xc:none -fill 'rgba(255,255,255,0.55)' \
        -draw "ellipse 58,100 16,26 0,360" -blur 0x7 "$tmp/brillo.png"
    convert "$tmp/cuerpo.png" \( "$tmp/brillo.png" "$tmp/mascara.png" -alpha on \
        -compose DstIn -composite \) -compose Over -composite "$tmp/cuerpo.png"

    if [ "$contorno" = 1 ]; then
        convert "$tmp/cuerpo.png" -fill none -stroke '#5e0009' -strokewidth 9 \
            -draw "path '$cuerpo'" "$tmp/cuerpo.png"
    fi

    # Green calyx: pointed sepals radiating from the top, and a short stem.
    local hoja='M 0,0 C 14,-17 42,-15 68,4 C 42,17 14,15 0,0 Z'
    local sepalos=""
    local a l
    for a in 198:0.80 160:0.95 128:0.85 90:0.70 52:0.85 20:0.95 -18:0.80; do
        l="${a#*:}"; a="${a%%:*}"
        sepalos+=" push graphic-context translate 100,60 rotate $a scale $l,$l
                   path '$hoja' pop graphic-context"
    done
    local trazo=3 tallo=9
    [ "$contorno" = 1 ] && trazo=6 && tallo=14
    convert "$tmp/cuerpo.png" \
        -stroke '#1f5a17' -strokewidth $trazo -fill '#3f9a2c' -draw "$sepalos" \
        -stroke none -fill 'rgba(160,220,110,0.55)' \
        -draw "push graphic-context translate 100,60 rotate 160 scale 0.95,0.95 ellipse 30,-2 16,3 0,360 pop graphic-context" \
        -draw "push graphic-context translate 100,60 rotate 20 scale 0.95,0.95 ellipse 30,-2 16,3 0,360 pop graphic-context" \
        -fill none -stroke '#2f6f1f' -strokewidth $tallo -draw "stroke-linecap round path 'M 100,60 C 100,44 104,30 112,16'" \
        -stroke '#6cb844' -strokewidth 3 -draw "stroke-linecap round path 'M 98,56 C 98,44 101,32 107,22'" \
        "$salida"
}

# ---------------------------------------------------------------------------
# 1. Splash picture.
# ---------------------------------------------------------------------------
fresa "$tmp/fresa.png" 24 1.0 0

# Background: cream at the top fading to a soft pink, a faint polka-dot
# tablecloth in the lower part and a soft shadow under the fruit.
convert -size 482x309 gradient:'#fffaf0-#f9d9dc' "$tmp/fondo.png"
awk 'BEGIN {
    for (y = 196; y < 320; y += 22)
        for (x = ((y / 22) % 2) * 11; x < 490; x += 22)
            printf "ellipse %d,%d 3,2 0,360\n", x, y
}' > "$tmp/lunares.mvg"
convert -size 482x309 xc:none -fill 'rgba(214,96,120,0.18)' -draw "$(cat "$tmp/lunares.mvg")" \
    \( -size 482x309 gradient:black-white -level 55%,85% \) \
    -alpha on -compose DstIn -composite "$tmp/mantel.png"
convert -size 482x309 xc:none -fill 'rgba(120,40,40,0.30)' \
    -draw "ellipse 372,284 118,14 0,360" -draw "ellipse 286,292 70,10 0,360" -blur 0x8 "$tmp/sombra.png"

# Three strawberries in the lower right, of different sizes and tilts.
# pon_fresa SCALE% ANGLE CENTRE_X CENTRE_Y: adds one to the list of layers.
capas=()
pon_fresa() {
    local n=${#capas[@]} w h
    convert "$tmp/fresa.png" -resize "$1%" -background none -rotate "$2" "$tmp/capa$n.png"
    w=$(identify -format %w "$tmp/capa$n.png"); h=$(identify -format %h "$tmp/capa$n.png")
    capas+=("$tmp/capa$n.png" -geometry "+$(( $3 - w / 2 ))+$(( $4 - h / 2 ))" -compose Over -composite)
}
pon_fresa 72   6 356 192
pon_fresa 64  24 430 212
pon_fresa 62 -72 282 254

# Two small strawberry blossoms on the cloth, to the left of the fruit.
flor() { # CENTRE_X CENTRE_Y SCALE ANGLE
    local p="" a
    for a in 0 72 144 216 288; do
        p+=" push graphic-context rotate $a ellipse 0,-10 7.5,9 0,360 pop graphic-context"
    done
    echo "push graphic-context translate $1,$2 scale $3,$3 rotate $4
          stroke #d9b8b8 stroke-width 1 fill #ffffff $p
          stroke #c89a1a fill #f2c230 circle 0,0 0,5
          pop graphic-context"
}
convert -size 482x309 xc:none -draw "$(flor 150 262 1.1 10) $(flor 196 288 0.8 40)" \
    \( +clone -background 'rgba(120,40,40,0.35)' -shadow 60x2+1+2 \) +swap \
    -background none -layers merge +repage "$tmp/flores.png"
flores=("$tmp/flores.png" -geometry +0+0 -compose Over -composite)

# Title in the upper left: dark green, with a faint light halo.
titulo="Alimetra"
convert "$tmp/fondo.png" "$tmp/mantel.png" -compose Over -composite \
    "$tmp/sombra.png" -compose Over -composite \
    "${flores[@]}" "${capas[@]}" \
    -font P052-BoldItalic -pointsize 50 \
    -fill 'rgba(255,255,255,0.8)' -annotate +18+57 "$titulo" \
    -fill '#1e5a1a' -annotate +16+55 "$titulo" \
    -stroke none -fill '#b3202c' -draw "rectangle 18,66 214,68" \
    -fill '#3f9a2c' -draw "rectangle 18,70 150,71" \
    -strip -quality 92 "$tmp/intro.jpg"
cp "$tmp/intro.jpg" "$destino/intro.jpg"

# ---------------------------------------------------------------------------
# 2. Window and menu icon: a single strawberry, 16 x 16 to 256 x 256.
# ---------------------------------------------------------------------------
fresa "$tmp/fresa-icono.png" 46 2.2 1
convert "$tmp/fresa-icono.png" -background none -gravity center -extent 250x250 \
    -filter Lanczos -resize 32x32 -unsharp 0x0.6 -strip -define png:exclude-chunk=date,time "PNG32:$destino/alimetra.png"
convert "$tmp/fresa-icono.png" -background none -gravity center -extent 250x250 \
    -filter Lanczos -resize 16x16 -unsharp 0x0.6 -strip -define png:exclude-chunk=date,time "PNG32:$destino/alimetra16.png"

for n in 48 64; do
    convert "$tmp/fresa-icono.png" -background none -gravity center -extent 250x250 \
        -filter Lanczos -resize ${n}x$n -unsharp 0x0.6 -strip -define png:exclude-chunk=date,time "PNG32:$destino/alimetra$n.png"
done
fresa "$tmp/fresa-grande.png" 30 1.3 0
for n in 128 256; do
    convert "$tmp/fresa-grande.png" -background none -gravity center -extent 250x250 \
        -filter Lanczos -resize ${n}x$n -strip -define png:exclude-chunk=date,time "PNG32:$destino/alimetra$n.png"
done

# ---------------------------------------------------------------------------
# 3. Category icons, drawn at 64 x 64 and reduced to 16 x 16.
# ---------------------------------------------------------------------------
icono() { # $1 output, remaining arguments: drawing options for a 64 x 64 canvas
    local salida="$1"; shift
    convert -size 64x64 xc:none "$@" -filter Box -resize 16x16 -strip -define png:exclude-chunk=date,time "PNG32:$salida"
    # The same at 32 and 48 pixels, for screens scaled to 2x and 3x.
    local n
    for n in 32 48; do
        convert -size 64x64 xc:none "$@" -filter Box -resize ${n}x$n -strip -define png:exclude-chunk=date,time "PNG32:${salida%.png}$n.png"
    done
}

# General (energy and macronutrients): an orange flame.
icono "$destino/general.png" \
    -fill '#e85a0c' -stroke '#8a2c00' -strokewidth 4 \
    -draw "path 'M 32,3 C 40,16 54,24 54,40 C 54,54 44,61 32,61 C 20,61 10,54 10,40 C 10,30 16,24 20,18 C 21,26 24,30 28,31 C 26,20 28,11 32,3 Z'" \
    -fill '#ffb21e' -stroke none \
    -draw "path 'M 33,26 C 38,34 46,40 46,47 C 46,54 40,58 32,58 C 24,58 18,54 18,47 C 18,42 21,39 24,36 C 25,41 27,43 30,44 C 29,38 30,32 33,26 Z'" \
    -fill '#fff3a0' -draw "ellipse 32,51 7,7 0,360"

# Amino acids: three blue atoms joined by bonds.
icono "$destino/aminoacidos.png" \
    -stroke '#16407a' -strokewidth 7 -fill none \
    -draw "line 14,48 32,16" -draw "line 32,16 50,48" \
    -stroke '#16407a' -strokewidth 4 -fill '#2f7de1' \
    -draw "circle 32,16 32,4" -draw "circle 14,48 14,36" -draw "circle 50,48 50,36" \
    -stroke none -fill '#bfe0ff' \
    -draw "circle 28,12 28,8" -draw "circle 10,44 10,40" -draw "circle 46,44 46,40"

# Vitamins: a two-colour capsule, lying diagonally.
icono "$destino/vitaminas.png" \
    -draw "push graphic-context translate 32,32 rotate -45
           stroke #2d5a12 stroke-width 4
           fill #4caf2a path 'M 0,-13 L -17,-13 A 13,13 0 0 0 -17,13 L 0,13 Z'
           fill #ffd21e path 'M 0,-13 L 17,-13 A 13,13 0 0 1 17,13 L 0,13 Z'
           stroke none fill rgba(255,255,255,0.7) roundrectangle -22,-8 14,-4 2,2
           pop graphic-context"

# Minerals: a purple cut crystal (diamond).
icono "$destino/minerales.png" \
    -stroke '#3c1660' -strokewidth 4 -fill '#8e4fc8' \
    -draw "polygon 14,10 50,10 60,24 32,58 4,24" \
    -stroke none -fill '#c9a2ee' -draw "polygon 14,10 32,10 24,24 4,24" \
    -fill '#b07fe0' -draw "polygon 32,10 50,10 40,24 24,24" \
    -fill '#6a2ea3' -draw "polygon 40,24 60,24 32,58" \
    -fill '#a36ad8' -draw "polygon 24,24 40,24 32,58" \
    -stroke '#3c1660' -strokewidth 3 -fill none \
    -draw "line 4,24 60,24" -draw "line 24,24 32,58" -draw "line 40,24 32,58" \
    -draw "line 32,10 24,24" -draw "line 32,10 40,24" \
    -stroke '#3c1660' -strokewidth 4 -draw "polygon 14,10 50,10 60,24 32,58 4,24"

echo "Pictures written to $destino"
