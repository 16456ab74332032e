#!/bin/sh
# Runs a copy of PROGRAM whose qt.conf points at a plugin folder with only
# the platform plugin PLUGIN in it, so that Qt's Wayland plugin is missing
# whether or not this machine has it.
#   without_wayland_plugin.sh PLUGIN PROGRAM [ARGUMENT...]
plugin=$1 program=$2
shift 2
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -p "$folder/plugins/platforms"
ln -s "$plugin" "$folder/plugins/platforms/"
cp "$program" "$folder/"
printf '[Paths]\nPlugins=%s/plugins\n' "$folder" >"$folder/qt.conf"
"$folder/$(basename "$program")" "$@"
