# bash completion for iconsmith-cli                                    -*- shell-script -*-
# Installed as share/bash-completion/completions/iconsmith-cli and loaded on first use.

# Files matching an extension pattern (or folders with -d), around $cur of the caller.
_iconsmith_cli_files()
{
    if declare -F _filedir >/dev/null 2>&1; then
        _filedir "$@"
    elif [[ $1 == -d ]]; then
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    else
        mapfile -t COMPREPLY < <(compgen -f -- "$cur")
    fi
}

_iconsmith_cli()
{
    local cur prev
    if declare -F _init_completion >/dev/null 2>&1; then
        local words cword split
        _init_completion -s || return
    else
        # Without the bash-completion package. "--option=value" arrives as three words.
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        if [[ $cur == = ]]; then
            cur=
        elif [[ $prev == = ]]; then
            prev=${COMP_WORDS[COMP_CWORD - 2]}
        fi
    fi

    local images='@(png|PNG|jpg|JPG|jpeg|JPEG|webp|WEBP|tif|TIF|tiff|TIFF|gif|GIF|heic|HEIC|heif|HEIF|avif|AVIF|bmp|BMP|svg|SVG|pdf|PDF|jxl|JXL)'
    local targets='ios macos watchos icon-composer tvos visionos android android-notification android-tv windows
        windows-store web extension linux splash apple everything'

    case $prev in
        -o | --output | --check | --project)
            _iconsmith_cli_files -d
            return
            ;;
        -p | --platform)
            mapfile -t COMPREPLY < <(compgen -W 'iphone ipad iphone+ipad all scaled 0 1 2 3 4 5 6' -- "$cur")
            return
            ;;
        --zoom)
            mapfile -t COMPREPLY < <(compgen -W 'in out' -- "$cur")
            return
            ;;
        --target)
            # A comma list: complete the name after the last comma.
            local done=
            [[ $cur == *,* ]] && done=${cur%,*},
            mapfile -t COMPREPLY < <(compgen -W "$targets" -P "$done" -- "${cur##*,}")
            compopt -o nospace 2>/dev/null || true
            return
            ;;
        --dark | --tinted | --monochrome | --android-foreground | --android-background | --layer-middle | --splash-logo | \
            --splash-dark-logo)
            _iconsmith_cli_files "$images"
            return
            ;;
        --config)
            _iconsmith_cli_files '@(json|JSON)'
            return
            ;;
        --size-table)
            _iconsmith_cli_files '@(plist|PLIST)'
            return
            ;;
        --background | --name | --android-inset | --padding | --only | --splash-background | --splash-dark-background)
            return
            ;;
    esac

    if [[ $cur == -* ]]; then
        local options='-o --output -p --platform --rounded --fit --zoom --size-table --background --target --dark
            --tinted --no-shape --android-inset --padding --android-foreground --android-background --monochrome --name
            --layer-middle --splash-logo --splash-background --splash-dark-logo --splash-dark-background
            --strict --replace --project --dry-run --check --config --only --json --open -q --quiet -h --help --help-all -v --version'
        mapfile -t COMPREPLY < <(compgen -W "$options" -- "$cur")
        return
    fi
    _iconsmith_cli_files "$images"
}
complete -F _iconsmith_cli iconsmith-cli
