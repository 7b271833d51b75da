# The multi-platform comparison of bench/compare, sourced by it: Iconsmith's every-platform output
# beside `tauri icon` and `@capacitor/assets`, each run as whole processes on photo-1024.png.
# Uses bench/compare's measuring functions (measure_runs, median, seconds) and its variables.
# shellcheck shell=bash disable=SC2034,SC2154 # bench/compare sets the globals and reads cmd and result

platform_tools=(iconsmith-everything tauri capacitor)
platform_source=photo-1024.png
tauri_bin=$peers_dir/node_modules/.bin/tauri
capacitor_bin=$peers_dir/node_modules/.bin/capacitor-assets

# Whether the command-line tool has the multi-platform mode yet.
iconsmith_has_targets() {
    [[ -x "$cli" ]] && "$cli" --help 2>/dev/null | grep -q -- '--target'
}

platform_missing_reason() {
    case "$1" in
    iconsmith-everything)
        if [[ ! -x "$cli" ]]; then
            echo "${cli#"$repo/"} not found${build_note:+ ($build_note)}"
        elif ! iconsmith_has_targets; then
            echo "iconsmith-cli has no --target option yet (the row runs \`iconsmith-cli SOURCE -o DIR --target everything --quiet\`)"
        fi
        ;;
    tauri) [[ -x "$tauri_bin" ]] || echo "@tauri-apps/cli not installed (npm ci in bench/peers)" ;;
    capacitor) [[ -x "$capacitor_bin" ]] || echo "@capacitor/assets not installed (npm ci in bench/peers)" ;;
    esac
}

# The smallest Capacitor project the tool accepts, in DIR, with SOURCE as its only icon. Its files
# are dated 1970 so that what the tool writes or rewrites can be told from them by date.
capacitor_project() {
    local source=$1 dir=$2
    mkdir -p "$dir/assets" "$dir/www" "$dir/android/app/src/main/res" \
        "$dir/ios/App/App/Assets.xcassets/AppIcon.appiconset"
    # assets/icon-only.png alone: icons only, no splash screens, and nothing fetched from the network.
    cp "$source" "$dir/assets/icon-only.png"
    printf '%s\n' '{ "appId": "com.example.bench", "appName": "Bench", "webDir": "www" }' >"$dir/capacitor.config.json"
    # Without a manifest the tool complains on every run, although it carries on.
    cat >"$dir/android/app/src/main/AndroidManifest.xml" <<'EOF'
<?xml version="1.0" encoding="utf-8"?>
<manifest xmlns:android="http://schemas.android.com/apk/res/android">
    <application android:icon="@mipmap/ic_launcher" android:roundIcon="@mipmap/ic_launcher_round" android:label="Bench">
    </application>
</manifest>
EOF
    cat >"$dir/ios/App/App/Assets.xcassets/AppIcon.appiconset/Contents.json" <<'EOF'
{
  "images" : [ { "filename" : "AppIcon-512@2x.png", "idiom" : "universal", "platform" : "ios", "size" : "1024x1024" } ],
  "info" : { "author" : "xcode", "version" : 1 }
}
EOF
    printf '%s\n' '{ "name": "Bench", "short_name": "Bench", "start_url": ".", "display": "standalone", "icons": [] }' \
        >"$dir/www/manifest.json"
    find "$dir" -exec touch -h -d @0 {} +
}

# Prepares OUT for one run of TOOL and leaves the command in cmd.
platform_command() {
    local tool=$1 source=$2 out=$3
    rm -rf "$out"
    mkdir -p "$out"
    case "$tool" in
    iconsmith-everything) cmd=("$cli" "$source" -o "$out" --target everything --quiet) ;;
    tauri) cmd=("$tauri_bin" icon "$source" -o "$out") ;;
    capacitor)
        capacitor_project "$source" "$out"
        # The PWA icons land in the project's root folder (icons/), whatever --pwaManifestPath says.
        cmd=(env -C "$out" "$capacitor_bin" generate --iconBackgroundColor '#ffffff'
            --pwaManifestPath www/manifest.json --pwaNoAppleFetch true)
        ;;
    esac
}

# The files a run wrote or rewrote under DIR, one path a line (relative to DIR).
written_files() {
    (cd "$1" && find . -type f -newermt '1971-01-01' -printf '%P\n' | LC_ALL=C sort)
}

sum_sizes() { (cd "$1" && xargs -r -d '\n' stat -c %s -- | awk '{ s += $1 } END { print s + 0 }'); }

# "yes" or "no" for each feature of the output in DIR, given its written files in LIST.
platform_features() {
    local dir=$1 list=$2
    local manifests=() file
    mapfile -t manifests < <(grep -E '(\.webmanifest|manifest\.json)$' "$list" || true)
    local favicon=no maskable=no monochrome=no icns=no ico=no ios=no
    grep -qE '(^|/)favicon\.ico$' "$list" && favicon=yes
    grep -qE '\.icns$' "$list" && icns=yes
    grep -E '\.ico$' "$list" | grep -qvE '(^|/)favicon\.ico$' && ico=yes
    grep -qiE 'maskable[^/]*\.png$' "$list" && maskable=yes
    for file in "${manifests[@]}"; do
        jq -e '[.icons[]? | select((.purpose // "") | split(" ") | map(select(. != "")) == ["maskable"])] | length > 0' \
            "$dir/$file" >/dev/null 2>&1 && maskable=yes
    done
    while IFS= read -r file; do
        grep -q '<monochrome' "$dir/$file" && monochrome=yes
    done < <(grep -E '\.xml$' "$list" || true)
    # One 1024-point iOS image with dark and tinted appearances, as Xcode 16 writes it.
    while IFS= read -r file; do
        jq -e '[.images[]? | select(.platform == "ios" or (.platform == null and .idiom == "universal"))] as $ios
            | ($ios | length) > 0 and all($ios[]; .size == "1024x1024")
              and ([$ios[].appearances[]?.value] | index("dark") != null and index("tinted") != null)' \
            "$dir/$file" >/dev/null 2>&1 && ios=yes
    done < <(grep -E '\.appiconset/Contents\.json$' "$list" || true)
    echo "$favicon $maskable $monochrome $icns $ico $ios"
}

# The folders and files the every-platform mode is expected to write; a missing one is flagged.
everything_layout=(ios macos watchos icon-composer android/res android/play-store-512.png windows/app.ico web linux/hicolor)

# Fills result[...] for one platform tool.
measure_platform() {
    local tool=$1
    local out=$tmp/platform
    platform_command "$tool" "$source_dir/$platform_source" "$out"
    measure_runs platform_prepare "$tool" "$out" "$platform_budget_seconds" || return 0
    local list=$tmp/written
    written_files "$out" >"$list"
    result[files]=$(wc -l <"$list")
    result[bytes]=$(sum_sizes "$out" <"$list")
    result[mipmap]=$(grep -E '(^|/)mipmap-[^/]*/[^/]*\.png$' "$list" | sum_sizes "$out")
    result[features]=$(platform_features "$out" "$list")
    if [[ "$tool" == iconsmith-everything ]]; then
        local missing=() path
        for path in "${everything_layout[@]}"; do
            [[ -e "$out/$path" ]] || missing+=("$path")
        done
        [[ ${#missing[@]} -eq 0 ]] || result[status]="missing: ${missing[*]}"
    fi
}

# measure_runs' preparation of each run: a fresh folder (and project) for the tool.
platform_prepare() { platform_command "$1" "$source_dir/$platform_source" "$2"; }

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.3f", a / b; else print "n/a" }'; }

# Prints the multi-platform table and the ratios behind Iconsmith's targets.
platform_report() {
    local -n walls=$1 mipmaps=$2
    shift 2
    echo
    echo "### Every platform from one source ($platform_source)"
    echo
    echo "| tool | runs | wall (s) | CPU user+sys (s) | peak RSS (MiB) | files | bytes | Android mipmap PNG bytes" \
        "| favicon.ico | separate maskable | Android monochrome | .icns | .ico | one-size iOS, dark + tinted |"
    echo "|---|--:|--:|--:|--:|--:|--:|--:|:-:|:-:|:-:|:-:|:-:|:-:|"
    printf '%s\n' "$@"
    echo
    local everything=${walls[iconsmith-everything]:-}
    local mine=${mipmaps[iconsmith-everything]:-}
    if [[ -z "$everything" ]]; then
        echo "No ratios: the Iconsmith row did not run."
        return
    fi
    echo "| Iconsmith (everything) against | measure | ratio | target | met |"
    echo "|---|---|--:|--:|:-:|"
    local peer limit
    for peer in tauri capacitor; do
        [[ -n "${walls[$peer]:-}" ]] || continue
        limit=$([[ "$peer" == tauri ]] && echo 0.15 || echo 0.6)
        local r
        r=$(ratio "$everything" "${walls[$peer]}")
        echo "| $peer | wall time | $r | ≤ $limit | $(awk -v r="$r" -v l="$limit" 'BEGIN { print (r <= l) ? "yes" : "no" }') |"
        r=$(ratio "$mine" "${mipmaps[$peer]}")
        echo "| $peer | Android mipmap bytes | $r | ≤ 1 | $(awk -v r="$r" 'BEGIN { print (r <= 1) ? "yes" : "no" }') |"
    done
}

platform_row() {
    local tool=$1
    if [[ -n "${result[status]:-}" && -z "${result[wall]:-}" ]]; then
        echo "| $tool | | ${result[status]} | | | | | | | | | | | |"
        return
    fi
    local flag="" features
    [[ -n "${result[status]:-}" ]] && flag=" (${result[status]})"
    read -ra features <<<"${result[features]}"
    echo "| $tool$flag | ${result[runs]} | $(seconds "${result[wall]}") | $(seconds "${result[cpu]}") | ${result[rss]}" \
        "| ${result[files]} | ${result[bytes]} | ${result[mipmap]} | ${features[0]} | ${features[1]} | ${features[2]}" \
        "| ${features[3]} | ${features[4]} | ${features[5]} |"
}

platform_notes() {
    echo
    echo "- Each run writes into a fresh folder; @capacitor/assets into a fresh minimal project (assets/icon-only.png," \
        "capacitor.config.json, an Android manifest, an iOS AppIcon.appiconset/Contents.json, www/manifest.json)," \
        "made before the clock starts. Files: those the tool wrote or rewrote (for Capacitor the manifest," \
        "Contents.json and AndroidManifest.xml it rewrites count). Bytes: their sum."
    echo "- Commands: \`iconsmith-cli SOURCE -o DIR --target everything --quiet\`; \`tauri icon SOURCE -o DIR\`;" \
        "\`capacitor-assets generate --iconBackgroundColor '#ffffff' --pwaManifestPath www/manifest.json" \
        "--pwaNoAppleFetch true\` inside the project; the peers from bench/peers/node_modules/.bin, not npx."
    echo "- Android mipmap PNG bytes: every \`mipmap-*/*.png\` written. Separate maskable: a web manifest icon whose" \
        "purpose is \"maskable\" alone, or a PNG named maskable. Android monochrome: an adaptive-icon XML with" \
        "\`<monochrome>\`. .ico: an" \
        "application .ico other than favicon.ico. One-size iOS: an AppIcon.appiconset whose iOS images are all" \
        "1024×1024 and include dark and tinted appearances."
}
