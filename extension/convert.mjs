// The conversion dialog: the amount and its category, the units to convert from and to, and
// Calculate (the default button), which shows the result and keeps the dialog open.

import { loadCore, withCore } from './lazy-core.mjs';
import { element, label, lines, showMessage } from './ui.mjs';

/**
 * A list of names with one chosen.
 * @param {string} id
 * @param {string[]} names
 * @param {string | null} chosen
 */
function fill(id, names, chosen) {
    const list = element('select', { id });
    refill(list, names, chosen);
    return list;
}

/** @param {HTMLSelectElement} list @param {string[]} names @param {string | null} chosen */
function refill(list, names, chosen) {
    list.replaceChildren(...names.map((name) => element('option', { value: name, selected: name === chosen }, [name])));
    if (chosen === null)
        list.selectedIndex = -1;
}

/**
 * @param {any} dialog
 * @param {{config: string | null}} request the command's request (its configuration holds units)
 * @returns {import('./dialog.mjs').View}
 */
export function convertView(dialog, request) {
    /** @type {Array<{name: string, units: string[]}>} */
    const categories = dialog.categories;
    const unitsOf = (/** @type {string} */ name) => categories.find((category) => category.name === name)?.units ?? [];
    const amount = element('input', { id: 'text', type: 'text', value: dialog.amount, autocomplete: 'off' });
    const category = fill('category', categories.map((entry) => entry.name), dialog.category);
    category.setAttribute('aria-label', dialog.texts.amount.trim());
    const from = fill('from', unitsOf(dialog.category), dialog.from);
    const to = fill('to', unitsOf(dialog.category), dialog.to);
    const result = element('output', { id: 'result', className: 'result', 'aria-live': 'polite' });
    // A category chosen fills both unit lists where the core's rule (the DLL's) starts them.
    category.addEventListener('change', () => {
        const chosen = category.value;
        withCore((core) => {
            const answer = core.units({ config: request.config, category: chosen });
            refill(from, answer.units, answer.from);
            refill(to, answer.units, answer.to);
        });
    });
    const calculate = async () => {
        const core = await loadCore();
        const answer = core.calculate({
            config: request.config, category: category.value, amount: amount.value,
            from: from.selectedIndex >= 0 ? from.value : null, to: to.selectedIndex >= 0 ? to.value : null,
        });
        if (answer.outcome === 'calculated') {
            amount.value = answer.amount;
            result.value = answer.result;
        } else if (answer.outcome === 'notANumber') {
            await showMessage(answer.message);
            amount.focus();
            amount.select();
        }
    };
    return {
        content: [
            element('div', { className: 'fields convert' }, [
                label(dialog.texts.amount, 'text'), element('div', { className: 'amount' }, [amount, category]),
                label(dialog.texts.from, 'from'), from,
                label(dialog.texts.to, 'to'), to,
            ]),
            result,
            element('p', { className: 'warranty' }, lines(dialog.texts.warranty)),
        ],
        answer: () => ({}),
        focus: () => { amount.focus(); amount.select(); },
        press: async (role) => {
            if (role !== 'calculate')
                return false;
            await calculate();
            return true;
        },
    };
}
