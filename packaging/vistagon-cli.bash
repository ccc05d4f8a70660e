# bash completion for vistagon-cli                      -*- shell-script -*-

# Files whose names end in one of the extensions given (any case), and folders.
_vistagon_cli_files()
{
    local cur=$1 pattern=$2
    compopt -o filenames 2>/dev/null
    local IFS=$'\n'
    COMPREPLY+=($(compgen -d -- "$cur"))
    COMPREPLY+=($(shopt -s extglob nocaseglob nocasematch; compgen -f -X "!*.@($pattern)" -- "$cur"))
}

_vistagon_cli_options()
{
    case $1 in
        render) echo "--mode --jobs --frames --video --fps" ;;
        plan) echo "--frames --mode" ;;
        scene\ path) echo "--track --layer --open --closed --points" ;;
        scene) echo "--elevation --texture --mask" ;;
        demo) echo "--jobs" ;;
        import\ binary) echo "--ulx --uly --extent-x --extent-y --zscale --keep-nodata" ;;
        import\ usgs) echo "--void --no-check" ;;
        import\ ascii-regular) echo "--skip --width --height --zscale --min-x --max-x --min-y --max-y" ;;
        import\ ascii-irregular) echo "--skip --width --height --zscale --estimate --min-x --max-x --min-y --max-y" ;;
        import\ tga-irregular) echo "--zscale --estimate" ;;
        import\ sdts) echo "--void --fill" ;;
        import\ japan) echo "--void" ;;
        import\ gdal) echo "--band --zscale --void --size --window --texture" ;;
        tool\ elev-to-color) echo "--palette --lower --upper" ;;
        tool\ elev-to-gray) echo "--zscale" ;;
        tool\ convolve) echo "--matrix" ;;
        tool\ merge) echo "--bias1 --bias2 --multiply" ;;
        tool\ mask) echo "--mask" ;;
        tool\ resample) echo "--factor" ;;
        tool\ rectify) echo "--elevation --target-corners --source-corners" ;;
    esac
}

# The extensions of the files a command's plain arguments name.
_vistagon_cli_extensions()
{
    case $1 in
        info) echo "tga|vgs" ;;
        render | plan | scene*) echo "vgs" ;;
        import\ binary) echo "hdr|doc|bin|bil|raw|dem|tga" ;;
        import\ usgs) echo "dem|tga" ;;
        import\ ascii-regular | import\ ascii-irregular) echo "txt|xyz|asc|csv|dat|tga" ;;
        import\ tga-irregular) echo "tga" ;;
        import\ sdts) echo "ddf|tga" ;;
        import\ japan) echo "mem|tga" ;;
        import\ gdal) echo "tif|tiff|hgt|vrt|img|asc|dem|tga" ;;
        tool\ *) echo "tga|yuv" ;;
    esac
}

_vistagon_cli()
{
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    local commands="info render plan scene demo import tool"
    local imports="binary usgs ascii-regular ascii-irregular tga-irregular sdts japan gdal"
    local tools="elev-to-color elev-to-gray gray-to-elev convolve merge mask resample rectify blue-zero"

    # The command, and its kind, skipping the global options.
    local words=() i
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            --profile) ((i++)) ;;
            --yes | -y | --profile=*) ;;
            *) words+=("${COMP_WORDS[i]}") ;;
        esac
    done

    case $prev in
        --profile)
            _vistagon_cli_files "$cur" "ini"
            return
            ;;
        --mode)
            COMPREPLY=($(compgen -W "final raw preview" -- "$cur"))
            return
            ;;
        --factor)
            COMPREPLY=($(compgen -W "2 3 4" -- "$cur"))
            return
            ;;
        --video)
            _vistagon_cli_files "$cur" "mp4|mkv|mov|avi"
            return
            ;;
        --track)
            _vistagon_cli_files "$cur" "gpx|kml|geojson|json|gpkg|shp"
            return
            ;;
        --elevation | --texture | --mask | --palette | --matrix)
            # "tool rectify --elevation" is a switch; everywhere else these name TGA files.
            if [[ ${words[0]} != tool ]] || [[ $prev != --elevation ]]; then
                _vistagon_cli_files "$cur" "tga"
                return
            fi
            ;;
        --jobs | --frames | --fps | --ulx | --uly | --extent-x | --extent-y | --zscale | --void | --skip | --width | \
            --height | --min-x | --max-x | --min-y | --max-y | --estimate | --fill | --band | --size | --window | \
            --lower | --upper | --bias1 | --bias2 | --target-corners | --source-corners | --layer | --points)
            return
            ;;
    esac

    if ((${#words[@]} == 0)); then
        COMPREPLY=($(compgen -W "$commands --profile --yes --help" -- "$cur"))
        return
    fi

    local command=${words[0]}
    if ((${#words[@]} == 1)); then
        case $command in
            import) COMPREPLY=($(compgen -W "$imports" -- "$cur")); return ;;
            tool) COMPREPLY=($(compgen -W "$tools" -- "$cur")); return ;;
            scene) COMPREPLY=($(compgen -W "new set path" -- "$cur")); return ;;
        esac
    fi
    case $command in
        import | tool) command="$command ${words[1]}" ;;
        scene) [[ ${words[1]} == path ]] && command="scene path" ;;
    esac

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$(_vistagon_cli_options "$command") --profile --yes" -- "$cur"))
        return
    fi
    if [[ $command == demo ]]; then
        compopt -o filenames 2>/dev/null
        COMPREPLY=($(compgen -d -- "$cur"))
        return
    fi
    local extensions
    extensions=$(_vistagon_cli_extensions "$command")
    [[ -n $extensions ]] && _vistagon_cli_files "$cur" "$extensions"
}
complete -F _vistagon_cli vistagon-cli
