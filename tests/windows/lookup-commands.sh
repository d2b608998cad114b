#!/bin/sh
# lookup-commands.sh DLL STANDIN_EXE [SCREENSHOT_DIR]: the eleven lookup commands of the
# registered DLL in the browser stand-in, answered like a user: each dialog as it opens, OK with
# a valid text and the ticked sites opened, every tick stored, a refused text, nothing ticked,
# Cancel, Help, and the question before translating a page without a dot. With SCREENSHOT_DIR,
# a picture of each of the seven dialogs is kept there.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
shots=${3:-}
session="Veltrane Tandrel Lookup"
. "$(dirname "$0")/standin-session.sh"

# Each dialog as it opens: caption, the group box and label of its template, the prepared text.
book_label='At one or more of the following\n(Double-click on sites or actions to select them)'
while IFS='|' read -r menu selection group label text; do
    dir=$(shot_dir "$(printf '%s' "$menu" | tr -cd 'A-Za-z')")
    run "$menu" https://www.example.org/shop.html "$selection" --answer "press:Cancel" \
        ${dir:+--screenshot "$dir"}
    has 'dialog "Veltrane Tandrel"'
    [ -n "$group" ] && has "control 202 \"$group\""
    has "control 223 \"$label\""
    [ -n "$text" ] && has "control 220 \"$text\""
    has 'closed 2'
    lacks '^open '
done <<EOF2
=>ISBN|ISBN 0-306-40615-2|Look for the book ISBN|At one or more of the following sites\n(Double-click sites to select them)|0306406152
=>UPC|03600029145|Look for the item with UPC|At one or more of the following sites\n(Double-click sites to select them)|036000291452
=>Stock Symbol|Acme Widgets Inc. (ACME)|Look for the stock with symbol|At one or more of the following sites\n(Double-click actions or sites to select them)|ACME
=>Book|two  words|Search for a book|$book_label|two words
=>Movie|a film|Search for a movie|$book_label|a film
=>Music|a song|Search for music|$book_label|a song
=>Search|a question|Search for|$book_label|a question
=>Other|www.example.com|Using the following selection|Do one of the following\n(Double-click on sites or actions to select them)|www.example.com
=>Email|x||Send an email\n(Double click on the type of email required)|
=>Translate|x||Translate publicly accessible web page\n(Double click on the translation required)|
=>URL|x||Find information about this URL\n(Double click on the site or action required)|
EOF2

# OK opens the ticked sites with the confirmed text and stores every tick; the next run starts
# with them, and Cancel changes none.
menu='=>ISBN'
run "$menu" https://books.example/ 'ISBN 0-306-40615-2' --answer 'toggle:Amazon.co.uk (UK);press:OK'
has 'item "Amazon.com (USA)" ticked'
has 'item "Amazon.co.uk (UK)" ticked'
has 'closed 1'
grep -q '^open top "https://www.amazon.com/s?k=0306406152&i=stripbooks" ' "$work/out" ||
    fail "the ticked site is not opened with the ISBN"
[ "$(grep -c '^open top ' "$work/out")" -eq 3 ] || fail "not the three ticked sites opened"
stored ISBN:AmazonCoUk 0x1
stored ISBN:BnCom 0x0
run "$menu" https://books.example/ 'x' --answer 'toggle:Barnes & Noble (USA);press:Cancel'
has 'item "Amazon.co.uk (UK)" ticked'
stored ISBN:BnCom 0x0

# A text that is no ISBN: its message, the dialog stays; then nothing ticked: message 128.
run "$menu" https://books.example/ 'no code' --answer 'type:12345;press:OK' --answer 'press:OK' \
    --answer 'press:Cancel'
has 'message "Veltrane Tandrel" "The ISBN number is not valid."'
has 'closed 2'
menu='=>UPC'
run "$menu" https://shop.example/ '036000291452' --answer 'toggle:UPCitemdb (USA);press:OK' \
    --answer 'press:OK' --answer 'press:Cancel'
has 'message "Veltrane Tandrel" "No site or action chosen.\nYou must choose at least one site or action for something to happen."'
lacks '^open '

# Help opens the command's help page and saves nothing.
menu='=>Stock Symbol'
run "$menu" https://shop.example/ 'IBM shares' --answer 'toggle:CNBC (USA);press:Help'
has 'closed 9'
grep -q '^open top "file:///C|/Program Files/Veltrane Tandrel Lookup/HelpStock.htm" "NubrixHelp" ' \
    "$work/out" || fail "Help did not open HelpStock.htm"
"$WINE" reg query "$choices" /v STOCK:CnbcCom >/dev/null 2>&1 && fail "Help stored a tick"

# Translating: a page without a dot asks first, and No ends the command; on the Internet the
# ticked translation's link is written into the page and clicked with its target.
menu='=>Translate'
run "$menu" http://intranet/page.html '' --answer 'press:No'
has 'message "Veltrane Tandrel" "Translation is only available if the URL you are browsing is on the Internet.\nContinue anyway?"'
has 'closed 7'
lacks '^dialog'
run "$menu" https://news.example.org/page.html '' --answer 'toggle:Into Dutch: Google Translate (USA);press:OK'
grep -q '^click top .*"_top"' "$work/out" || fail "the translation link was not clicked"

# Text typed in another script reaches the site whole, in the UTF-8 the stored sites take.
menu='=>Search'
run "$menu" https://news.example.org/ 'x' --answer 'type:Ελλάδα 東京;press:OK'
grep -q '^open top "https://www.google.com/search?q=%CE%95%CE%BB%CE%BB%CE%AC%CE%B4%CE%B1%20%E6%9D%B1%E4%BA%AC" ' \
    "$work/out" || fail "the typed text did not reach the site whole"

finish "lookup commands"
