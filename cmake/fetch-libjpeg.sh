#!/bin/sh
# Fetches Debian's libjpeg-turbo source into DOWNLOAD_DIR (once) and unpacks
# it into SOURCE_DIR. Needs a deb-src entry for apt.
#   fetch-libjpeg.sh DOWNLOAD_DIR SOURCE_DIR
set -e
cd "$1"
if ! ls libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1; then
  apt-get source --download-only libjpeg-turbo
fi
rm -rf "$2"
mkdir -p "$2"
tar xzf "$(ls libjpeg-turbo_*.orig.tar.gz | sort | tail -n 1)" -C "$2" --strip-components=1
