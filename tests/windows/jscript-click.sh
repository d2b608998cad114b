#!/bin/sh
# jscript-click.sh DLL SCRIPT: registers the DLL and runs the script with the console script host.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$(wine_path "$1")
script=$(wine_path "$2")
"$WINE" regsvr32 /s "$dll"
"$WINE" cscript //nologo "$script"
