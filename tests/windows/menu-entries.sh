#!/bin/sh
# menu-entries.sh DLL STANDIN_EXE [SCREENSHOT_DIR]: every entry of the right-click menu, from the
# registered menu key through its script page and Click to the action it ends in: the opened
# address with the confirmed text, the followed anchor, the started command line, the composed
# mail, the converted amount, the about box's page. With SCREENSHOT_DIR, a picture of each
# window the user answers, in a folder per entry.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
shots=${3:-}
session="Veltrane Tandrel Menu"
. "$(dirname "$0")/standin-session.sh"
help='file:///C|/Program Files/Veltrane Tandrel Menu'

# entry | page | selection | answer | a line of the output that proves the action (grep -E). The
# console is a program that ends at once (COMSPEC), so that no console waits for its user.
while IFS='|' read -r menu url selection answer proof; do
    dir=$(shot_dir "$(printf '%s' "$menu" | tr -cd 'A-Za-z')")
    run "$menu" "$url" "$selection" --title 'A "quoted" & page' --answer "$answer" \
        --env 'COMSPEC=C:\windows\system32\hostname.exe' ${dir:+--screenshot "$dir"}
    grep -qE -- "$proof" "$work/out" || fail "$menu: no line matching [$proof]"
done <<EOF2
=> Veltrane Tandrel|https://www.example.org/|x|press:Help|^open top "$help/HelpIndex.htm" "NubrixHelp"
=>ISBN|https://books.example/|ISBN 0-306-40615-2|press:OK|^open top "https://www.amazon.com/s\?k=0306406152&i=stripbooks"
=>Book|https://books.example/|two  words|press:OK|^open top "https://www.amazon.com/s\?k=two(\+|%20)words&i=stripbooks"
=>UPC|https://shop.example/|03600029145|press:OK|^open top "[^"]*036000291452
=>Movie|https://films.example/|Metropolis|press:OK|^open top "https://www.imdb.com/find/\?q=Metropolis&s=tt"
=>Music|https://music.example/|Kind of Blue|press:OK|^open top "[^"]*allmusic[^"]*Kind(\+|%20)of(\+|%20)Blue
=>Search|https://www.example.org/|a question|press:OK|^open top "https://www.google.com/[^"]*a(\+|%20)question
=>Stock Symbol|https://news.example.org/|Acme Widgets Inc. (ACME)|press:OK|^open top "[^"]*ACME
=>Other|https://www.example.invalid/page.html|www.example.org|toggle:Ping the host of this page;press:OK|^started "C:.+system32.+hostname\.exe /K .+ping\.exe www\.example\.invalid
=>Email|https://www.example.org/page.html|someone@example.com|toggle:Write to the selected email address;press:OK|^navigate top "mailto:someone%40example\.com\?subject=A%20%22quoted%22%20%26%20page"
=>Translate|https://news.example.org/page.html|x|toggle:Into Dutch: Google Translate (USA);press:OK|^click top .*"_top"
=>URL|https://www.example.org/page.html|x|press:OK|^open top "https://lookup.icann.org/en/lookup\?name=example\.org"
=>Currency|https://shop.example.com/|£50|press:OK|^open top "https://www.xe.com/currencyconverter/convert/\?Amount=50&From=GBP&To=USD"
=>Convert|https://www.example.org/|about 5 km from here|choose:210:miles;press:Calculate;press:OK|^control 208 "5 kilometres = 3\.10686 miles"
EOF2

finish "menu entries"
