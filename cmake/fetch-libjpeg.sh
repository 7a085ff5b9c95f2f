#!/bin/sh
# Fetches Debian's libjpeg-turbo source into DOWNLOAD_DIR (once) and unpacks
# it into SOURCE_DIR. Needs a deb-src entry for apt.
#   fetch-libjpeg.sh DOWNLOAD_DIR SOURCE_DIR
set -e
cd "$1"
if ! ls libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1; then
  # Some registries serve the tarballs but refuse the .dsc, and apt then fails
  # after the one file the build needs has arrived: go on with it. A transient
  # refusal is tried again.
  for try in 1 2 3; do
    apt-get source --download-only libjpeg-turbo && break
    ls libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1 && break
    [ "$try" -lt 3 ] || { echo "libjpeg-turbo's source could not be downloaded" >&2; exit 1; }
    sleep $((try * 5))
  done
  ls libjpeg-turbo_*.orig.tar.gz >/dev/null 2>&1 || { echo "apt-get source brought no libjpeg-turbo tarball" >&2; exit 1; }
fi
rm -rf "$2"
mkdir -p "$2"
tar xzf "$(ls libjpeg-turbo_*.orig.tar.gz | sort | tail -n 1)" -C "$2" --strip-components=1
