#!/usr/bin/env bash
# Wave files in the formats people have, made with sox, for the tests that
# play them: a 600 Hz tone of 0.3 s in each (one of 2401 samples, for an odd
# "data" chunk), and a 3 s tone of 500 Hz to be cut off.
#   make_waves.sh DIR
set -euo pipefail
dir=$1
rm -rf "$dir"
mkdir -p "$dir"
tone() {
  local name=$1 length=$2 rate=$3
  shift 3
  # -D: no dither, so every run makes the same files. The tone is made at the
  # file's rate, so a length in samples is the file's.
  sox -D -r "$rate" -n -r "$rate" "$@" "$dir/$name.wav" synth "$length" sine 600 vol 0.5
}
# wavpcm: the plain PCM header; wav: sox's choice (WAVE_FORMAT_EXTENSIBLE past
# 16 bits or 2 channels, a "fact" chunk for compressed and float data).
tone pcm8-mono-8000-odd 2401s 8000 -c 1 -b 8 -e unsigned-integer -t wavpcm
tone pcm8-stereo-11025 0.3 11025 -c 2 -b 8 -e unsigned-integer -t wavpcm
tone pcm16-mono-16000 0.3 16000 -c 1 -b 16 -t wavpcm
tone pcm16-mono-22050 0.3 22050 -c 1 -b 16 -t wavpcm
tone pcm16-stereo-22050 0.3 22050 -c 2 -b 16 -t wavpcm
tone pcm16-stereo-44100 0.3 44100 -c 2 -b 16 -t wavpcm
tone pcm16-mono-48000 0.3 48000 -c 1 -b 16 -t wavpcm
tone pcm24-mono-44100 0.3 44100 -c 1 -b 24 -t wavpcm
tone extensible-pcm24-stereo-48000 0.3 48000 -c 2 -b 24 -t wav
tone ima-adpcm-mono-22050 0.3 22050 -c 1 -e ima-adpcm -t wav
tone mulaw-mono-8000 0.3 8000 -c 1 -e mu-law -t wav
tone float32-mono-44100 0.3 44100 -c 1 -e floating-point -b 32 -t wav
sox -D -n -r 22050 -c 1 -b 16 -t wavpcm "$dir/long-tone.wav" synth 3 sine 500 vol 0.5
