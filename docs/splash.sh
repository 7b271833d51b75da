#!/usr/bin/env bash
# Makes docs/splash.png from the real program: the launch screens of the benchmark's badge on a
# cream background, light and dark (the badge in negative on near-black): the Android 12 splash icon
# composited on its background with the 192 dp circle the system shows drawn in red, the iOS
# launch logo on the colour set's colour, and an iPhone and an iPad startup image for the web.
#
#   docs/splash.sh BIN_FOLDER [WORK_FOLDER]
set -euo pipefail

bin=$1
work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$work"
logo=$here/../bench/sources/logo.svg
convert -background none -density 300 "$logo" -resize 1024x1024 -channel RGB -negate +channel \
    "$work/logo-dark.png"
"$bin/iconsmith-cli" -q "$logo" -o "$work/out" --target splash --splash-background '#f5ecd7' \
    --splash-dark-logo "$work/logo-dark.png" --splash-dark-background '#1c1c1e'
s=$work/out/splash
tiles=()
for look in light dark; do
    if [ $look = light ]; then bg='#f5ecd7' night='' dark=''; else bg='#1c1c1e' night='night-' dark='-dark'; fi
    convert "$s/android/res/drawable-${night}xxhdpi/splash_icon.png" -background "$bg" -flatten \
        -fill none -stroke red -strokewidth 3 -draw 'circle 432,432 432,144' -resize 300x300 "$work/android-$look.png"
    convert "$s/ios/LaunchLogo.imageset/LaunchLogo${dark}@3x.png" -background "$bg" -flatten \
        -gravity center -extent 600x600 -resize 300x300 "$work/ios-$look.png"
    convert "$s/web/apple-splash${dark}-1179x2556.png" -resize x300 "$work/iphone-$look.png"
    convert "$s/web/apple-splash${dark}-2732x2048.png" -resize x300 "$work/ipad-$look.png"
    tiles+=("$work/android-$look.png" "$work/ios-$look.png" "$work/iphone-$look.png" "$work/ipad-$look.png")
done
montage "${tiles[@]}" -tile 4x2 -geometry +8+8 -background white "$here/splash.png"
