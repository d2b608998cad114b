// The currency dialog: the amount, the currencies to convert from and to among all the core
// lists, and the converters to use.

import { siteList } from './sitelist.mjs';
import { element, label } from './ui.mjs';

/**
 * A list of the currencies with one chosen.
 * @param {string} id
 * @param {Array<{code: string, text: string}>} currencies
 * @param {string | null} chosen
 */
function currencyList(id, currencies, chosen) {
    const options = currencies.map((currency) =>
        element('option', { value: currency.code, selected: currency.code === chosen }, [currency.text]));
    // No currency guessed: the list shows none, and the answer leaves it as prepared.
    if (!chosen)
        options.unshift(element('option', { value: '', selected: true }));
    return element('select', { id }, options);
}

/**
 * @param {any} dialog
 * @returns {import('./dialog.mjs').View}
 */
export function currencyView(dialog) {
    const list = siteList(dialog);
    const amount = element('input', { id: 'text', type: 'text', value: dialog.amount, autocomplete: 'off', 'aria-describedby': 'example' });
    const from = currencyList('from', dialog.currencies, dialog.from);
    const to = currencyList('to', dialog.currencies, dialog.to);
    const fields = element('div', { className: 'fields' }, [
        label(dialog.texts.amount, 'text'), element('div', { className: 'amount' }, [amount, element('span', { id: 'example' }, [dialog.texts.example])]),
        label(dialog.texts.from, 'from'), from,
        label(dialog.texts.to, 'to'), to,
    ]);
    return {
        content: [fields, list.view],
        answer: () => ({ text: amount.value, from: from.value, to: to.value, ticked: list.ticked() }),
        focus: (part) => (part === 'list' ? list.focus() : (amount.focus(), amount.select())),
    };
}
