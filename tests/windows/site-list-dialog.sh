#!/bin/sh
# site-list-dialog.sh DLL STANDIN_EXE REMOVE_RESOURCE_EXE: the lookup dialogs of the registered
# DLL in the browser stand-in, answered like a user: a text longer than the edit box reads reaches
# the text check and the opened address cut to its first 1023 characters, an EAN-13 typed into the
# ISBN box is accepted as its ISBN-10 when it has one, the status line shows the description of the
# entry double-clicked, and a category without entries refuses OK while Cancel and Help end the
# dialog (a copy of the DLL without its stored default, under a nubrix.ini without the category).
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
remove_resource=$3
session="Veltrane Tandrel Site List"
. "$(dirname "$0")/standin-session.sh"

printf '%s\r\n' '[BOOK:Alpha]' 'shortDescription=Alpha' 'longDescription=Alpha, described at length' \
    'url=https://alpha.example/?q=!S' \
    '[BOOK:Beta]' 'shortDescription=Beta' 'longDescription=Beta, described at length' \
    'url=https://beta.example/?q=!S' \
    '[BOOK:Gamma]' 'shortDescription=Gamma' 'url=https://gamma.example/?q=!S' >"$folder/nubrix.ini"

# check MENU SELECTION ANSWER... -- LINE...: the entry on a page, each ANSWER for the next window;
# each LINE must begin a line of the output, in this order.
check() {
    menu=$1 selection=$2
    shift 2
    : >"$work/expected"
    after=""
    count=$#
    while [ "$count" -gt 0 ]; do
        argument=$1
        shift
        count=$((count - 1))
        if [ "$argument" = -- ]; then
            after=yes
        elif [ -n "$after" ]; then
            printf '%s\n' "$argument" >>"$work/expected"
        else
            set -- "$@" --answer "$argument"
        fi
    done
    run "$menu" https://books.example/ "$selection" "$@"
    awk 'NR == FNR { want[++n] = $0; next }
         seen < n && index($0, want[seen + 1]) == 1 { seen++ }
         END { if (seen < n) { print "missing: " want[seen + 1]; exit 1 } }' \
        "$work/expected" "$work/out" >"$work/missing" ||
        fail "$menu with $selection: $(cut -c 1-200 "$work/missing")"
}

# pattern COUNT CHARACTERS: the characters repeated to COUNT of them.
pattern() {
    awk -v n="$1" -v s="$2" 'BEGIN { for (i = 0; i < n; i++) printf "%s", substr(s, i % length(s) + 1, 1) }'
}

# The edit box is read into 1024 units: ASCII text keeps its first 1023 characters. An ISBN that
# ends at the 1023rd character is found; one character later its check digit is cut off.
digits=$(pattern 2000 0123456789)
isbn='0306406152'
amazon='open top "https://www.amazon.com/s?k=0306406152&i=stripbooks"'
not_isbn='message "Veltrane Tandrel" "The ISBN number is not valid."'
check '=>Book' x "type:$digits;press:OK" -- 'closed 1' \
    "open top \"https://alpha.example/?q=$(pattern 1023 0123456789)\" "
check '=>ISBN' x "type:$(pattern 1013 x)$isbn$(pattern 977 x);press:OK" -- 'closed 1' "$amazon"
check '=>ISBN' x "type:$(pattern 1014 x)$isbn$(pattern 976 x);press:OK" 'press:OK' 'press:Cancel' \
    -- "$not_isbn" 'closed 1' 'closed 2'

# An EAN-13 of a book (978) stands for its ISBN-10; one beginning 979 has none and is looked up
# whole; a label's number is no part of the code.
check '=>ISBN' x 'type:978-0-306-40615-7;press:OK' -- 'closed 1' "$amazon"
check '=>ISBN' x 'type:ISBN-13: 979-1-23-456789-6;press:OK' -- 'closed 1' \
    'open top "https://www.amazon.com/s?k=9791234567896&i=stripbooks"'
check '=>ISBN' x 'type:9791234567897;press:OK' 'press:OK' 'press:Cancel' \
    -- "$not_isbn" 'closed 1' 'closed 2'

# The status line shows the entry double-clicked: its long description, else its short one.
check '=>Book' x 'toggle:Beta;press:Cancel' -- 'control 208 "Beta, described at length"' 'closed 2'
check '=>Book' x 'toggle:Gamma;press:Cancel' -- 'control 208 "Gamma"' 'closed 2'

# No ISBN entries: the list is empty, OK is refused after the text check, Cancel and Help end the
# dialog.
cp "$dll" "$work/nubrix.dll"
"$WINE" "$remove_resource" "$(wine_path "$work/nubrix.dll")" FILE 206
cp "$work/nubrix.dll" "$folder/nubrix.dll"
nothing='message "Veltrane Tandrel" "No site or action chosen.\nYou must choose at least one site or action for something to happen."'
check '=>ISBN' "ISBN $isbn" 'press:OK' 'press:OK' 'press:Cancel' -- "$nothing" 'closed 1' 'closed 2'
lacks '^item '
check '=>ISBN' "ISBN $isbn" 'press:OK' 'press:OK' 'press:Help' -- "$nothing" 'closed 1' 'closed 9' \
    'open top "file:///C|/Program Files/Veltrane Tandrel Site List/HelpISBN.htm" "NubrixHelp" '

finish "site list dialog"
