#!/bin/sh
# The README's route walkthrough inputs in DIR: dem.tif (a GeoTIFF DEM, 30 m
# pixels in UTM zone 33 north), ortho.tif (a stand-in orthophoto of it) and
# track.gpx (a hike over it, in WGS 84), made with the GDAL command-line tools
# from what scripts/make-route-data.py writes.
#   sh scripts/make-route-data.sh DIR
set -eu
dir=${1:?usage: make-route-data.sh DIR}
here=$(dirname "$0")
sh "$here/install-deps.sh" route
python3 "$here/make-route-data.py" "$dir"
cd "$dir"
rm -f dem.tif ortho.tif track.gpx
gdal_translate -q -a_srs EPSG:32633 -ot Int16 dem.asc dem.tif
# The photo covers the DEM's ground: the same corners, pixel for pixel.
gdal_translate -q -a_srs EPSG:32633 -a_ullr 500000 5012000 512000 5000000 ortho.ppm ortho.tif
ogr2ogr -f GPX track.gpx route.csv -oo GEOM_POSSIBLE_NAMES=WKT -oo KEEP_GEOM_COLUMNS=NO -s_srs EPSG:32633 \
    -t_srs EPSG:4326 -nlt MULTILINESTRING -nln tracks -dsco GPX_USE_EXTENSIONS=YES
rm -f dem.asc ortho.ppm route.csv
echo "made $dir/dem.tif, $dir/ortho.tif, $dir/track.gpx"
