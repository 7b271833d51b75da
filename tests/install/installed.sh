#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and uses the installed command-line tool from
# there, away from the build tree: it must find its size table, run a project file of two
# recipes, report in JSON that jq reads, and pass its own check. The manual page must render
# without warnings, and it and both shell completions must know every option --help lists.
#
#   installed.sh CMAKE BUILD_DIR WORK_DIR SAMPLE_IMAGE
set -euo pipefail
cmake=$1 build=$2 work=$3 sample=$4

fail() {
    echo "installed.sh: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/project/art"
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"
cli=$prefix/bin/iconsmith-cli
man_page=$prefix/share/man/man1/iconsmith-cli.1.gz
bash_completion=$prefix/share/bash-completion/completions/iconsmith-cli
zsh_completion=$prefix/share/zsh/vendor-completions/_iconsmith-cli
for file in "$cli" "$man_page" "$bash_completion" "$zsh_completion" "$prefix/share/iconsmith/SizeFile.plist" \
    "$prefix/share/doc/iconsmith/README.md" "$prefix/libexec/iconsmith/iconsmith-draw"; do
    [[ -e $file ]] || fail "not installed: ${file#"$prefix"/}"
done

cd "$work/project"
"$cli" --version | grep -Eq '^iconsmith-cli [0-9]+\.[0-9]+\.[0-9]+$' || fail "--version"

# The classic set needs the size table, which only the installed data folder holds here.
"$cli" "$sample" -o classic -q
"$cli" --check classic/AppIcon.appiconset -q

# A vector source is drawn by the installed helper process.
printf '<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64"><rect width="64" height="64" fill="teal"/></svg>' >art/logo.svg
"$cli" art/logo.svg --target web -o vector -q
[[ -f vector/web/icon.svg && -f vector/web/icon-512.png ]] || fail "the SVG source did not give its web icons"

# A project file with shared defaults and two recipes, relative paths from the file's folder,
# run from elsewhere; the JSON document is all there is on standard output.
cp "$sample" art/free.png
cp "$sample" art/pro.png
cat >iconsmith.json <<'JSON'
{
  "targets": ["ios", "windows"],
  "background": "#ffffff",
  "recipes": {
    "free": { "source": "art/free.png", "output": "icons/free" },
    "pro": { "source": "art/pro.png", "output": "icons/pro", "platform": "iphone" }
  }
}
JSON
cd "$work"
"$cli" --config project/iconsmith.json --json >report.json
jq -e '.version == 1 and .status == 0 and ([.runs[].recipe] == ["free", "pro"])' report.json >/dev/null ||
    fail "unexpected report: $(cat report.json)"
jq -e '[.runs[0].files[] | select(.file == "ios/AppIcon.appiconset/AppIcon.png")]
       | length == 1 and .[0].width == 1024 and .[0].alpha == false and .[0].bytes > 0' report.json >/dev/null ||
    fail "the iOS icon is not reported as written, 1024 pixels, opaque: $(cat report.json)"
jq -r '.runs[].files[].path' report.json | while read -r path; do
    [[ -f $path ]] || fail "reported but not there: $path"
done
"$cli" --check project/icons/pro/AppIcon.appiconset --json | jq -e '.status == 0 and .problems == []' >/dev/null ||
    fail "the pro recipe's set does not pass the check"

# Every option --help lists is described by the manual page and completed by both shells.
options=$("$cli" --help | grep -oE '^ +(-[a-z], )?--[a-z-]+' | grep -oE -- '--[a-z-]+' | sort -u)
[[ $(wc -l <<<"$options") -ge 20 ]] || fail "--help lists too few options: $options"
manual=$(gzip -dc "$man_page")
for option in $options; do
    grep -qF -- "${option//-/\\-}" <<<"$manual" || fail "the manual page lacks $option"
    grep -qF -- "$option" "$bash_completion" || fail "the bash completion lacks $option"
    grep -qF -- "$option" "$zsh_completion" || fail "the zsh completion lacks $option"
done
targets=$("$cli" --help | sed -n '/^Targets:/,/^$/p' | awk 'NR > 1 && NF { print $1 }')
for target in $targets; do
    grep -qw -- "$target" "$bash_completion" || fail "the bash completion lacks the target $target"
    grep -qw -- "$target" "$zsh_completion" || fail "the zsh completion lacks the target $target"
done
if command -v man >/dev/null 2>&1; then
    warnings=$(MANWIDTH=80 man --warnings -l "$man_page" 2>&1 >/dev/null) || fail "man cannot show the page"
    [[ -z $warnings ]] || fail "the manual page has roff warnings: $warnings"
fi

# Bash completes target names inside a comma list, and file names for the source.
completed=$(
    # shellcheck disable=SC1090
    source "$bash_completion"
    COMP_WORDS=(iconsmith-cli project/art/free.png --target ios,ma)
    COMP_CWORD=3
    _iconsmith_cli
    echo "${COMPREPLY[*]}"
)
[[ $completed == "ios,macos" ]] || fail "bash completed --target ios,ma as \"$completed\""
if command -v zsh >/dev/null 2>&1; then
    zsh -n "$zsh_completion" || fail "the zsh completion does not parse"
fi
echo "installed.sh: the installed tree works"
