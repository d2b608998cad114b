#!/bin/sh
# hostile-page-text.sh DLL STANDIN_EXE: a page whose title, address and selection hold quotes,
# ampersands, pipes, redirections, carets, percent signs and line breaks, through the registered
# DLL in the browser stand-in: the mail entry's mailto address keeps every value encoded (only its
# own "?" and "&" separate the fields), Simple MAPI gets each value whole in its field, and a
# console entry's command line keeps every value inside its quotes, chaining nothing.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
session="Veltrane Tandrel Hostile"
. "$(dirname "$0")/standin-session.sh"

# The file beside the module: a mail entry, and a console entry taking the values as they are
# and one taking them URL-encoded.
printf '%s\r\n' '[EMAIL:Hostile]' 'shortDescription=Hostile mail' 'MailTo=!s' 'MailCC=!u' \
    'MailSubject=!T' 'MailBody=!U\n!t' \
    '[OTHER:Echo]' 'shortDescription=Echo' 'command=echo !T !S' 'useConsole=y' 'URLEncoded=n' \
    '[OTHER:Encoded]' 'shortDescription=Encoded' 'command=echo !T' 'useConsole=y' \
    >"$folder/nubrix.ini"

url='https://x.example/?a=1&b="2"'
title=$(printf 'Tom "&" Jerry\r\n& calc | x > y ^ 100%%')
selection='x" & calc & "'
encoded_url='https%3A%2F%2Fx.example%2F%3Fa%3D1%26b%3D%222%22'
encoded_title='Tom%20%22%26%22%20Jerry%0D%0A%26%20calc%20%7C%20x%20%3E%20y%20%5E%20100%25'
encoded_selection='x%22%20%26%20calc%20%26%20%22'

menu='=>Email'
run "$menu" "$url" "$selection" --title "$title" --answer 'press:OK'
has "navigate top \"mailto:$encoded_selection?cc=$encoded_url&subject=$encoded_title&body=$encoded_url%0D%0A$encoded_title\""

run "$menu" "$url" "$selection" --title "$title" --refuse-navigate --mapi-result 0 \
    --answer 'press:OK'
has 'mapi to="x\" & calc & \"" cc="https://x.example/?a=1&b=\"2\"" bcc= subject="Tom \"&\" Jerry\r\n& calc | x > y ^ 100%" body="https://x.example/?a=1&b=\"2\"\r\nTom \"&\" Jerry\r\n& calc | x > y ^ 100%"'
lacks '^message'

# The first entry starts ticked; the confirmed text is the selection collapsed.
menu='=>Other'
cmd='C:\\windows\\system32\\cmd.exe'
run "$menu" "$url" "$selection" --title "$title" --answer 'press:OK'
has "started \"$cmd /C \\\"echo Tom     Jerry    calc   x   y   100  x    calc    \\\"\""
# Encoded, a value is written with "#" for "%" there, so that the interpreter finds no variable
# in it.
run "$menu" "$url" "$selection" --title "$title" --answer 'toggle:Echo;toggle:Encoded;press:OK'
has "started \"$cmd /C \\\"echo $(printf '%s' "$encoded_title" | tr '%' '#')\\\"\""

# Full-width look-alikes of a quote, an ampersand and a percent sign are characters the code page
# lacks: they arrive as question marks, never as the characters they look like. (The last run
# left Encoded ticked.)
run "$menu" "$url" 'plain' --title 'x＂ ＆ calc ％PATH％' --answer 'toggle:Encoded;toggle:Echo;press:OK'
has "started \"$cmd /C \\\"echo x? ? calc ?PATH? plain\\\"\""

finish "hostile page text"
