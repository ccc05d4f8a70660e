#!/bin/sh
# Checks a package that scripts/package.sh wrote: its files, its fields, lintian, and the demo run
# from the extracted tree.   scripts/check-package.sh [build/vistagon_VERSION_amd64.deb]
set -eu
cd "$(dirname "$0")/.."
deb=${1:-$(ls build/vistagon_*_amd64.deb 2>/dev/null | head -n 1)}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "no package: run sh scripts/package.sh first" >&2; exit 1; }
deb=$(realpath "$deb")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
status=0
fail() { echo "FAILED: $*"; status=1; }

dpkg-deb -c "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/files"
for file in /usr/bin/vistagon /usr/bin/vistagon-cli /usr/bin/vistagon-cli-gdal \
    /usr/share/applications/vistagon.desktop /usr/share/mime/packages/vistagon.xml \
    /usr/share/icons/hicolor/scalable/apps/vistagon.svg /usr/share/metainfo/org.example.vistagon.metainfo.xml \
    /usr/share/man/man1/vistagon-cli.1.gz /usr/share/man/man1/vistagon-cli-gdal.1.gz /usr/share/man/man1/vistagon.1.gz \
    /usr/share/bash-completion/completions/vistagon-cli /usr/share/doc/vistagon/copyright \
    /usr/share/doc/vistagon/changelog.gz; do
  grep -qx "$file" "$work/files" || fail "the package lacks $file"
done

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libgdal libstdc++6; do
  echo "$depends" | grep -q "$library" || fail "Depends names no $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Recommends)" = ffmpeg ] || fail "Recommends is not ffmpeg"

if command -v lintian >/dev/null 2>&1; then
  lintian --allow-root --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 || true
  if [ -s "$work/lintian" ]; then
    echo "lintian says:"
    sed 's/^/  /' "$work/lintian"
  fi
  grep -q '^E: ' "$work/lintian" && fail "lintian reports errors"
else
  echo "skipped lintian: it is not installed (sh scripts/install-deps.sh test brings it)"
fi

# The programs as installed, run from the extracted tree.
dpkg-deb -x "$deb" "$work/unpacked"
if ! (cd "$work" && unpacked/usr/bin/vistagon-cli demo demo >demo.log 2>&1); then
  cat "$work/demo.log"
  fail "the demo of the extracted vistagon-cli failed"
fi
ls "$work"/demo/*.tga >/dev/null 2>&1 || fail "the demo wrote no frames"
# import gdal is handed to vistagon-cli-gdal beside it, which names the missing file.
if "$work/unpacked/usr/bin/vistagon-cli" import gdal "$work/none.tif" "$work/none.tga" >"$work/gdal.log" 2>&1 ||
   ! grep -q none.tif "$work/gdal.log"; then
  cat "$work/gdal.log"
  fail "vistagon-cli did not hand import gdal to the extracted vistagon-cli-gdal"
fi
for page in vistagon-cli vistagon; do
  LC_ALL=C.UTF-8 man -l "$work/unpacked/usr/share/man/man1/$page.1.gz" 2>&1 | grep -q "EXIT STATUS" ||
    fail "man -l shows no page $page(1)"
done

[ $status -eq 0 ] && echo "package checks passed: $(basename "$deb")"
exit $status
