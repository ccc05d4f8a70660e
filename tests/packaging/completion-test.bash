# Completes vistagon-cli lines as bash would and compares the offers.
#   bash completion-test.bash COMPLETION
set -u
source "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir frames
touch flight.vgs Other.VGS dem.tga picture.yuv notes.txt

failures=0
# expect LINE WORD... : the offers for the last word of LINE (a trailing space starts an empty word).
expect() {
  local line=$1
  shift
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *" " ]] && COMP_WORDS+=("")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _vistagon_cli vistagon-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got want
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
  want=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
  if [[ $got != "$want" ]]; then
    echo "'$line': offered [$got], expected [$want]"
    failures=$((failures + 1))
  fi
}

expect "vistagon-cli " --help --profile --yes demo import info plan render scene tool
expect "vistagon-cli --yes re" render
expect "vistagon-cli --profile my.ini im" import
expect "vistagon-cli import " ascii-irregular ascii-regular binary gdal japan sdts tga-irregular usgs
expect "vistagon-cli tool elev" elev-to-color elev-to-gray
expect "vistagon-cli scene " new path set
expect "vistagon-cli scene path flight.vgs --" --closed --layer --open --points --profile --track --yes
expect "vistagon-cli plan " flight.vgs Other.VGS frames
expect "vistagon-cli render " flight.vgs Other.VGS frames
expect "vistagon-cli render flight.vgs --mode " final raw preview
expect "vistagon-cli render flight.vgs --m" --mode
expect "vistagon-cli render flight.vgs --jobs " 
expect "vistagon-cli tool convolve dem.tga " dem.tga picture.yuv frames
expect "vistagon-cli tool convolve dem.tga out.tga --matrix " dem.tga frames
expect "vistagon-cli tool resample dem.tga out.tga --factor " 2 3 4
expect "vistagon-cli tool rectify dem.tga out.tga --elevation " dem.tga picture.yuv frames
expect "vistagon-cli import gdal in.tif out.tga --t" --texture
expect "vistagon-cli scene new out.vgs --elevation " dem.tga frames
expect "vistagon-cli demo " frames
expect "vistagon-cli info " flight.vgs Other.VGS dem.tga frames
(( failures == 0 )) || exit 1
echo "completion: all offers as expected"
