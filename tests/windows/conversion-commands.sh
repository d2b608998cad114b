#!/bin/sh
# conversion-commands.sh DLL STANDIN_EXE [SCREENSHOT_DIR]: the "=>Convert" and "=>Currency"
# entries of the registered DLL in the browser stand-in, answered like a user: what each dialog
# opens with, Calculate (also refused and dividing by zero), the currency sites opened with the
# currencies chosen, the refusals at OK, Help. With SCREENSHOT_DIR, a picture of each dialog.
set -eu
. "$(dirname "$0")/wine-env.sh"
dll=$1
standin=$2
shots=${3:-}
session="Veltrane Tandrel Conversions"
. "$(dirname "$0")/standin-session.sh"

# Convert: the amount and unit of the selection; Calculate converts and keeps the dialog open.
menu='=>Convert'
dir=$(shot_dir Convert)
run "$menu" https://www.example.org/ 'about 5 km from here' \
    --answer 'choose:210:miles;press:Calculate;press:OK' ${dir:+--screenshot "$dir"}
has 'control 220 "5"'
has 'control 206 "distance"'
has 'control 209 "kilometres"'
has 'control 210 "miles"'
has 'control 208 "5 kilometres = 3.10686 miles"'
has 'closed 1'
lacks '^open '

# An amount that is no number: message 144 and the dialog stays; then zero miles per gallon.
run "$menu" https://www.example.org/ '12 (miles' \
    --answer 'type:  7.5 kg;choose:210:feet;press:Calculate;type:abc;press:Calculate' --answer 'press:OK' \
    --answer 'choose:206:fuel consumption;type:0;choose:209:miles per gallon (UK);press:Calculate;press:OK'
has 'control 208 "7.5 miles = 39600 feet"'
has 'message "Veltrane Tandrel" "The amount should be a decimal number, such as 1.00"'
has 'control 208 "Cannot calculate answer (Division by zero)"'
has 'closed 1'

# Help opens the units help page.
run "$menu" https://www.example.org/ 'nothing' --answer 'press:Help'
has 'control 206 "angle"'
has 'control 220 "1"'
has 'closed 9'
grep -q '^open top "file:///C|/Program Files/Veltrane Tandrel Conversions/HelpUnits.htm" ' \
    "$work/out" || fail "Help did not open HelpUnits.htm"

# Currency: the amount and the guessed currencies; OK opens the ticked sites with the chosen
# currencies and the amount as typed, and stores the ticks.
menu='=>Currency'
dir=$(shot_dir Currency)
run "$menu" https://shop.example.com/ '£50' --answer 'press:Cancel' ${dir:+--screenshot "$dir"}
has 'control 220 "50"'
has 'control 203 "GBP United Kingdom, Pounds"'
has 'control 204 "USD United States of America, Dollars"'
has 'closed 2'
run "$menu" https://shop.example.com/ '£50' \
    --answer 'type:12abc;choose:203:EUR European Economic Community, Euros;choose:204:JPY Japan, Yen;toggle:X-Rates (USA);press:OK'
grep -q '^open .*"https://www.xe.com/currencyconverter/convert/?Amount=12abc&From=EUR&To=JPY"' \
    "$work/out" || fail "XE is not opened with the chosen currencies"
grep -q '^open .*"https://www.x-rates.com/calculator/?from=EUR&to=JPY&amount=12abc"' \
    "$work/out" || fail "X-Rates is not opened with the chosen currencies"
stored CURRENCY:XRatesCom 0x1

# Refusals at OK, then Help: the help page opens and no tick is stored.
"$WINE" reg delete "$choices" /f >/dev/null 2>&1 || true
run "$menu" https://shop.example.com/ '$100' --answer 'type:abc;press:OK' --answer 'press:OK' \
    --answer 'type:5;toggle:XE (Canada);press:OK' --answer 'press:OK' \
    --answer 'toggle:XE (Canada);press:Help'
has 'control 204 "CAD Canada, Dollars"'
has 'message "Veltrane Tandrel" "The currency amount must be a decimal number, such as 1.00"'
has 'message "Veltrane Tandrel" "No site or action chosen.\nYou must choose at least one site or action for something to happen."'
has 'closed 9'
grep -q '^open top "file:///C|/Program Files/Veltrane Tandrel Conversions/HelpCurrency.htm" ' \
    "$work/out" || fail "Help did not open HelpCurrency.htm"
"$WINE" reg query "$choices" /v CURRENCY:XeCom >/dev/null 2>&1 && fail "Help stored a tick"

finish "conversion commands"
