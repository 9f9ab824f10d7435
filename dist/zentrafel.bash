# bash completion for zentrafel and zentrafel-render: their switches, the
# values of the switches with a fixed choice, file names where a path goes,
# and the numbers the programs themselves list for --monitor and --device.
# Installed under both programs' names, as bash-completion loads a command's
# completion from the file named after it; it needs nothing of
# bash-completion's own.

# The switch whose value the word under the cursor is, or "" when that word
# is a switch itself; sets cur to the word. "--out=stills" arrives as the
# three words "--out", "=", "stills" when = breaks words, as by default.
_zentrafel_context() {
    cur=${COMP_WORDS[COMP_CWORD]}
    option=""
    local prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    if [[ $cur == = && $prev == --* ]]; then
        option=$prev
        cur=""
    elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then
        option=${COMP_WORDS[COMP_CWORD - 2]}
    elif [[ $cur == --*=* ]]; then
        option=${cur%%=*}
        cur=${cur#*=}
    elif [[ $prev == --* ]]; then
        option=$prev
    fi
}

_zentrafel_choose() {
    COMPREPLY=($(compgen -W "$1" -- "$cur"))
}

# Paths: files and folders, or folders only with -d.
_zentrafel_paths() {
    local IFS=$'\n'
    compopt -o filenames 2>/dev/null
    COMPREPLY=($(compgen "${1:--f}" -- "$cur"))
}

# The first field of each line the program prints that starts with a number:
# the monitors of `zentrafel --list-monitors` ("0: name ..."), the devices of
# `zentrafel-render --list-devices` ("0  driver ...").
_zentrafel_listed_numbers() {
    "$@" 2>/dev/null | sed -n 's/^\([0-9][0-9]*\)[: ].*/\1/p'
}

_zentrafel() {
    local cur option
    _zentrafel_context
    case $option in
    --monitor)
        _zentrafel_choose "$(_zentrafel_listed_numbers "${COMP_WORDS[0]}" --list-monitors)"
        return
        ;;
    --window)
        _zentrafel_choose $'640x480\n1280x720\n1920x1080'
        return
        ;;
    --start)
        return
        ;;
    esac
    _zentrafel_choose "--fullscreen --windowed --monitor --window --start --mute --loop
--all-passes --list-monitors --help --version"
}

_zentrafel_render() {
    local cur option
    _zentrafel_context
    case $option in
    --video | --contact-sheet)
        _zentrafel_paths -f
        return
        ;;
    --out)
        _zentrafel_paths -d
        return
        ;;
    --codec)
        _zentrafel_choose $'h264\nhevc\nffv1'
        return
        ;;
    --device)
        _zentrafel_choose "auto
software
surfaceless
$(_zentrafel_listed_numbers "${COMP_WORDS[0]}" --list-devices)"
        return
        ;;
    --encoder)
        _zentrafel_choose $'libx264\nh264_nvenc'
        return
        ;;
    --preset)
        _zentrafel_choose $'ultrafast\nsuperfast\nveryfast\nfaster\nfast\nmedium\nslow\nslower\nveryslow\nplacebo'
        return
        ;;
    --size)
        _zentrafel_choose $'640x360\n1280x720\n1920x1080\n3840x2160'
        return
        ;;
    --supersample)
        _zentrafel_choose $'1\n2\n3\n4'
        return
        ;;
    --at | --from | --to | --fps | --crf | --segment | --columns | --count | --motion-blur | \
        --shutter)
        return
        ;;
    esac
    _zentrafel_choose "--at --from --to --fps --video --contact-sheet --bench --list-devices
--size --out --all-passes --device --encoder --codec --crf --preset --segment
--columns --count --motion-blur --shutter --supersample --help"
}

complete -F _zentrafel zentrafel
complete -F _zentrafel_render zentrafel-render
