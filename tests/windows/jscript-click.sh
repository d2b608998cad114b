#!/bin/sh
# jscript-click.sh DLL SCRIPT: registers the DLL and runs the script with the console script host.
set -eu
dll=$(winepath -w "$1")
script=$(winepath -w "$2")
wine regsvr32 /s "$dll"
wine cscript //nologo "$script"
